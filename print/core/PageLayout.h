#pragma once
// Geometry and texts of the printed page, computed without a painter: the table of thirteen
// boxes, the bar heights, the date cell, the reference point of a boxed
// vertical text and the 34 cells of a stability record. PageDrawing.cpp draws from these.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphFacts.h"
#include "print/core/PageCanvas.h"

namespace hm {

// Which page is drawn: a graph page or the page of one stability record.
enum class PageKind { Graph, Stability };

enum class PageBoxKind { Logo, Title, Label, Value, Body };

struct PageBox {
    PageBoxKind kind;
    PageRect rect;
    int sub;  // which logo, label or value of its kind
};

constexpr int kPageBoxCount = 13;
// The boxes in drawing order: header (boxes 0..11) and the body (box 12).
const std::array<PageBox, kPageBoxCount>& pageBoxes();

constexpr PageRect kBodyRect{112, -470, 1932, -1270};
constexpr int kChartHeight = 800;  // kBodyRect.top - kBodyRect.bottom
// The lowest point of anything a page draws: the range boxes under the paired bars of graph 6
// reach 740 below the body's bottom edge; every other box, the record table and the header lie
// above that.
constexpr int kPageContentBottom = kBodyRect.bottom - 740;

// Height in page units of the bar of raw value `value` on a chart whose largest value is
// `maximum`: 800 * trunc(value) / trunc(maximum * 1.05f), integer division; 0 when the divisor
// is 0. Values that do not fit an int (negative, huge, not a number) give 0 or a full bar.
int barHeight(float maximum, float value);

// The "saved at" cell: day, month, year, hour, minute as "%02d//%02d//%d - %02d:%02d"; an
// image that was never saved (its time all zero, as after a download) reads "Not saved".
std::string savedAtText(const uint16_t (&savedAt)[8]);

// Reference point (top-left corner of the text cell, see PageCanvas::textAt) of a text of
// unrotated extent `textSize` drawn downward (escapement 2700) in a boxed vertical text: the text
// area is `box` with its left side moved right by 40, and the half extents are turned by 270
// degrees about the area's centre. The text ends up centred along the box's height and within
// half a millimetre of the box's horizontal centre.
struct PagePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PagePoint&) const = default;
};
PagePoint verticalTextOrigin(const PageRect& box, PageSize textSize);

// One text of the stability body, drawn from the top-left corner `x`, `y`.
struct StabilityCell {
    int x = 0;
    int y = 0;
    std::string text;
};
constexpr int kStabilityCellCount = 34;

// True when `selectedRecord` names a stored record of `image`: a slot below 32 and below the
// record count. Any other index (the download's record counter may reach 32 while a preview is
// open) shows as "no record" and no slot is read.
bool stabilityRecordShown(const FleetDataImage& image, int selectedRecord);

// The 34 cells of the stability body for record `selectedRecord` (0-based). When no record is
// shown (see stabilityRecordShown) the label cells are unchanged, the record-number cell reads
// "No Data" and every value cell is empty.
std::vector<StabilityCell> stabilityCells(const FleetDataImage& image, int selectedRecord);

// Title and explanation of the page: the stability texts for a stability page, else those of
// graph 1..10; empty for any other graph number.
std::string pageTitle(PageKind kind, int graphNumber);
std::string pageExplanation(PageKind kind, int graphNumber);

}  // namespace hm
