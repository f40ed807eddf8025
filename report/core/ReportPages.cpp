#include "report/core/ReportPages.h"

#include <algorithm>

#include "platform/FileAccess.h"
#include "print/core/PageDrawing.h"
#include "print/core/PageLayout.h"
#include "report/core/FleetExport.h"
#include "report/core/TextFormats.h"
#include "resources/Strings.h"

namespace hm {
namespace {

constexpr int kLeft = 110;
constexpr int kRight = 1934;
constexpr int kLabelRight = 760;
constexpr int kFirstLineTop = -260;
constexpr int kLineHeight = 60;
// The footer: one value-font line 10 mm above the foot of the printable area, never higher
// than 5 mm under the lowest point the page content reaches (on a page too short for both it
// runs off the foot rather than over the chart).
constexpr int kFooterHeight = 50;
constexpr int kFooterMargin = 100;
constexpr int kFooterGap = 50;

// Outlines and fills `box` in `fill`, then centres `text` in it.
void textBox(PageCanvas& canvas, const PageRect& box, const PageFont& font, PageColor fill,
             const std::string& text) {
    canvas.setFont(font);
    canvas.setBrush(fill);
    canvas.setTextBackground(fill);
    canvas.rectangle(box);
    canvas.textInRect(box, text, TextLayout::CenteredSingleLine);
}

}  // namespace

std::vector<ReportPage> reportPages(const FleetDataImage& image) {
    std::vector<ReportPage> pages{{ReportPageKind::Cover, 0}};
    for (int g = 1; g <= 10; ++g) {
        pages.push_back({ReportPageKind::Graph, g});
    }
    for (int slot = 0; slot < storedRecordCount(image); ++slot) {
        pages.push_back({ReportPageKind::Record, slot});
    }
    return pages;
}

std::vector<CoverLine> coverLines(const ReportCover& cover) {
    std::vector<CoverLine> lines;
    // Identification and file name as the page headers show them: bytes that are not text, and
    // control characters, as \xNN.
    lines.push_back({strCopy(261), printablePath(cover.image.vehicleIdentString())});
    lines.push_back(
        {translate("hm::ReportPages", "ECU Type"),
         cover.ecuType.empty() ? translate("hm::ReportPages", "Not known") : cover.ecuType});
    lines.push_back({strCopy(260), printablePath(cover.fileName)});
    // The same text as the "saved at" cell of every page header.
    lines.push_back({strCopy(262), savedAtText(cover.image.savedAt)});
    lines.push_back({translate("hm::ReportPages", "Stability Records"),
                     std::to_string(storedRecordCount(cover.image))});
    lines.push_back({translate("hm::ReportPages", "Summary Totals"), "", true});
    for (const SummaryField& f : summaryFields(cover.image)) {
        std::string value = std::to_string(f.value);
        if (*f.unit != '\0') {
            value += ' ';
            value += f.unit;
        }
        lines.push_back({f.label, value});
    }
    return lines;
}

void drawReportCover(PageCanvas& canvas, const ReportCover& cover) {
    canvas.setBrush(page::kWhite);
    canvas.bitmap(PageRect{110, -100, 338, -200}, PageBitmap::Logo257);
    textBox(canvas, PageRect{338, -100, 1706, -200}, page::kTitleFont, page::kGrey160,
            translate("hm::ReportPages", "Fleet Data Report"));
    canvas.bitmap(PageRect{1706, -100, 1934, -200}, PageBitmap::Logo258);

    int top = kFirstLineTop;
    for (const CoverLine& line : coverLines(cover)) {
        if (line.heading) {
            top -= kLineHeight / 2;
            textBox(canvas, PageRect{kLeft, top, kRight, top - kLineHeight}, page::kLabelFont,
                    page::kGrey192, line.label);
        } else {
            textBox(canvas, PageRect{kLeft, top, kLabelRight, top - kLineHeight}, page::kLabelFont,
                    page::kGrey224, line.label);
            textBox(canvas, PageRect{kLabelRight, top, kRight, top - kLineHeight}, page::kValueFont,
                    page::kWhite, line.value);
        }
        top -= kLineHeight;
    }
}

std::string reportFooterText(int pageNumber, int pageCount) {
    return fillPlaceholders(translate("hm::ReportPages", "%1 of %2"),
                            {std::to_string(pageNumber), std::to_string(pageCount)});
}

PageRect reportFooterRect(int pageHeight) {
    const int top =
        std::min(-(pageHeight - kFooterMargin - kFooterHeight), kPageContentBottom - kFooterGap);
    return PageRect{kBodyRect.left, top, kBodyRect.right, top - kFooterHeight};
}

void drawReportFooter(PageCanvas& canvas, int pageNumber, int pageCount, int pageHeight) {
    canvas.setFont(page::kValueFont);
    canvas.setTextBackground(page::kWhite);
    canvas.textInRect(reportFooterRect(pageHeight), reportFooterText(pageNumber, pageCount),
                      TextLayout::CenteredSingleLine);
}

}  // namespace hm
