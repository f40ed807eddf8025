#include "figures/FleetFigures.h"

#include <algorithm>
#include <cmath>

namespace hm::figures {
namespace {

// The value at rank ceil(p / 100 * n) of the sorted `values` (not empty).
double nearestRank(const std::vector<double>& values, double percent) {
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(values.size()));
    const size_t index = rank < 1.0 ? 0 : static_cast<size_t>(rank) - 1;
    return values[std::min(index, values.size() - 1)];
}

double median(const std::vector<double>& values) {
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

std::optional<double> fleetMeasureOf(const Figures& figures, FigureId id) {
    const FigureInfo& info = figureInfo(id);
    const double value = static_cast<double>(figures.value(id));
    switch (info.fleet) {
        case FleetMeasure::NotCompared:
            return std::nullopt;
        case FleetMeasure::PerThousandKm: {
            const uint64_t km = basisDistanceKm(figures, id);
            const double scale = info.unit == FigureUnit::Centiseconds ? 100.0 : 1.0;
            return km == 0
                       ? std::nullopt
                       : std::optional<double>(value / scale * 1000.0 / static_cast<double>(km));
        }
        case FleetMeasure::ShareOf: {
            const uint64_t whole = figures.value(info.shareOf);
            return whole == 0 ? std::nullopt
                              : std::optional<double>(100.0 * value / static_cast<double>(whole));
        }
    }
    return std::nullopt;
}

const FleetStatistic* FleetStatistics::of(FigureId id) const {
    for (const FleetStatistic& statistic : figures) {
        if (statistic.id == id) {
            return &statistic;
        }
    }
    return nullptr;
}

FleetStatistics fleetStatistics(const std::vector<Figures>& fleet) {
    FleetStatistics statistics;
    statistics.trailers = fleet.size();
    for (const FigureInfo& info : figureTable()) {
        if (info.fleet == FleetMeasure::NotCompared) {
            continue;
        }
        std::vector<double> values;
        for (const Figures& trailer : fleet) {
            if (const std::optional<double> measure = fleetMeasureOf(trailer, info.id)) {
                values.push_back(*measure);
            }
        }
        FleetStatistic statistic{info.id, info.fleet, values.size(), 0.0, 0.0};
        if (!values.empty()) {
            std::sort(values.begin(), values.end());
            statistic.median = median(values);
            statistic.percentile90 = nearestRank(values, 90.0);
        }
        statistics.figures.push_back(statistic);
    }
    return statistics;
}

std::vector<Finding> fleetFindings(const Figures& trailer, const FleetStatistics& fleet) {
    std::vector<Finding> findings;
    for (const FleetStatistic& statistic : fleet.figures) {
        const std::optional<double> measure = fleetMeasureOf(trailer, statistic.id);
        if (statistic.trailers < kMinFleetSize || !measure || *measure <= statistic.percentile90) {
            continue;
        }
        const FigureInfo& info = figureInfo(statistic.id);
        Finding finding;
        finding.severity = Severity::Attention;
        finding.message = MessageId::FleetOutlier;
        finding.figure = statistic.id;
        finding.measure =
            statistic.measure == FleetMeasure::ShareOf ? Measure::ShareOf : Measure::PerThousandKm;
        finding.shareOf = info.shareOf;
        finding.value = trailer.value(statistic.id);
        finding.whole = finding.measure == Measure::ShareOf ? trailer.value(info.shareOf)
                                                            : basisDistanceKm(trailer, info.id);
        finding.basisKm = basisDistanceKm(trailer, info.id);
        finding.measured = *measure;
        finding.threshold = statistic.percentile90;
        finding.rule = std::string("fleet ") + info.key + " > p90";
        findings.push_back(finding);
    }
    return findings;
}

}  // namespace hm::figures
