#pragma once
// The fleet against itself: for each figure that is fair to compare, the fleet's median and
// 90th percentile over the latest figures of its trailers, per 1,000 km of the distance the
// figure was gathered over or as a share of its whole (FigureInfo::fleet), so a trailer that
// drives more is not marked for it. A trailer above the fleet's 90th percentile is a finding of
// its own (FleetOutlier, attention), given only for a fleet of at least kMinFleetSize trailers
// with a measure (below that a percentile says nothing).
// Percentiles by nearest rank: the p-th percentile of n sorted values is the value at rank
// ceil(p / 100 * n); the median of an even count is the mean of the two middle values.
// Plain functions and values; any thread.
#include <cstddef>
#include <optional>
#include <vector>

#include "figures/Figures.h"
#include "figures/Findings.h"

namespace hm::figures {

constexpr size_t kMinFleetSize = 10;

// The measure by which the fleet compares `id` for one trailer, or nothing when the figure is
// not compared or its basis is zero (no distance, no whole to share).
std::optional<double> fleetMeasureOf(const Figures& figures, FigureId id);

struct FleetStatistic {
    FigureId id = FigureId::DistanceKm;
    FleetMeasure measure = FleetMeasure::NotCompared;
    size_t trailers = 0;  // trailers with a measure of this figure
    double median = 0.0;
    double percentile90 = 0.0;
};

struct FleetStatistics {
    std::vector<FleetStatistic> figures;  // one per compared figure, in FigureId order
    size_t trailers = 0;                  // trailers given

    const FleetStatistic* of(FigureId id) const;
};

FleetStatistics fleetStatistics(const std::vector<Figures>& fleet);

// The trailer's figures strictly above the fleet's 90th percentile (nothing for a fleet of
// fewer than kMinFleetSize trailers with a measure of the figure).
std::vector<Finding> fleetFindings(const Figures& trailer, const FleetStatistics& fleet);

}  // namespace hm::figures
