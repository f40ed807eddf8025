#include "figures/Figures.h"

#include <algorithm>

namespace hm::figures {
namespace {

using enum FigureId;
using K = FigureKind;
using U = FigureUnit;
using B = FigureBasis;
using F = FleetMeasure;

constexpr std::array<FigureInfo, kFigureCount> kTable{{
    {kDistanceKm, "distance_km", K::kCounting, U::kKm, B::kLifetime, F::kNone, kDistanceKm},
    {kBrakeApplications, "brake_applications", K::kCounting, U::kCount, B::kLifetime,
     F::kPerThousandKm, kBrakeApplications},
    {kBrakeTime, "brake_time_s", K::kCounting, U::kCentiseconds, B::kLifetime, F::kPerThousandKm,
     kBrakeTime},
    {kAbsEvents, "abs_events", K::kCounting, U::kCount, B::kLifetime, F::kPerThousandKm,
     kAbsEvents},
    {kRolloverEvents, "rollover_events", K::kCounting, U::kCount, B::kLifetime, F::kPerThousandKm,
     kRolloverEvents},
    {kBrakeAppsByDistance, "brake_apps_by_distance", K::kCounting, U::kCount, B::kLifetime,
     F::kNone, kBrakeAppsByDistance},
    {kSlpBrakeApps, "slp_brake_apps", K::kCounting, U::kCount, B::kRecent, F::kShareOf,
     kRecentBrakeApps},
    {kLoadKm, "load_km", K::kCounting, U::kKm, B::kLifetime, F::kNone, kLoadKm},
    {kReservoirKm, "reservoir_km", K::kCounting, U::kKm, B::kLifetime, F::kNone, kReservoirKm},
    {kOverloadKm, "overload_km", K::kCounting, U::kKm, B::kLifetime, F::kShareOf, kLoadKm},
    {kLowReservoirKm, "low_reservoir_km", K::kCounting, U::kKm, B::kLifetime, F::kShareOf,
     kReservoirKm},
    {kHardBrakingApplications, "hard_braking_applications", K::kCounting, U::kCount, B::kLifetime,
     F::kShareOf, kBrakeApplications},
    {kStabilityRecords, "stability_records", K::kCounting, U::kCount, B::kLifetime,
     F::kPerThousandKm, kStabilityRecords},
    {kRecentKm, "recent_km", K::kWindow, U::kKm, B::kRecent, F::kNone, kRecentKm},
    {kRecentBrakeApps, "recent_brake_apps", K::kWindow, U::kCount, B::kRecent, F::kNone,
     kRecentBrakeApps},
}};

constexpr uint64_t kIntervalKm = 500;

uint64_t sumBins(const uint32_t (&bins)[16], int first, int last) {
    uint64_t sum = 0;
    for (int i = first; i <= last; ++i) {
        sum += bins[i];
    }
    return sum;
}

uint64_t lifetime(const uint32_t (&block)[32]) {
    return uint64_t{block[kTotalHighEntry]} * 65536U + block[kTotalLowEntry];
}

// The completed intervals the ring still holds, plus the current interval's count.
uint64_t recentSum(const FleetDataImage& image, const uint32_t (&block)[32]) {
    const uint64_t held = std::min<uint64_t>(image.intervalCount(), kRingEntries);
    uint64_t sum = block[kCurrentCountEntry];
    for (uint64_t n = image.intervalCount() - held; n < image.intervalCount(); ++n) {
        sum += block[n % kRingEntries];
    }
    return sum;
}

}  // namespace

std::span<const FigureInfo> figureTable() {
    return kTable;
}

const FigureInfo& figureInfo(FigureId id) {
    return kTable[static_cast<size_t>(id)];
}

std::optional<FigureId> figureByKey(std::string_view key) {
    for (const FigureInfo& info : kTable) {
        if (key == info.key) {
            return info.id;
        }
    }
    return std::nullopt;
}

uint64_t Figures::value(FigureId id) const {
    switch (id) {
        case kDistanceKm:
            return distanceKm;
        case kBrakeApplications:
            return brakeApplications;
        case kBrakeTime:
            return brakeTimeCs;
        case kAbsEvents:
            return absEvents;
        case kRolloverEvents:
            return rolloverEvents;
        case kBrakeAppsByDistance:
            return brakeAppsByDistance;
        case kSlpBrakeApps:
            return slpBrakeApps;
        case kLoadKm:
            return loadKm;
        case kReservoirKm:
            return reservoirKm;
        case kOverloadKm:
            return overloadKm;
        case kLowReservoirKm:
            return lowReservoirKm;
        case kHardBrakingApplications:
            return hardBrakingApplications;
        case kStabilityRecords:
            return stabilityRecords;
        case kRecentKm:
            return recentKm;
        case kRecentBrakeApps:
            return recentBrakeApps;
    }
    return 0;
}

void Figures::setValue(FigureId id, uint64_t value) {
    uint64_t* fields[kFigureCount] = {&distanceKm,       &brakeApplications,
                                      &brakeTimeCs,      &absEvents,
                                      &rolloverEvents,   &brakeAppsByDistance,
                                      &slpBrakeApps,     &loadKm,
                                      &reservoirKm,      &overloadKm,
                                      &lowReservoirKm,   &hardBrakingApplications,
                                      &stabilityRecords, &recentKm,
                                      &recentBrakeApps};
    *fields[static_cast<size_t>(id)] = value;
}

Figures computeFigures(const FleetDataImage& image) {
    Figures f;
    f.distanceKm =
        uint64_t{image.kmInCurrentInterval()} + uint64_t{image.intervalCount()} * kIntervalKm;
    f.brakeApplications = sumBins(image.brakeCountByPressure, 0, 15);
    f.brakeTimeCs = sumBins(image.brakeTimeByPressure, 0, 15);
    f.absEvents = lifetime(image.absEventsByDistance);
    f.rolloverEvents = lifetime(image.rolloverEventsByDistance);
    f.brakeAppsByDistance = lifetime(image.brakeAppsByDistance);
    f.slpBrakeApps = recentSum(image, image.slpBrakeAppsByDistance);
    f.loadKm = sumBins(image.distanceByLoad, 0, 15);
    f.reservoirKm = sumBins(image.distanceByReservoirPressure, 0, 15);
    f.overloadKm = sumBins(image.distanceByLoad, 10, 15);
    f.lowReservoirKm = sumBins(image.distanceByReservoirPressure, 0, 6);
    f.hardBrakingApplications = sumBins(image.brakeCountByPressure, 12, 15);
    f.stabilityRecords = std::min<uint64_t>(image.stabilityRecordCount, kStabilitySlots);
    f.recentKm = std::min<uint64_t>(image.intervalCount(), kRingEntries) * kIntervalKm +
                 image.kmInCurrentInterval();
    f.recentBrakeApps = recentSum(image, image.brakeAppsByDistance);
    return f;
}

uint64_t basisDistanceKm(const Figures& figures, FigureId id) {
    return figureInfo(id).basis == FigureBasis::kRecent ? figures.recentKm : figures.distanceKm;
}

std::string formatCentiseconds(uint64_t centiseconds) {
    const uint64_t cents = centiseconds % 100;
    return std::to_string(centiseconds / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

std::string formatFigure(FigureId id, uint64_t value) {
    return figureInfo(id).unit == FigureUnit::kCentiseconds ? formatCentiseconds(value)
                                                            : std::to_string(value);
}

}  // namespace hm::figures
