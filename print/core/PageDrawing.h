#pragma once
// The drawing of one printed page (graph page or stability record page) onto a PageCanvas.
// The same routine draws the preview window, the printer page, PDF and PNG output.
#include <cstdint>
#include <string>

#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphDisplay.h"
#include "print/core/PageCanvas.h"
#include "print/core/PageLayout.h"

namespace hm {

// Everything a page shows, read afresh for every drawing.
struct PageInputs {
    const FleetDataImage& image;  // vehicle ident, saved-at date, stability records
    GraphDisplayRecord graph;     // shown graph, bars, maximum, scale, value format
    PageKind printPageKind = PageKind::Graph;
    int selectedRecord = 0;  // 0-based record of a stability page (any value is safe)
    std::string loadedFileName;
    uint32_t shownIntervalCount = 0;  // completed 500 km intervals when the graph was shown
    // The ECU type the window shows for this data, empty when not known (a data file does not
    // hold it). No page draws it; the report's cover names it.
    std::string ecuType{};
};

// Drawing tools of the page.
namespace page {
constexpr PageColor kGrey160{160, 160, 160};
constexpr PageColor kGrey192{192, 192, 192};
constexpr PageColor kGrey224{224, 224, 224};
constexpr PageColor kWhite{255, 255, 255};
inline const PageFont kTitleFont{"arial", 48, 900, 0};
inline const PageFont kLabelFont{"arial", 32, 900, 0};
inline const PageFont kValueFont{"arial", 28, 0, 0};
inline const PageFont kVerticalFont{"arial", 24, 0, 2700};
}  // namespace page

// Draws the whole page: the header boxes, then the graph body (a stability page: the stability
// body). The graph drawn (title, explanation, bars) is the one whose values the record holds,
// `graph.shownGraph`, so that title and bars always belong together.
void drawPage(PageCanvas& canvas, const PageInputs& inputs);

}  // namespace hm
