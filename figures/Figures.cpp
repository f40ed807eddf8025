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
    {DistanceKm, "distance_km", K::Counting, U::Km, B::Lifetime, F::NotCompared, DistanceKm},
    {BrakeApplications, "brake_applications", K::Counting, U::Count, B::Lifetime, F::PerThousandKm,
     BrakeApplications},
    {BrakeTime, "brake_time_s", K::Counting, U::Centiseconds, B::Lifetime, F::PerThousandKm,
     BrakeTime},
    {AbsEvents, "abs_events", K::Counting, U::Count, B::Lifetime, F::PerThousandKm, AbsEvents},
    {RolloverEvents, "rollover_events", K::Counting, U::Count, B::Lifetime, F::PerThousandKm,
     RolloverEvents},
    {BrakeAppsByDistance, "brake_apps_by_distance", K::Counting, U::Count, B::Lifetime,
     F::NotCompared, BrakeAppsByDistance},
    {SlpBrakeApps, "slp_brake_apps", K::Counting, U::Count, B::Recent, F::ShareOf, RecentBrakeApps},
    {LoadKm, "load_km", K::Counting, U::Km, B::Lifetime, F::NotCompared, LoadKm},
    {ReservoirKm, "reservoir_km", K::Counting, U::Km, B::Lifetime, F::NotCompared, ReservoirKm},
    {OverloadKm, "overload_km", K::Counting, U::Km, B::Lifetime, F::ShareOf, LoadKm},
    {LowReservoirKm, "low_reservoir_km", K::Counting, U::Km, B::Lifetime, F::ShareOf, ReservoirKm},
    {HardBrakingApplications, "hard_braking_applications", K::Counting, U::Count, B::Lifetime,
     F::ShareOf, BrakeApplications},
    {StabilityRecords, "stability_records", K::Counting, U::Count, B::Lifetime, F::PerThousandKm,
     StabilityRecords},
    {RecentKm, "recent_km", K::RecentSum, U::Km, B::Recent, F::NotCompared, RecentKm},
    {RecentBrakeApps, "recent_brake_apps", K::RecentSum, U::Count, B::Recent, F::NotCompared,
     RecentBrakeApps},
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
        case DistanceKm:
            return distanceKm;
        case BrakeApplications:
            return brakeApplications;
        case BrakeTime:
            return brakeTimeCs;
        case AbsEvents:
            return absEvents;
        case RolloverEvents:
            return rolloverEvents;
        case BrakeAppsByDistance:
            return brakeAppsByDistance;
        case SlpBrakeApps:
            return slpBrakeApps;
        case LoadKm:
            return loadKm;
        case ReservoirKm:
            return reservoirKm;
        case OverloadKm:
            return overloadKm;
        case LowReservoirKm:
            return lowReservoirKm;
        case HardBrakingApplications:
            return hardBrakingApplications;
        case StabilityRecords:
            return stabilityRecords;
        case RecentKm:
            return recentKm;
        case RecentBrakeApps:
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
    return figureInfo(id).basis == FigureBasis::Recent ? figures.recentKm : figures.distanceKm;
}

std::string formatCentiseconds(uint64_t centiseconds) {
    const uint64_t cents = centiseconds % 100;
    return std::to_string(centiseconds / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

std::string formatFigure(FigureId id, uint64_t value) {
    return figureInfo(id).unit == FigureUnit::Centiseconds ? formatCentiseconds(value)
                                                           : std::to_string(value);
}

}  // namespace hm::figures
