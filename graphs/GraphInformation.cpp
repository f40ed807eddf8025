#include "graphs/GraphInformation.h"

#include "fleetdata/FleetDataImage.h"
#include "resources/Strings.h"

namespace hm {
namespace {

constexpr char kNoValue[] = "---";
constexpr int kIntervalsLabel = 305;
constexpr int kKmLabel = 307;
constexpr int kBrakeAppsLabel = 308;
constexpr int kSlpBrakeAppsLabel = 309;
constexpr int kAbsLabel = 311;
constexpr int kRolloverLabel = 313;

// The image holds unsigned counters; the dialog shows them as the int it is handed.
int asInt(uint32_t v) {
    return static_cast<int>(v);
}

}  // namespace

InterimValues interimValuesFor(const FleetDataImage& image, int graphNumber) {
    InterimValues v;
    v.graphNumber = graphNumber;
    if (graphNumber < 6 || graphNumber > 8) {
        return v;
    }
    v.kmInCurrentInterval = asInt(image.kmInCurrentInterval());
    v.intervalCount = asInt(image.intervalCount());
    if (graphNumber == 6) {
        v.brakeApps = asInt(image.brakeAppsByDistance[kCurrentCountEntry]);
        v.slpBrakeApps = asInt(image.slpBrakeAppsByDistance[kCurrentCountEntry]);
    } else if (graphNumber == 7) {
        v.absEvents = asInt(image.absEventsByDistance[kCurrentCountEntry]);
    } else {
        v.rolloverEvents = asInt(image.rolloverEventsByDistance[kCurrentCountEntry]);
    }
    return v;
}

GraphInformationTexts graphInformationTexts(const InterimValues& values) {
    GraphInformationTexts t;
    t.labels.fill(kNoValue);
    t.values.fill(kNoValue);
    t.labels[0] = strCopy(sid::kNoInterimData);

    const int graph = values.graphNumber;
    if (graph >= 1 && graph <= kGraphCount) {
        t.explanation = strCopy(sid::kExplanationFirst + graph - 1);
    }
    auto setRow = [&t](int row, int labelId, int value) {
        t.labels[static_cast<std::size_t>(row)] = strCopy(labelId);
        t.values[static_cast<std::size_t>(row)] = std::to_string(value);
    };
    if (graph >= 6 && graph <= 8) {
        setRow(0, kIntervalsLabel, values.intervalCount);
        setRow(1, kKmLabel, values.kmInCurrentInterval);
    }
    if (graph == 6) {
        setRow(2, kBrakeAppsLabel, values.brakeApps);
        setRow(3, kSlpBrakeAppsLabel, values.slpBrakeApps);
    } else if (graph == 7) {
        setRow(2, kAbsLabel, values.absEvents);
    } else if (graph == 8) {
        setRow(2, kRolloverLabel, values.rolloverEvents);
    }
    return t;
}

}  // namespace hm
