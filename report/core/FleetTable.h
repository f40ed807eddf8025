#pragma once
// The fleet table: one row per data file with its path, identification, saved time, the eight
// summary totals and its number of stability records, as CSV (RFC 4180, header row) or as JSON
// ({"schemaVersion": 1, "files": [...]}). Rows are produced one at a time so that a caller can
// stream any number of files. Plain functions, any thread.
#include <string>

#include "fleetdata/FleetDataImage.h"

namespace hm {

// The CSV header row, with its CRLF line end.
std::string fleetTableCsvHeader();
// One CSV row for the data file at `path` (the bytes of the path as given), with CRLF.
std::string fleetTableCsvRow(const std::string& path, const FleetDataImage& image);

// The JSON document is fleetTableJsonBegin(), the rows separated by ",\n", fleetTableJsonEnd().
std::string fleetTableJsonBegin();
std::string fleetTableJsonRow(const std::string& path, const FleetDataImage& image);
std::string fleetTableJsonEnd();

}  // namespace hm
