#pragma once
// The pages of the full report of one data file: a cover page, a findings page, the ten graph
// pages, one page per stored stability record and a last page for the technician's name, date
// and signature, each with an "n of N" footer and, when the workshop is set, its name above the
// page. The graph and record pages are the printed pages themselves (drawPage); this file adds
// the page list, the cover, the findings and sign-off pages, the header line and the footer.
#include <optional>
#include <string>
#include <vector>

#include "fleetdata/FleetDataImage.h"
#include "print/core/PageCanvas.h"
#include "report/core/ReportContext.h"

namespace hm {

enum class ReportPageKind { Cover, Findings, Graph, Record, SignOff };

struct ReportPage {
    ReportPageKind kind = ReportPageKind::Cover;
    int number = 0;  // graph 1..10, or the 0-based record slot
};

// Cover, findings, graphs 1 to 10, the stored records in slot order (see storedRecordCount),
// then the sign-off page.
std::vector<ReportPage> reportPages(const FleetDataImage& image);

struct ReportCover {
    const FleetDataImage& image;
    std::string fileName;                    // shown as given
    std::string ecuType;                     // empty when not known (a data file does not hold it)
    const ReportContext* context = nullptr;  // null: the data file alone
};

// The lines of the cover as label and value, in drawing order (the customer and the trailer's
// details when set, the identification, the visit, then the summary totals under plain labels
// in the user's language); `heading` rows have an empty value, `wrap` rows may take several
// lines (the notes).
struct CoverLine {
    std::string label;
    std::string value;
    bool heading = false;
    bool wrap = false;
};
std::vector<CoverLine> coverLines(const ReportCover& cover);

// Where the cover draws the workshop's logo (the renderer paints the file there, keeping its
// aspect ratio), or nothing when the context has no logo.
std::optional<PageRect> coverLogoRect(const ReportCover& cover);

// Draws the cover page: the page header's logos, the report title, the workshop (name, address,
// phone) when set, and the cover lines. The workshop's own logo is left to the renderer.
void drawReportCover(PageCanvas& canvas, const ReportCover& cover);

// The findings page: the findings (severity and sentence), then the change since the previous
// visit, or a line saying the library holds no earlier visit. Findings that do not fit the page
// are counted in a last line.
void drawFindingsPage(PageCanvas& canvas, const ReportContext& context);

// The last page: lines for the technician's name, the date and the signature.
void drawSignOffPage(PageCanvas& canvas);

// The workshop's name centred above the page's own header (nothing for an empty name).
PageRect reportHeaderLineRect();
void drawReportHeaderLine(PageCanvas& canvas, const std::string& workshopName);

// "n of N", centred at the foot of a page whose printable area is `pageHeight` page units tall
// (2970 for A4 without margins), below everything the page draws.
std::string reportFooterText(int pageNumber, int pageCount);
PageRect reportFooterRect(int pageHeight);
void drawReportFooter(PageCanvas& canvas, int pageNumber, int pageCount, int pageHeight);

}  // namespace hm
