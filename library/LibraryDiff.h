#pragma once
// The difference of two downloads of one trailer, graph by graph. What a difference means
// depends on what the graph holds:
// - counting graphs (2, 3, 5 to 10: brake applications, brake time, events and distances summed
//   over the trailer's life) give the usage between the two visits, newer minus older, bar by
//   bar. The distance graphs 6 to 8 are a ring of 500 km intervals that moves on as the trailer
//   drives: their bars are matched by distance interval, not by position, and an interval the
//   older download had not reached counts whole.
// - graphs of averages (1: average brake time by pressure, 4: average pressure by speed) have no
//   meaningful difference: both values are given side by side.
// When a counting graph went down anywhere (the ECU's data was erased between the visits), its
// usage is the newer values, counted since the erase, and `countersReset` says so.
#include <string>
#include <vector>

#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphFacts.h"

namespace hm::library {

struct BarDiff {
    std::string range;   // what the bar stands for ("0.0 - 0.5  Bar", "1000 - 1500 (km)", ...)
    double older = 0.0;  // displayed units (the graph's scale applied)
    double newer = 0.0;
    double usage = 0.0;  // counting graphs only
    // Graph 6: the applications with SLP, as a second value of the bar.
    double olderSecond = 0.0;
    double newerSecond = 0.0;
    double usageSecond = 0.0;
};

struct GraphDiff {
    int graph = 0;
    std::string title;
    bool counting = true;  // usage between the visits; false: side by side
    bool countersReset = false;
    bool paired = false;      // bars carry a second value (graph 6)
    std::string valueFormat;  // printf format of one value, as the window shows it
    std::vector<BarDiff> bars;
};

// True when graph `graph` (1..10) sums up the trailer's use (a difference is usage).
bool isCountingGraph(int graph);

// The ten graphs' differences from `older` to `newer`.
std::vector<GraphDiff> diffImages(const FleetDataImage& older, const FleetDataImage& newer);

}  // namespace hm::library
