#include "support/SampleData.h"

namespace hmtest {

hm::StabilityRecord sampleRecord() {
    hm::StabilityRecord r{};
    r.stabilitySensorOutput = -35;
    r.vehicleSpeed = 62;
    r.isoDemandPressure = 40;
    r.controlLinePressure = 38;
    r.voltage = 122;
    r.brakeApply = 1;
    r.stopLightPower = 7;
    r.day = 5;
    r.month = 3;
    r.odometer = 123456;
    r.reservoirPressure = 160;
    r.suspensionPressure = 255;
    r.timeSinceStartup = 3725;
    return r;
}

hm::InterimValues sampleInterimValues(int graph) {
    hm::InterimValues v;
    v.graphNumber = graph;
    v.intervalCount = 42;
    v.kmInCurrentInterval = 499;
    v.brakeApps = 13;
    v.slpBrakeApps = 3;
    v.absEvents = 5;
    v.rolloverEvents = 1;
    return v;
}

}  // namespace hmtest
