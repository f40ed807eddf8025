#pragma once
// The pages of the full report of one data file: a cover page, the ten graph pages and one page
// per stored stability record, each with an "n of N" footer. The graph and record pages are the
// printed pages themselves (drawPage); this file adds the page list, the cover and the footer.
#include <string>
#include <vector>

#include "fleetdata/FleetDataImage.h"
#include "print/core/PageCanvas.h"

namespace hm {

enum class ReportPageKind { Cover, Graph, Record };

struct ReportPage {
    ReportPageKind kind = ReportPageKind::Cover;
    int number = 0;  // graph 1..10, or the 0-based record slot
};

// Cover, graphs 1 to 10, then the stored records in slot order (see storedRecordCount).
std::vector<ReportPage> reportPages(const FleetDataImage& image);

struct ReportCover {
    const FleetDataImage& image;
    std::string fileName;  // shown as given
    std::string ecuType;   // empty when not known (a data file does not hold it)
};

// The lines of the cover as label and value, in drawing order (identification first, then the
// summary totals); `heading` rows have an empty value.
struct CoverLine {
    std::string label;
    std::string value;
    bool heading = false;
};
std::vector<CoverLine> coverLines(const ReportCover& cover);

// Draws the cover page: the page header's logos, the report title and the cover lines.
void drawReportCover(PageCanvas& canvas, const ReportCover& cover);

// "n of N", centred at the foot of a page whose printable area is `pageHeight` page units tall
// (2970 for A4 without margins), below everything the page draws.
std::string reportFooterText(int pageNumber, int pageCount);
PageRect reportFooterRect(int pageHeight);
void drawReportFooter(PageCanvas& canvas, int pageNumber, int pageCount, int pageHeight);

}  // namespace hm
