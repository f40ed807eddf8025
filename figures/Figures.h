#pragma once
// The exact figures of one download: what a workshop and a fleet ask of a trailer's data
// (distance, brake applications, ABS and roll-over events, distance driven overloaded or at low
// reservoir pressure, ...), computed straight from the image's raw 32-bit counters in 64-bit
// integer arithmetic, never through the graph's floats, so a counter of 4294967295 stays
// 4294967295 and a sum of sixteen of them cannot wrap.
//
// One definition for every place that shows a figure: the command line, the exports, the
// library's columns and views, the windows. The table of figures (`figureTable`) gives each
// figure its data key (the name of its JSON key, CSV column and SQL column, never translated),
// its kind and its unit, so every format takes its columns from the one list.
// Plain functions and values; any thread.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fleetdata/FleetDataImage.h"

namespace hm::figures {

// Every figure, in the order of the columns of every format.
enum class FigureId {
    DistanceKm,               // distance_km
    BrakeApplications,        // brake_applications
    BrakeTime,                // brake_time_s (held in 0.01 s)
    AbsEvents,                // abs_events
    RolloverEvents,           // rollover_events
    BrakeAppsByDistance,      // brake_apps_by_distance
    SlpBrakeApps,             // slp_brake_apps
    LoadKm,                   // load_km
    ReservoirKm,              // reservoir_km
    OverloadKm,               // overload_km
    LowReservoirKm,           // low_reservoir_km
    HardBrakingApplications,  // hard_braking_applications
    StabilityRecords,         // stability_records
    RecentKm,                 // recent_km
    RecentBrakeApps,          // recent_brake_apps
};
constexpr int kFigureCount = 15;

enum class FigureUnit {
    Km,            // kilometres
    Count,         // applications, events or records
    Centiseconds,  // brake time: held in 0.01 s, written as seconds with two decimals
};

// What the figure sums up, which decides what its change between two visits means.
enum class FigureKind {
    Counting,   // a counter of the trailer's use: the change is the usage between the visits
    RecentSum,  // a sum over the last 14,000 km the ECU keeps: it has no change of its own
};

// The distance a figure's value was gathered over, the basis of "per 1,000 km".
enum class FigureBasis {
    Lifetime,  // distance_km
    Recent,    // recent_km (slp_brake_apps, recent_brake_apps)
};

// How the fleet compares trailers by a figure (fleet median and 90th percentile).
enum class FleetMeasure {
    NotCompared,    // not compared (the distances themselves)
    PerThousandKm,  // value per 1,000 km of the figure's basis distance
    ShareOf,        // value as a percentage of `FigureInfo::shareOf`
};

struct FigureInfo {
    FigureId id;
    const char* key;  // data key: "distance_km", "brake_time_s", ...
    FigureKind kind;
    FigureUnit unit;
    FigureBasis basis;
    FleetMeasure fleet;
    FigureId shareOf;  // the whole of which the figure is a part (for ShareOf), else itself
};

// The table of all figures, in FigureId order.
std::span<const FigureInfo> figureTable();
const FigureInfo& figureInfo(FigureId id);
// The figure of data key `key` ("abs_events"), or nothing.
std::optional<FigureId> figureByKey(std::string_view key);

// The figures of one download. Definitions (graph numbers as the window shows them):
// - distanceKm: km in the current 500 km interval + completed intervals * 500.
// - brakeApplications: the sum of graph 2's sixteen counts.
// - brakeTimeCs: the sum of graph 3's sixteen times, in the raw unit of 0.01 s.
// - absEvents, rolloverEvents, brakeAppsByDistance: the lifetime totals of the ABS, roll-over
//   and brake-application distance blocks, entry 30 * 65536 + entry 31.
// - slpBrakeApps: brake applications on the stop-light supply alone. The ECU keeps no lifetime
//   total of them, so this is what its distance block holds: the completed intervals still in
//   the ring (at most 28) plus the current interval, over recentKm.
// - loadKm, reservoirKm: the sums of graph 9's and graph 10's sixteen distances.
// - overloadKm: graph 9's bins at 100 % load and above (bins 10 to 15).
// - lowReservoirKm: graph 10's bins below 6.5 bar (bins 0 to 6, 3.0 to 6.5 bar).
// - hardBrakingApplications: graph 2's bins at 6 bar and above (bins 12 to 15).
// - stabilityRecords: the valid stability records (the record count, at most 32).
// - recentKm: the distance the distance blocks' rings cover: min(intervals, 28) * 500 + km in
//   the current interval.
// - recentBrakeApps: brake applications over recentKm (ring plus current interval of the
//   brake-application block), the whole that slpBrakeApps is a part of.
struct Figures {
    uint64_t distanceKm = 0;
    uint64_t brakeApplications = 0;
    uint64_t brakeTimeCs = 0;
    uint64_t absEvents = 0;
    uint64_t rolloverEvents = 0;
    uint64_t brakeAppsByDistance = 0;
    uint64_t slpBrakeApps = 0;
    uint64_t loadKm = 0;
    uint64_t reservoirKm = 0;
    uint64_t overloadKm = 0;
    uint64_t lowReservoirKm = 0;
    uint64_t hardBrakingApplications = 0;
    uint64_t stabilityRecords = 0;
    uint64_t recentKm = 0;
    uint64_t recentBrakeApps = 0;

    uint64_t value(FigureId id) const;
    void setValue(FigureId id, uint64_t value);
};

Figures computeFigures(const FleetDataImage& image);

// The distance a figure's value was gathered over (distanceKm or recentKm).
uint64_t basisDistanceKm(const Figures& figures, FigureId id);

// A figure's value as data writes it: a whole number, or for the brake time seconds with its
// two decimals ("12345.67"); the same text in every locale. Exact for every uint64_t.
std::string formatFigure(FigureId id, uint64_t value);
// Brake time in 0.01 s as seconds with two decimals: 4294967295 gives "42949672.95".
std::string formatCentiseconds(uint64_t centiseconds);

}  // namespace hm::figures
