#include "library/LibraryDiff.h"

#include <cstdint>

#include "graphs/GraphDisplay.h"

namespace hm::library {
namespace {

// The data block whose totals graph `graph` shows (the graph-6 second value: block 5).
int totalsBlock(int graph) {
    constexpr int kBlocks[kGraphCount + 1] = {-1, -1, 1, 0, -1, 3, 4, 6, 7, 8, 9};
    return graph >= 0 && graph <= kGraphCount ? kBlocks[graph] : -1;
}

// The raw total under display column `column` of `graph` (the ring slot for distance graphs;
// column 28 of a distance graph: the current, unfinished interval).
uint32_t rawTotal(const FleetDataImage& image, int graph, int block, int column) {
    const uint32_t* words = image.block(block);
    if (isDistanceGraph(graph)) {
        return column == kMaxBars ? words[kCurrentCountEntry] : words[image.ringSlot(column)];
    }
    return words[column];
}

// The older download's column that covers the same distance interval as the newer's `column`:
// 28 for the interval that was running at the older visit (its count so far is the older
// value), -1 when the older one had not driven that far.
int olderColumn(const FleetDataImage& older, const FleetDataImage& newer, int graph, int column) {
    if (!isDistanceGraph(graph)) {
        return column;
    }
    const int64_t shifted =
        int64_t{column} + int64_t{newer.intervalCount()} - int64_t{older.intervalCount()};
    if (shifted < 0 || shifted > kMaxBars || int64_t{older.intervalCount()} < kMaxBars - shifted) {
        return -1;
    }
    return static_cast<int>(shifted);
}

std::string rangeText(int graph, int column, uint32_t intervals) {
    return isDistanceGraph(graph) ? distanceLabel(column, intervals) : barRangeText(graph, column);
}

// Fills the older, newer and usage values of a counting graph from the raw totals.
void fillTotals(GraphDiff& diff, const FleetDataImage& older, const FleetDataImage& newer,
                double scale) {
    const int block = totalsBlock(diff.graph);
    const bool distance = isDistanceGraph(diff.graph);
    if (distance && newer.intervalCount() < older.intervalCount()) {
        diff.countersReset = true;
    }
    for (size_t c = 0; c < diff.bars.size(); ++c) {
        BarDiff& bar = diff.bars[c];
        const int column = static_cast<int>(c);
        const int from = olderColumn(older, newer, diff.graph, column);
        bar.newer = scale * rawTotal(newer, diff.graph, block, column);
        bar.older = from < 0 ? 0.0 : scale * rawTotal(older, diff.graph, block, from);
        if (diff.paired) {
            bar.newerSecond = rawTotal(newer, diff.graph, 5, column);
            bar.olderSecond = from < 0 ? 0.0 : rawTotal(older, diff.graph, 5, from);
        }
        if (bar.newer < bar.older || bar.newerSecond < bar.olderSecond) {
            diff.countersReset = true;
        }
    }
    for (BarDiff& bar : diff.bars) {
        bar.usage = diff.countersReset ? bar.newer : bar.newer - bar.older;
        bar.usageSecond = diff.countersReset ? bar.newerSecond : bar.newerSecond - bar.olderSecond;
    }
}

GraphDiff diffGraph(const FleetDataImage& older, const FleetDataImage& newer, int graph) {
    GraphDisplayRecord olderRecord;
    GraphDisplayRecord newerRecord;
    uint32_t olderIntervals = 0;
    uint32_t newerIntervals = 0;
    computeGraphDisplay(older, graph, olderRecord, olderIntervals);
    const GraphTexts texts = computeGraphDisplay(newer, graph, newerRecord, newerIntervals);
    GraphDiff diff;
    diff.graph = graph;
    diff.title = texts.title;
    diff.counting = isCountingGraph(graph);
    diff.paired = graphFacts(graph).bars == BarKind::Paired;
    diff.valueFormat = newerRecord.valueFormat;
    diff.bars.resize(static_cast<size_t>(newerRecord.barCount));
    for (size_t c = 0; c < diff.bars.size(); ++c) {
        diff.bars[c].range = rangeText(graph, static_cast<int>(c), newerIntervals);
        diff.bars[c].older = double{olderRecord.scale} * olderRecord.barValues[c];
        diff.bars[c].newer = double{newerRecord.scale} * newerRecord.barValues[c];
    }
    if (diff.counting) {
        fillTotals(diff, older, newer, double{newerRecord.scale});
    }
    return diff;
}

}  // namespace

bool isCountingGraph(int graph) {
    return graphFacts(graph).values == BarValues::Totals;
}

std::vector<GraphDiff> diffImages(const FleetDataImage& older, const FleetDataImage& newer) {
    std::vector<GraphDiff> diffs;
    for (int graph = 1; graph <= kGraphCount; ++graph) {
        diffs.push_back(diffGraph(older, newer, graph));
    }
    return diffs;
}

}  // namespace hm::library
