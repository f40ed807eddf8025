#include "figures/FigureChange.h"

#include <algorithm>
#include <cstring>

namespace hm::figures {
namespace {

using enum FigureId;

constexpr uint64_t kRing = kRingEntries;

// True when any bin of a 16-bin block went down from `older` to `newer`.
bool anyBinDown(const uint32_t* older, const uint32_t* newer) {
    for (int i = 0; i < 16; ++i) {
        if (newer[i] < older[i]) {
            return true;
        }
    }
    return false;
}

// The count `image` holds for interval `n` of `block` (the current one or a ring entry).
uint64_t intervalCount(const FleetDataImage& image, const uint32_t* block, uint64_t n) {
    return n == image.intervalCount() ? block[kCurrentCountEntry] : block[n % kRing];
}

// The oldest interval `image` still holds (its ring reaches 28 completed intervals back).
uint64_t oldestHeld(const FleetDataImage& image) {
    const uint64_t intervals = image.intervalCount();
    return intervals > kRing ? intervals - kRing : 0;
}

// True when an interval both downloads hold, or the older one's current interval, went down.
bool blockWentDown(const FleetDataImage& older, const FleetDataImage& newer, const uint32_t* o,
                   const uint32_t* n) {
    if (newer.intervalCount() < older.intervalCount()) {
        return true;
    }
    const uint64_t from = std::max(oldestHeld(older), oldestHeld(newer));
    for (uint64_t k = from; k <= older.intervalCount(); ++k) {
        if (intervalCount(newer, n, k) < intervalCount(older, o, k)) {
            return true;
        }
    }
    return false;
}

DistanceBlockChange sinceErase(const FleetDataImage& newer, const uint32_t* n) {
    DistanceBlockChange change;
    change.reset = true;
    for (uint64_t k = oldestHeld(newer); k <= newer.intervalCount(); ++k) {
        const IntervalUsage usage{k, k == newer.intervalCount(), intervalCount(newer, n, k)};
        change.usage += usage.usage;
        change.intervals.push_back(usage);
    }
    return change;
}

// Plain usage (newer minus older), or the newer value when the counter went down.
FigureChange counterChange(FigureId id, uint64_t older, uint64_t newer, bool reset) {
    FigureChange change{id, true, older, newer, 0, reset || newer < older, 0};
    change.usage = change.reset ? newer : newer - older;
    return change;
}

// The stability records of `newer` that `older` does not hold, byte for byte.
uint64_t newRecords(const FleetDataImage& older, const FleetDataImage& newer) {
    const uint32_t olderCount = std::min<uint32_t>(older.stabilityRecordCount, kStabilitySlots);
    const uint32_t newerCount = std::min<uint32_t>(newer.stabilityRecordCount, kStabilitySlots);
    uint64_t count = 0;
    for (uint32_t i = 0; i < newerCount; ++i) {
        bool known = false;
        for (uint32_t j = 0; j < olderCount && !known; ++j) {
            known = std::memcmp(&newer.stabilityRecords[i], &older.stabilityRecords[j],
                                sizeof(StabilityRecord)) == 0;
        }
        count += known ? 0 : 1;
    }
    return count;
}

}  // namespace

const FigureChange& DownloadChange::of(FigureId id) const {
    return figures[static_cast<size_t>(id)];
}

DistanceBlockChange distanceBlockChange(const FleetDataImage& older, const FleetDataImage& newer,
                                        int block) {
    const uint32_t* o = older.block(block);
    const uint32_t* n = newer.block(block);
    if (block < 4 || block > 7 || o == nullptr || n == nullptr) {
        return {};
    }
    if (blockWentDown(older, newer, o, n)) {
        return sinceErase(newer, n);
    }
    DistanceBlockChange change;
    const uint64_t first = older.intervalCount();
    const uint64_t held = std::max(first, oldestHeld(newer));
    change.missingIntervals = static_cast<uint32_t>(std::min<uint64_t>(held - first, UINT32_MAX));
    for (uint64_t k = held; k <= newer.intervalCount(); ++k) {
        uint64_t usage = intervalCount(newer, n, k);
        if (k == first) {
            usage -= o[kCurrentCountEntry];
        }
        change.intervals.push_back({k, k == newer.intervalCount(), usage});
        change.usage += usage;
    }
    return change;
}

DownloadChange changeBetween(const FleetDataImage& older, const FleetDataImage& newer) {
    const Figures o = computeFigures(older);
    const Figures n = computeFigures(newer);
    DownloadChange change;
    for (const FigureInfo& info : figureTable()) {
        FigureChange figure{info.id, false, o.value(info.id), n.value(info.id), 0, false, 0};
        if (info.kind == FigureKind::Counting) {
            figure = counterChange(info.id, figure.older, figure.newer, false);
        }
        change.figures.push_back(figure);
    }
    auto& f = change.figures;
    const auto at = [&f](FigureId id) -> FigureChange& { return f[static_cast<size_t>(id)]; };
    const bool pressure = anyBinDown(older.brakeCountByPressure, newer.brakeCountByPressure);
    const bool load = anyBinDown(older.distanceByLoad, newer.distanceByLoad);
    const bool reservoir =
        anyBinDown(older.distanceByReservoirPressure, newer.distanceByReservoirPressure);
    at(DistanceKm) = counterChange(DistanceKm, o.distanceKm, n.distanceKm,
                                   newer.intervalCount() < older.intervalCount());
    at(BrakeApplications) =
        counterChange(BrakeApplications, o.brakeApplications, n.brakeApplications, pressure);
    at(HardBrakingApplications) = counterChange(HardBrakingApplications, o.hardBrakingApplications,
                                                n.hardBrakingApplications, pressure);
    at(BrakeTime) = counterChange(BrakeTime, o.brakeTimeCs, n.brakeTimeCs,
                                  anyBinDown(older.brakeTimeByPressure, newer.brakeTimeByPressure));
    at(LoadKm) = counterChange(LoadKm, o.loadKm, n.loadKm, load);
    at(OverloadKm) = counterChange(OverloadKm, o.overloadKm, n.overloadKm, load);
    at(ReservoirKm) = counterChange(ReservoirKm, o.reservoirKm, n.reservoirKm, reservoir);
    at(LowReservoirKm) =
        counterChange(LowReservoirKm, o.lowReservoirKm, n.lowReservoirKm, reservoir);
    const DistanceBlockChange slp = distanceBlockChange(older, newer, 5);
    at(SlpBrakeApps).usage = slp.usage;
    at(SlpBrakeApps).reset = slp.reset;
    at(SlpBrakeApps).missingIntervals = slp.missingIntervals;
    at(StabilityRecords).usage = newRecords(older, newer);
    for (const FigureChange& figure : f) {
        change.anyReset = change.anyReset || figure.reset;
    }
    return change;
}

}  // namespace hm::figures
