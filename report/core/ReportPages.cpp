#include "report/core/ReportPages.h"

#include <algorithm>

#include "platform/FileAccess.h"
#include "print/core/PageDrawing.h"
#include "print/core/PageLayout.h"
#include "report/core/FleetExport.h"
#include "report/core/TextFormats.h"
#include "resources/Strings.h"

// Marks a text for the translation files (lupdate reads it); translated where it is shown.
#define QT_TRANSLATE_NOOP(context, text) text

namespace hm {
namespace {

constexpr const char* kContext = "hm::ReportPages";
constexpr int kLeft = 110;
constexpr int kRight = 1934;
constexpr int kLabelRight = 1000;
constexpr int kFirstLineTop = -260;
constexpr int kLineHeight = 60;
constexpr int kPadding = 16;  // between a box's outline and a text set from its top-left corner
// The workshop block of the cover: the logo 45 x 22.5 mm at the left, the texts beside it.
constexpr PageRect kLogoRect{kLeft, -225, kLeft + 450, -450};
constexpr int kWorkshopLineHeight = 50;
constexpr size_t kMostAddressLines = 6;
// The lowest a findings page writes: no lower than the graph pages, so that the footer's place
// holds for every page.
constexpr int kLowestLine = kPageContentBottom;
constexpr int kMostChangeLines = 10;
constexpr int kMostWrappedLines = 4;
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

PageRect inset(const PageRect& box) {
    return PageRect{box.left + kPadding, box.top - kPadding, box.right - kPadding,
                    box.bottom + kPadding};
}

// The height of a box from `top` that holds `text` in `font` wrapped to the box's width: one
// line per width's worth (a word wrap may need one more), at most kMostWrappedLines.
int wrappedHeight(PageCanvas& canvas, const PageFont& font, int width, const std::string& text) {
    canvas.setFont(font);
    const PageSize size = canvas.measureText(text);
    const int room = std::max(1, width - 2 * kPadding);
    int lines = 1;
    if (size.width > room) {
        lines = std::min(kMostWrappedLines, size.width * 11 / 10 / room + 1);
    }
    return std::max(kLineHeight, lines * size.height + 2 * kPadding);
}

// A box with `text` from its top-left corner, wrapped; its height as wrappedHeight gives it.
int wrappedBox(PageCanvas& canvas, int left, int top, int right, const PageFont& font,
               PageColor fill, const std::string& text) {
    const int height = wrappedHeight(canvas, font, right - left, text);
    const PageRect box{left, top, right, top - height};
    canvas.setFont(font);
    canvas.setBrush(fill);
    canvas.setTextBackground(fill);
    canvas.rectangle(box);
    canvas.textInRect(inset(box), text, TextLayout::TopLeftWordWrap);
    return height;
}

// A heading across the page from `top`; the top of what follows it.
int heading(PageCanvas& canvas, int top, const std::string& text) {
    textBox(canvas, PageRect{kLeft, top, kRight, top - kLineHeight}, page::kLabelFont,
            page::kGrey192, text);
    return top - kLineHeight;
}

// The title row every page of the report's own shares: the two logos and the title between.
void titleRow(PageCanvas& canvas, const std::string& title) {
    canvas.setBrush(page::kWhite);
    canvas.bitmap(PageRect{110, -100, 338, -200}, PageBitmap::Logo257);
    textBox(canvas, PageRect{338, -100, 1706, -200}, page::kTitleFont, page::kGrey160, title);
    canvas.bitmap(PageRect{1706, -100, 1934, -200}, PageBitmap::Logo258);
}

const ReportContext& contextOf(const ReportCover& cover) {
    static const ReportContext kNone;
    return cover.context != nullptr ? *cover.context : kNone;
}

// The summary totals under plain labels, in the order of summaryFields.
const char* const kTotalLabels[] = {
    QT_TRANSLATE_NOOP("hm::ReportPages", "Distance driven"),
    QT_TRANSLATE_NOOP("hm::ReportPages", "Distance by reservoir pressure"),
    QT_TRANSLATE_NOOP("hm::ReportPages", "Distance by load"),
    QT_TRANSLATE_NOOP("hm::ReportPages", "Brake applications by pressure"),
    QT_TRANSLATE_NOOP("hm::ReportPages", "Brake applications by speed"),
    QT_TRANSLATE_NOOP("hm::ReportPages", "Brake applications over the distance"),
    QT_TRANSLATE_NOOP("hm::ReportPages", "ABS events over the distance"),
    QT_TRANSLATE_NOOP("hm::ReportPages", "Roll-over events over the distance"),
};

void addTrailerLines(const ReportContext& context, std::vector<CoverLine>& lines) {
    const ReportTrailer& t = context.trailer;
    const auto add = [&lines](const char* label, const std::string& value) {
        if (!value.empty()) {
            lines.push_back({translate(kContext, label), printableText(value)});
        }
    };
    add(QT_TRANSLATE_NOOP("hm::ReportPages", "Customer"), t.customer);
    add(QT_TRANSLATE_NOOP("hm::ReportPages", "Fleet Number"), t.fleetNumber);
    add(QT_TRANSLATE_NOOP("hm::ReportPages", "Plate"), t.plate);
}

void addTotals(const FleetDataImage& image, std::vector<CoverLine>& lines) {
    lines.push_back({translate("hm::ReportPages", "Summary Totals"), "", true});
    size_t i = 0;
    for (const SummaryField& f : summaryFields(image)) {
        std::string value = std::to_string(f.value);
        if (*f.unit != '\0') {
            value += ' ';
            value += f.unit;
        }
        lines.push_back({translate(kContext, kTotalLabels[i++]), value});
    }
}

// The workshop's name, address and phone from `top` (beside the logo when there is one); the
// top of what follows.
int drawWorkshop(PageCanvas& canvas, const ReportWorkshop& workshop, int top) {
    const bool logo = !workshop.logoPath.empty();
    if (workshop.empty() && !logo) {
        return top;
    }
    const int left = logo ? kLogoRect.right + 40 : kLeft;
    int y = kLogoRect.top;
    const auto line = [&](const PageFont& font, const std::string& text) {
        canvas.setFont(font);
        canvas.setTextBackground(page::kWhite);
        canvas.textInRect(PageRect{left, y, kRight, y - kWorkshopLineHeight}, printableText(text),
                          TextLayout::TopLeftSingleLine);
        y -= kWorkshopLineHeight;
    };
    if (!workshop.name.empty()) {
        line(page::kTitleFont, workshop.name);
        y -= 10;
    }
    for (size_t i = 0; i < workshop.address.size() && i < kMostAddressLines; ++i) {
        line(page::kValueFont, workshop.address[i]);
    }
    if (!workshop.phone.empty()) {
        line(page::kValueFont,
             fillPlaceholders(translate("hm::ReportPages", "Phone %1"), {workshop.phone}));
    }
    return std::min(y, logo ? kLogoRect.bottom : y) - 40;
}

}  // namespace

std::vector<ReportPage> reportPages(const FleetDataImage& image) {
    std::vector<ReportPage> pages{{ReportPageKind::Cover, 0}, {ReportPageKind::Findings, 0}};
    for (int g = 1; g <= 10; ++g) {
        pages.push_back({ReportPageKind::Graph, g});
    }
    for (int slot = 0; slot < storedRecordCount(image); ++slot) {
        pages.push_back({ReportPageKind::Record, slot});
    }
    pages.push_back({ReportPageKind::SignOff, 0});
    return pages;
}

std::vector<CoverLine> coverLines(const ReportCover& cover) {
    const ReportContext& context = contextOf(cover);
    std::vector<CoverLine> lines;
    addTrailerLines(context, lines);
    // Identification and file name as the page headers show them: bytes that are not text, and
    // control characters, as \xNN.
    lines.push_back({strCopy(261), printablePath(cover.image.vehicleIdentString())});
    lines.push_back(
        {translate("hm::ReportPages", "ECU Type"),
         cover.ecuType.empty() ? translate("hm::ReportPages", "Not known") : cover.ecuType});
    lines.push_back({strCopy(260), printablePath(cover.fileName)});
    // The same text as the "saved at" cell of every page header.
    lines.push_back({strCopy(262), savedAtText(cover.image.savedAt)});
    if (!context.visitDate.empty()) {
        lines.push_back(
            {translate("hm::ReportPages", "Visit Date"), printableText(context.visitDate)});
    }
    lines.push_back({translate("hm::ReportPages", "Stability Records"),
                     std::to_string(storedRecordCount(cover.image))});
    if (!context.trailer.notes.empty()) {
        lines.push_back({translate("hm::ReportPages", "Notes"),
                         printableText(context.trailer.notes), false, true});
    }
    addTotals(cover.image, lines);
    return lines;
}

std::optional<PageRect> coverLogoRect(const ReportCover& cover) {
    if (contextOf(cover).workshop.logoPath.empty()) {
        return std::nullopt;
    }
    return kLogoRect;
}

void drawReportCover(PageCanvas& canvas, const ReportCover& cover) {
    titleRow(canvas, translate("hm::ReportPages", "Fleet Data Report"));
    const ReportContext& context = contextOf(cover);
    const int workshopBottom = drawWorkshop(canvas, context.workshop, kFirstLineTop);
    int top = std::min(kFirstLineTop, workshopBottom);
    for (const CoverLine& line : coverLines(cover)) {
        if (line.heading) {
            top = heading(canvas, top - kLineHeight / 2, line.label);
            continue;
        }
        const int height =
            line.wrap ? wrappedHeight(canvas, page::kValueFont, kRight - kLabelRight, line.value)
                      : kLineHeight;
        textBox(canvas, PageRect{kLeft, top, kLabelRight, top - height}, page::kLabelFont,
                page::kGrey224, line.label);
        if (line.wrap) {
            wrappedBox(canvas, kLabelRight, top, kRight, page::kValueFont, page::kWhite,
                       line.value);
        } else {
            textBox(canvas, PageRect{kLabelRight, top, kRight, top - height}, page::kValueFont,
                    page::kWhite, line.value);
        }
        top -= height;
    }
}

void drawFindingsPage(PageCanvas& canvas, const ReportContext& context) {
    constexpr int kSeverityRight = 430;
    titleRow(canvas, translate("hm::ReportPages", "Findings"));
    int top =
        heading(canvas, kFirstLineTop, translate("hm::ReportPages", "Findings of This Visit"));
    // Each finding as far as the page goes; the change since the last visit keeps its room.
    const int room =
        kLowestLine + kLineHeight * (4 + std::min(kMostChangeLines,
                                                  static_cast<int>(context.changeLines.size())));
    size_t shown = 0;
    for (const ReportFinding& f : context.findings) {
        const PageFont& font = f.attention ? page::kLabelFont : page::kValueFont;
        const std::string sentence = printableText(f.sentence);
        const int height = wrappedHeight(canvas, font, kRight - kSeverityRight, sentence);
        if (top - height < room) {
            break;
        }
        textBox(canvas, PageRect{kLeft, top, kSeverityRight, top - height}, page::kLabelFont,
                f.attention ? page::kGrey192 : page::kGrey224, printableText(f.severity));
        wrappedBox(canvas, kSeverityRight, top, kRight, font, page::kWhite, sentence);
        top -= height;
        ++shown;
    }
    const auto plainRow = [&canvas, &top](const std::string& text) {
        top -= wrappedBox(canvas, kLeft, top, kRight, page::kValueFont, page::kWhite, text);
    };
    if (context.findings.empty()) {
        plainRow(translate("hm::ReportPages", "No findings."));
    } else if (shown < context.findings.size()) {
        plainRow(fillPlaceholders(translate("hm::ReportPages", "And %1 more findings."),
                                  {std::to_string(context.findings.size() - shown)}));
    }
    if (!context.hasPreviousVisit) {
        top = heading(canvas, top - kLineHeight / 2,
                      translate("hm::ReportPages", "Change Since the Previous Visit"));
        plainRow(
            context.libraryKnowsTrailer
                ? translate("hm::ReportPages",
                            "The library holds no earlier visit of this trailer.")
                : translate("hm::ReportPages",
                            "The library holds no visit of this trailer: the findings are those "
                            "of this download alone."));
        return;
    }
    top = heading(
        canvas, top - kLineHeight / 2,
        fillPlaceholders(translate("hm::ReportPages", "Change Since the Previous Visit (%1)"),
                         {printableText(context.previousVisit)}));
    for (const std::string& line : context.changeLines) {
        if (top - kLineHeight < kLowestLine) {
            break;
        }
        plainRow(printableText(line));
    }
}

void drawSignOffPage(PageCanvas& canvas) {
    titleRow(canvas, translate("hm::ReportPages", "Workshop Confirmation"));
    int top =
        heading(canvas, kFirstLineTop, translate("hm::ReportPages", "Checked by the Technician"));
    top -= kLineHeight;
    const char* const labels[] = {QT_TRANSLATE_NOOP("hm::ReportPages", "Technician's Name"),
                                  QT_TRANSLATE_NOOP("hm::ReportPages", "Date"),
                                  QT_TRANSLATE_NOOP("hm::ReportPages", "Signature")};
    // Each label on its own line, with a line to write on to its right, 2 cm apart.
    constexpr int kRowGap = 200;
    for (const char* label : labels) {
        canvas.setFont(page::kLabelFont);
        canvas.setTextBackground(page::kWhite);
        canvas.textInRect(PageRect{kLeft, top, 800, top - kLineHeight}, translate(kContext, label),
                          TextLayout::TopLeftSingleLine);
        canvas.setBrush(page::kWhite);
        canvas.rectangle(PageRect{820, top - kLineHeight, kRight, top - kLineHeight});
        top -= kRowGap;
    }
}

PageRect reportHeaderLineRect() {
    return PageRect{kLeft, -40, kRight, -95};
}

void drawReportHeaderLine(PageCanvas& canvas, const std::string& workshopName) {
    if (workshopName.empty()) {
        return;
    }
    canvas.setFont(page::kValueFont);
    canvas.setTextBackground(page::kWhite);
    canvas.textInRect(reportHeaderLineRect(), printableText(workshopName),
                      TextLayout::CenteredSingleLine);
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
