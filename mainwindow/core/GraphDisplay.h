#pragma once
// The graph display record and the display update computed without a window: what the
// histogram control, the graph page, the information dialog and `haulmetry graph` show for
// graph 0 (blank) to 10.
#include <string>

#include "fleetdata/FleetDataImage.h"

namespace hm {

constexpr int kGraphCount = 10;
constexpr int kMaxBars = 28;

// The process-wide graph display record of the running program (one per main window).
struct GraphDisplayRecord {
    float barValues[kMaxBars] = {};     // raw data units
    float secondValues[kMaxBars] = {};  // graph 6 only
    int selectedGraph = 0;              // changed only by next/previous, load, download
    float maximum = 0.0f;               // largest bar value, at least 10
    float scale = 1.0f;                 // raw -> displayed unit
    std::string valueFormat;            // printf format of one displayed value
    int barCount = 16;                  // 16, or 28 for graphs 6..8
};

// Everything the display update sets in the main window for one graph.
struct GraphTexts {
    std::string title;           // control 1008
    std::string horizontalUnit;  // 1009
    std::string verticalUnit;    // 1010
    std::string scaleText;       // 1005 (meaningful when scaleTextVisible)
    bool scaleTextVisible = true;
    std::string topValue;       // 1007
    std::string bottomValue;    // 1012
    std::string leftDistance;   // 1011 (distance graphs; may be empty)
    std::string rightDistance;  // 1014
    bool distanceLabelsVisible = false;
    bool previousEnabled = false;
    bool nextEnabled = false;
    bool printEnabled = false;
    bool informationEnabled = false;
};

// Fills every member of `record` except selectedGraph for graph `graphNumber` (0..10; any other
// number shows as blank) and returns the window texts. `shownIntervalCount` receives the copy of
// intervalCount that the graph page uses.
GraphTexts computeGraphDisplay(const FleetDataImage& image, int graphNumber,
                               GraphDisplayRecord& record, uint32_t& shownIntervalCount);

// printf-style formatting of one double with a format from the graph table ("%2.2f", ...).
std::string formatValue(const std::string& format, double value);

}  // namespace hm
