#include "print/core/PageDrawing.h"

#include <cstdio>
#include <initializer_list>

#include "platform/FileAccess.h"
#include "print/core/PageLayout.h"
#include "resources/Strings.h"

namespace hm {

namespace {

constexpr int kLabelStringFirst = 260;  // 260..262: "Filename", "Vehicle Ident Number", ...

void selectFill(PageCanvas& canvas, PageColor color) {
    canvas.setBrush(color);
    canvas.setTextBackground(color);
}

void applyKindState(PageCanvas& canvas, PageBoxKind kind) {
    const auto select = [&](const PageFont& font, PageColor fill) {
        canvas.setFont(font);
        selectFill(canvas, fill);
    };
    switch (kind) {
        case PageBoxKind::Title:
            select(page::kTitleFont, page::kGrey160);
            break;
        case PageBoxKind::Logo:
            break;  // keeps whatever the box before left selected
        case PageBoxKind::Label:
            select(page::kLabelFont, page::kGrey224);
            break;
        case PageBoxKind::Value:
            select(page::kValueFont, page::kWhite);
            break;
        case PageBoxKind::Body:
            select(page::kVerticalFont, page::kGrey224);
            break;
    }
}

// Outlines and fills `box`, then writes `text` downward, centred in the box's text area.
void boxedVerticalText(PageCanvas& canvas, const PageRect& box, const std::string& text) {
    canvas.rectangle(box);
    const PagePoint origin = verticalTextOrigin(box, canvas.measureText(text));
    canvas.textAt(origin.x, origin.y, text);
}

void bar(PageCanvas& canvas, int left, int right, int height, PageColor color) {
    selectFill(canvas, color);
    canvas.rectangle(PageRect{left, kBodyRect.bottom + height, right, kBodyRect.bottom});
}

// A bar of a graph column, drawn from the body's bottom edge up to the bar's height.
struct ColumnBar {
    float value;
    PageColor fill;
};

// A box of text under the bars, from `from` to `to` page units below the body's bottom edge.
struct ColumnBox {
    int from;
    int to;
    PageColor fill;
    std::string text;
};

// Where column `index` stands: columns of `pitch` units side by side from the body's left edge,
// bars narrower than the column by `inset` on each side.
struct ColumnPlace {
    int pitch;
    int inset;
    int index;
};

// Draws one column: its bars over each other, then its boxes of downward text. The fill is
// selected again only where it changes, so a box takes the colour of the bar drawn before it.
void drawColumn(PageCanvas& canvas, const ColumnPlace& at, float maximum,
                std::initializer_list<ColumnBar> bars, std::initializer_list<ColumnBox> boxes) {
    const int left = kBodyRect.left + at.pitch * at.index;
    const int right = left + at.pitch;
    const int bottom = kBodyRect.bottom;
    PageColor current{};
    for (const ColumnBar& b : bars) {
        bar(canvas, left + at.inset, right - at.inset, barHeight(maximum, b.value), b.fill);
        current = b.fill;
    }
    for (const ColumnBox& box : boxes) {
        if (!(box.fill == current)) {
            selectFill(canvas, box.fill);
            current = box.fill;
        }
        boxedVerticalText(canvas, PageRect{left, bottom - box.from, right, bottom - box.to},
                          box.text);
    }
}

void drawGraphBody(PageCanvas& canvas, const PageInputs& in) {
    const GraphDisplayRecord& g = in.graph;
    const int graph = g.shownGraph;
    selectFill(canvas, page::kGrey192);

    const BarKind kind = graphFacts(graph).bars;
    if (kind == BarKind::Single) {
        for (int i = 0; i < 16; ++i) {
            const double shown = static_cast<double>(g.scale * g.barValues[i]);
            drawColumn(canvas, {114, 20, i}, g.maximum, {{g.barValues[i], page::kGrey192}},
                       {{25, 225, page::kGrey192, formatValue(g.valueFormat, shown)},
                        {235, 645, page::kGrey224, barRangeText(graph, i)}});
        }
    } else if (kind == BarKind::Stacked) {
        for (int i = 0; i < kMaxBars; ++i) {
            drawColumn(canvas, {65, 10, i}, g.maximum, {{g.barValues[i], page::kGrey192}},
                       {{25, 225, page::kGrey192, formatValue(g.valueFormat, g.barValues[i])},
                        {235, 645, page::kGrey224, distanceLabel(i, in.shownIntervalCount)}});
        }
    } else if (kind == BarKind::Paired) {
        for (int i = 0; i < kMaxBars; ++i) {
            drawColumn(canvas, {65, 10, i}, g.maximum,
                       {{g.barValues[i], page::kGrey192}, {g.secondValues[i], page::kGrey160}},
                       {{25, 145, page::kGrey160, formatValue(g.valueFormat, g.secondValues[i])},
                        {155, 340, page::kGrey192, formatValue(g.valueFormat, g.barValues[i])},
                        {355, 740, page::kGrey224, distanceLabel(i, in.shownIntervalCount)}});
        }
    }
}

void drawStabilityBody(PageCanvas& canvas, const PageInputs& in) {
    canvas.setFont(page::kLabelFont);
    canvas.rectangle(
        PageRect{kBodyRect.left, kBodyRect.top, kBodyRect.right, kBodyRect.bottom + 300});
    for (const StabilityCell& cell : stabilityCells(in.image, in.selectedRecord)) {
        if (!cell.text.empty()) {
            canvas.textInRect(PageRect{cell.x, cell.y, cell.x + 1820, cell.y - 500}, cell.text,
                              TextLayout::TopLeftSingleLine);
        }
    }
}

void drawValueBox(PageCanvas& canvas, const PageBox& b, const PageInputs& in) {
    std::string text;
    switch (b.sub) {
        case 0:
            text = "Haulmetry v" HM_VERSION_TEXT;
            break;
        case 1:
            text = printablePath(in.loadedFileName);  // bytes that are not text as \xNN
            break;
        case 2:
            text = printablePath(in.image.vehicleIdentString());  // ECU or file bytes, as above
            break;
        case 3:
            text = savedAtText(in.image.savedAt);
            break;
        default: {
            const std::string explanation = pageExplanation(in.printPageKind, in.graph.shownGraph);
            if (!explanation.empty()) {
                canvas.textInRect(
                    PageRect{b.rect.left + 20, b.rect.top - 10, b.rect.right - 20, b.rect.bottom},
                    explanation, TextLayout::TopLeftWordWrap);
            }
            return;
        }
    }
    if (!text.empty()) {
        canvas.textInRect(b.rect, text, TextLayout::CenteredSingleLine);
    }
}

}  // namespace

void drawPage(PageCanvas& canvas, const PageInputs& in) {
    canvas.setBrush(page::kWhite);
    for (const PageBox& b : pageBoxes()) {
        applyKindState(canvas, b.kind);
        canvas.rectangle(b.rect);
        switch (b.kind) {
            case PageBoxKind::Title: {
                const std::string title = pageTitle(in.printPageKind, in.graph.shownGraph);
                if (!title.empty()) {
                    canvas.textInRect(b.rect, title, TextLayout::CenteredSingleLine);
                }
                break;
            }
            case PageBoxKind::Logo:
                canvas.bitmap(b.rect, static_cast<PageBitmap>(257 + b.sub));
                break;
            case PageBoxKind::Label:
                canvas.textInRect(b.rect, strCopy(kLabelStringFirst + b.sub),
                                  TextLayout::CenteredSingleLine);
                break;
            case PageBoxKind::Value:
                drawValueBox(canvas, b, in);
                break;
            case PageBoxKind::Body:
                if (in.printPageKind == PageKind::Stability) {
                    drawStabilityBody(canvas, in);
                } else {
                    drawGraphBody(canvas, in);
                }
                break;
        }
    }
}

}  // namespace hm
