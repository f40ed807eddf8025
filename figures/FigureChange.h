#pragma once
// The change between two downloads of one trailer: for every counting figure the usage between
// the two visits, including what sits in the current, unfinished 500 km interval.
//
// A counter that went down means the ECU's data was erased between the visits (an erase may
// clear some blocks only): the figure says `reset`, and the newer value, counted since the
// erase, is then the usage. Figures that only the distance rings hold (slpBrakeApps) are matched
// interval by interval; intervals driven between the visits that the newer download no longer
// holds (more than 28 intervals later) are counted in `missingIntervals`, and the usage is then
// what the held intervals show (a lower bound), never a made-up zero.
// Plain functions and values; any thread.
#include <cstdint>
#include <vector>

#include "figures/Figures.h"

namespace hm::figures {

struct FigureChange {
    FigureId id = FigureId::DistanceKm;
    bool known = false;  // false for recent_km and recent_brake_apps: no change of their own
    uint64_t older = 0;
    uint64_t newer = 0;
    uint64_t usage = 0;  // since the older visit; the newer value when reset
    bool reset = false;  // a counter went down: the ECU was erased between the visits
    uint32_t missingIntervals =
        0;  // intervals driven since the older visit that are no longer held
};

struct DownloadChange {
    std::vector<FigureChange> figures;  // indexed by FigureId, kFigureCount entries
    bool anyReset = false;

    const FigureChange& of(FigureId id) const;
    uint64_t usage(FigureId id) const { return of(id).usage; }
};

DownloadChange changeBetween(const FleetDataImage& older, const FleetDataImage& newer);

// One 500 km interval of a distance block (blocks 4 to 7) between two downloads.
struct IntervalUsage {
    uint64_t interval = 0;  // interval number, counting from 0 (its km: interval * 500)
    bool current = false;   // the newer download's current, unfinished interval
    uint64_t usage = 0;     // counts in the interval since the older visit
};

struct DistanceBlockChange {
    bool reset = false;  // the interval count or a count went down: usage is the newer content
    uint32_t missingIntervals = 0;  // driven since the older visit, no longer held (not listed)
    uint64_t usage = 0;             // the sum over `intervals`
    // The intervals held, oldest first: from the older visit's current interval (or, after a
    // reset, from the oldest the newer download holds) to the newer download's current one.
    std::vector<IntervalUsage> intervals;
};

// The change of distance block `block` (4 to 7) from `older` to `newer`.
DistanceBlockChange distanceBlockChange(const FleetDataImage& older, const FleetDataImage& newer,
                                        int block);

}  // namespace hm::figures
