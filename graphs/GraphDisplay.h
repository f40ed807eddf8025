#pragma once
// The graph display record and the display update computed without a window: what the
// histogram control, the graph page, the information dialog and `haulmetry graph` show for
// graph 0 (blank) to 10.
#include <cstdint>
#include <string>

#include "graphs/GraphFacts.h"

namespace hm {

// Only the functions below read the image; the histogram draws the record without it.
struct FleetDataImage;

// What one graph shows: its bars, maximum, scale and value format. A plain value: whoever
// shows a graph (the main window, a printed page, `haulmetry graph`) holds its own and hands
// copies on, e.g. to the histogram control.
struct GraphDisplayRecord {
    float barValues[kMaxBars] = {};     // raw data units
    float secondValues[kMaxBars] = {};  // graph 6 only
    int selectedGraph = 0;              // changed only by next/previous, load, download
    float maximum = 0.0f;               // largest bar value, at least 10
    float scale = 1.0f;                 // raw -> displayed unit
    std::string valueFormat;            // printf format of one displayed value
    int barCount = 16;                  // 16, or 28 for graphs 6..8
    // The graph whose values the record holds (the argument of the last display update; 0 for
    // blank). The histogram draws stacked bars and graph-6 tips by this number, so that a graph
    // shown without changing the selection (the progress end shows graph 1) is drawn as itself.
    int shownGraph = 0;
    // Completed 500 km intervals of the data shown: what the distance graphs' columns stand for.
    uint32_t shownIntervals = 0;
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
};

// Fills every member of `record` except selectedGraph for graph `graphNumber` (0..10; any other
// number shows as blank) and returns the window texts. `shownIntervalCount` receives the copy of
// intervalCount that the graph page uses.
GraphTexts computeGraphDisplay(const FleetDataImage& image, int graphNumber,
                               GraphDisplayRecord& record, uint32_t& shownIntervalCount);

// printf-style formatting of one double with a format from the graph table ("%2.2f", ...).
// The format may hold literal text, "%%" and exactly one conversion of f, e or g (flags, width
// and precision allowed); any other format gives an empty string, so no format can read a
// missing argument.
std::string formatValue(const std::string& format, double value);

// Tooltip text of bar `index` of the record: graph 6 "%1.0f  (%1.0f)" of the bar value and the
// second value; every other graph the value format of scale x bar value. Empty for an index
// outside 0..kMaxBars-1.
std::string barTipText(const GraphDisplayRecord& record, int index);

}  // namespace hm
