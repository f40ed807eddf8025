#pragma once
// The exports as spreadsheets (xlsx) for people: the same values as exportCsv and the fleet
// table's CSV rows, each typed (numbers, dates, text) on sheets of their own. Plain functions,
// any thread.
#include <string>
#include <vector>

#include "fleetdata/FleetDataImage.h"
#include "report/core/XlsxWorkbook.h"

namespace hm::figures {
struct Finding;
}  // namespace hm::figures

namespace hm {

// `haulmetry export`: a sheet "Figures" (identification, saved time, record count, the eight
// summary totals and every exact figure by its data key), one sheet "Graph N" per graph (its
// title above the header row, one row per bar), a sheet "Records" (one row per stored stability
// record, one column per field) and a sheet "Findings" (one row per finding of `findings`, as
// CSV and JSON give them; only the header row when there is none).
std::vector<XlsxSheet> exportSheets(const FleetDataImage& image, const std::string& fileName,
                                    const std::vector<figures::Finding>& findings);

// `haulmetry table`: the sheet "Files" with the columns of the CSV fleet table, no rows yet; and
// one row of it for the data file at `path`.
XlsxSheet fleetTableSheet();
std::vector<XlsxCell> fleetTableXlsxRow(const std::string& path, const FleetDataImage& image);

}  // namespace hm
