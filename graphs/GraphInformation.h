#pragma once
// Contents of the graph information dialog, computed without a window: the explanation of a
// graph and the four rows of interim values (the counters of the 500 km interval that is still
// running, which no bar shows).
#include <array>
#include <string>

#include "graphs/GraphDisplay.h"

namespace hm {

struct FleetDataImage;

// The values the main dialog hands to the information dialog. Only the members that the graph
// uses are filled; the others stay 0.
struct InterimValues {
    int graphNumber = 0;
    int kmInCurrentInterval = 0;
    int intervalCount = 0;
    int brakeApps = 0;     // brakeAppsByDistance entry 28
    int slpBrakeApps = 0;  // slpBrakeAppsByDistance entry 28
    int absEvents = 0;     // absEventsByDistance entry 28
    int rolloverEvents = 0;
};

// Copies what graph `graphNumber` needs from the image: km, interval count and both
// brake-application counts for graph 6, km, interval count and the ABS count for graph 7, km,
// interval count and the rollover count for graph 8; only the graph number otherwise.
InterimValues interimValuesFor(const FleetDataImage& image, int graphNumber);

constexpr int kInterimRows = 4;

struct GraphInformationTexts {
    std::string explanation;                       // empty for a graph number outside 1..10
    std::array<std::string, kInterimRows> labels;  // rows top to bottom
    std::array<std::string, kInterimRows> values;
};

// Row 1 defaults to "No Interim Data for this graph", every other label and every value to
// "---"; graphs 6, 7 and 8 replace the rows they have values for. Values are signed decimals.
GraphInformationTexts graphInformationTexts(const InterimValues& values);

}  // namespace hm
