#include "print/core/PageDrawing.h"

#include <cstdio>

#include "print/core/PageLayout.h"
#include "resources/Strings.h"

namespace hm {

namespace {

constexpr int kLabelStringFirst = 260;  // 260..262: "Filename", "Vehicle Ident Number", ...

void applyKindState(PageCanvas& canvas, PageBoxKind kind) {
    switch (kind) {
        case PageBoxKind::Title:
            canvas.setFont(page::kTitleFont);
            canvas.setBrush(page::kGrey160);
            canvas.setTextBackground(page::kGrey160);
            break;
        case PageBoxKind::Logo:
            break;  // keeps whatever the box before left selected
        case PageBoxKind::Label:
            canvas.setFont(page::kLabelFont);
            canvas.setBrush(page::kGrey224);
            canvas.setTextBackground(page::kGrey224);
            break;
        case PageBoxKind::Value:
            canvas.setFont(page::kValueFont);
            canvas.setBrush(page::kWhite);
            canvas.setTextBackground(page::kWhite);
            break;
        case PageBoxKind::Body:
            canvas.setFont(page::kVerticalFont);
            canvas.setBrush(page::kGrey224);
            canvas.setTextBackground(page::kGrey224);
            break;
    }
}

void selectFill(PageCanvas& canvas, PageColor color) {
    canvas.setBrush(color);
    canvas.setTextBackground(color);
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

void drawGraphBody(PageCanvas& canvas, const PageInputs& in) {
    const GraphDisplayRecord& g = in.graph;
    const int graph = g.shownGraph;
    const int bottom = kBodyRect.bottom;
    selectFill(canvas, page::kGrey192);

    const BarKind kind = graphFacts(graph).bars;
    if (kind == BarKind::Single) {
        constexpr int kPitch = 114;
        for (int i = 0; i < 16; ++i) {
            const int left = kBodyRect.left + kPitch * i;
            const int right = left + kPitch;
            bar(canvas, left + 20, right - 20, barHeight(g.maximum, g.barValues[i]),
                page::kGrey192);
            boxedVerticalText(
                canvas, PageRect{left, bottom - 25, right, bottom - 225},
                formatValue(g.valueFormat, static_cast<double>(g.scale * g.barValues[i])));
            selectFill(canvas, page::kGrey224);
            boxedVerticalText(canvas, PageRect{left, bottom - 235, right, bottom - 645},
                              barRangeText(graph, i));
        }
    } else if (kind == BarKind::Stacked) {
        constexpr int kPitch = 65;
        for (int i = 0; i < kMaxBars; ++i) {
            const int left = kBodyRect.left + kPitch * i;
            const int right = left + kPitch;
            bar(canvas, left + 10, right - 10, barHeight(g.maximum, g.barValues[i]),
                page::kGrey192);
            boxedVerticalText(canvas, PageRect{left, bottom - 25, right, bottom - 225},
                              formatValue(g.valueFormat, g.barValues[i]));
            selectFill(canvas, page::kGrey224);
            boxedVerticalText(canvas, PageRect{left, bottom - 235, right, bottom - 645},
                              distanceLabel(i, in.shownIntervalCount));
        }
    } else if (kind == BarKind::Paired) {
        constexpr int kPitch = 65;
        for (int i = 0; i < kMaxBars; ++i) {
            const int left = kBodyRect.left + kPitch * i;
            const int right = left + kPitch;
            bar(canvas, left + 10, right - 10, barHeight(g.maximum, g.barValues[i]),
                page::kGrey192);
            bar(canvas, left + 10, right - 10, barHeight(g.maximum, g.secondValues[i]),
                page::kGrey160);
            boxedVerticalText(canvas, PageRect{left, bottom - 25, right, bottom - 145},
                              formatValue(g.valueFormat, g.secondValues[i]));
            selectFill(canvas, page::kGrey192);
            boxedVerticalText(canvas, PageRect{left, bottom - 155, right, bottom - 340},
                              formatValue(g.valueFormat, g.barValues[i]));
            selectFill(canvas, page::kGrey224);
            boxedVerticalText(canvas, PageRect{left, bottom - 355, right, bottom - 740},
                              distanceLabel(i, in.shownIntervalCount));
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
            text = in.loadedFileName;
            break;
        case 2:
            text = in.image.vehicleIdentString();
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
