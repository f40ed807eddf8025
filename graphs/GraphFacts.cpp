#include "graphs/GraphFacts.h"

#include "platform/PrintfText.h"
#include "resources/Strings.h"

namespace hm {

namespace {

constexpr GraphFacts kBlank{};
constexpr GraphFacts kFacts[kGraphCount + 1] = {
    kBlank,
    {BarKind::Single, RangeLabel::Pressure, ScaleAlignment::BarBoundaries, 0.0, 0.5,
     BarValues::Averages},
    {BarKind::Single, RangeLabel::Pressure, ScaleAlignment::BarBoundaries, 0.0, 0.5,
     BarValues::Totals},
    {BarKind::Single, RangeLabel::Pressure, ScaleAlignment::BarBoundaries, 0.0, 0.5,
     BarValues::Totals},
    {BarKind::Single, RangeLabel::Speed, ScaleAlignment::BarCentres, 0.0, 10.0,
     BarValues::Averages},
    {BarKind::Single, RangeLabel::Speed, ScaleAlignment::BarCentres, 0.0, 10.0, BarValues::Totals},
    {BarKind::Paired, RangeLabel::Distance, ScaleAlignment::Hidden, 0.0, 500.0, BarValues::Totals},
    {BarKind::Stacked, RangeLabel::Distance, ScaleAlignment::Hidden, 0.0, 500.0, BarValues::Totals},
    {BarKind::Stacked, RangeLabel::Distance, ScaleAlignment::Hidden, 0.0, 500.0, BarValues::Totals},
    {BarKind::Single, RangeLabel::Load, ScaleAlignment::BarCentres, 0.0, 10.0, BarValues::Totals},
    {BarKind::Single, RangeLabel::Pressure, ScaleAlignment::BarBoundaries, 3.0, 0.5,
     BarValues::Totals},
};

}  // namespace

const GraphFacts& graphFacts(int graphNumber) {
    if (graphNumber < 1 || graphNumber > kGraphCount) {
        return kBlank;
    }
    return kFacts[graphNumber];
}

bool isDistanceGraph(int graphNumber) {
    return graphFacts(graphNumber).rangeLabel == RangeLabel::Distance;
}

std::string distanceLabel(int column, uint32_t shownIntervals) {
    if (static_cast<int64_t>(shownIntervals) < 28 - column) {
        return strCopy(sid::kNoData);
    }
    const int64_t start = 500 * (static_cast<int64_t>(column) + shownIntervals - 28);
    return printfText("%lld - %lld (km)", static_cast<long long>(start),
                      static_cast<long long>(start + 500));
}

BarRange barRange(int graph, int column, uint32_t shownIntervals) {
    const GraphFacts& facts = graphFacts(graph);
    if (facts.rangeLabel == RangeLabel::Distance) {
        if (column < 0 || column >= 28 || static_cast<int64_t>(shownIntervals) < 28 - column) {
            return {};
        }
        const int64_t start = 500 * (static_cast<int64_t>(column) + shownIntervals - 28);
        return BarRange{true, static_cast<double>(start), static_cast<double>(start + 500)};
    }
    if (facts.rangeLabel == RangeLabel::None || column < 0 || column >= 16) {
        return {};
    }
    const double from = facts.rangeStart + facts.rangeStep * column;
    return BarRange{true, from, from + facts.rangeStep};
}

std::string barRangeText(int graph, int column) {
    const BarRange r = barRange(graph, column, 0);
    if (!r.known) {
        return {};
    }
    switch (graphFacts(graph).rangeLabel) {
        case RangeLabel::Pressure:
            return printfText("%2.1f - %2.1f  Bar", r.from, r.to);
        case RangeLabel::Speed:
            return printfText("%d - %d Kph", static_cast<int>(r.from), static_cast<int>(r.to));
        case RangeLabel::Load:
            return printfText("%d - %d Percent Loaded", static_cast<int>(r.from),
                              static_cast<int>(r.to));
        case RangeLabel::None:
        case RangeLabel::Distance:
            break;
    }
    return {};
}

}  // namespace hm
