#pragma once
// What the chart and the printed page need to know about each graph besides its values: how its
// bars are drawn, what the range under each bar says, and how the scale text under the chart
// lines up with the bars. Graph 0 is the blank graph.
#include <cstdint>
#include <string>

namespace hm {

constexpr int kGraphCount = 10;
constexpr int kMaxBars = 28;         // the distance graphs' bars
constexpr int kSingleBarCount = 16;  // every other graph's bars

enum class BarKind {
    None,     // the blank graph: no bars
    Single,   // 16 bars of one value
    Stacked,  // 28 distance bars of one value
    Paired,   // 28 distance bars of two values (brake applications and those with SLP)
};

enum class RangeLabel {
    None,
    Pressure,  // "%2.1f - %2.1f  Bar"
    Speed,     // "%d - %d Kph"
    Load,      // "%d - %d Percent Loaded"
    Distance,  // "a - b (km)" of the 500 km intervals
};

enum class ScaleAlignment {
    Hidden,         // distance graphs: the two distance fields instead
    BarBoundaries,  // the labels mark the 17 bar boundaries (pressures)
    BarCentres,     // the labels stand under the 16 bar centres (speeds, loads)
};

// What the bar values are: totals summed over the trailer's life (counts, times, distances),
// which grow between two downloads, or averages of two such totals, which do not add up.
enum class BarValues {
    None,
    Totals,
    Averages,
};

struct GraphFacts {
    BarKind bars = BarKind::None;
    RangeLabel rangeLabel = RangeLabel::None;
    ScaleAlignment scale = ScaleAlignment::Hidden;
    double rangeStart = 0.0;  // lower end of column 0 (16-column graphs)
    double rangeStep = 0.0;   // width of one column
    BarValues values = BarValues::None;
};

// The facts of graph `graphNumber` (1..10); the blank graph's for any other number.
const GraphFacts& graphFacts(int graphNumber);

// True for the distance graphs 6, 7 and 8 (28 stacked bars).
bool isDistanceGraph(int graphNumber);

// Text of the distance label under column `column` (0..27) with `shownIntervals` completed
// 500 km intervals: "a - b (km)" for the columns that hold data, else "No Data".
std::string distanceLabel(int column, uint32_t shownIntervals);

// What column `column` of graph `graph` stands for on the horizontal axis, in the axis's own
// unit: bar for graphs 1 to 3 and 10, km/h for 4 and 5, percent load for 9, km for the distance
// graphs 6 to 8. `known` is false for a distance column without data (see distanceLabel) and
// for a column or graph outside the table.
struct BarRange {
    bool known = false;
    double from = 0.0;
    double to = 0.0;
};
BarRange barRange(int graph, int column, uint32_t shownIntervals);

// Text of the range box under column `column` (0..15) of the 16-column graphs 1 to 5, 9 and 10
// ("%2.1f - %2.1f  Bar", "%d - %d Kph", "%d - %d Percent Loaded"); empty for other graphs.
std::string barRangeText(int graph, int column);

}  // namespace hm
