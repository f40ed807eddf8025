#include "fleetdata/StabilityRecord.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <utility>

#include "fleetdata/FleetDataImage.h"
#include "platform/PrintfText.h"
#include "resources/Strings.h"

namespace hm {
namespace {

// The flags of the payload's status byte and the record fields that hold them (0 off, 1 on).
// The red lamp is on only when both of its bits are set.
struct StatusFlag {
    uint32_t StabilityRecord::*field;
    uint8_t mask;
};
constexpr StatusFlag kStatusFlags[] = {
    {&StabilityRecord::brakeApply, 0x01},    {&StabilityRecord::redLampSignal, 0x0C},
    {&StabilityRecord::cabLampSignal, 0x10}, {&StabilityRecord::serviceLampSignal, 0x20},
    {&StabilityRecord::flagBit6, 0x40},      {&StabilityRecord::stopLightPower, 0x80},
};

constexpr float kSensorScale = 0.01f;
constexpr float kPressureScale = 0.05f;
constexpr float kVoltageScale = 0.2f;

// Number of slots that hold valid records: the count, limited to the array.
uint32_t validSlots(const FleetDataImage& image) {
    return image.stabilityRecordCount < static_cast<uint32_t>(kStabilitySlots)
               ? image.stabilityRecordCount
               : static_cast<uint32_t>(kStabilitySlots);
}

}  // namespace

void StoreStabilityPayload(FleetDataImage& image, const StabilityPayload& payload) {
    if (payload[4] == 0) {
        return;  // the ECU's snapshot slot is empty
    }
    if (image.stabilityRecordCount >= static_cast<uint32_t>(kStabilitySlots)) {
        return;
    }
    StabilityRecord& r = image.stabilityRecords[image.stabilityRecordCount];
    r.stabilitySensorOutput = static_cast<int8_t>(payload[0]);
    r.vehicleSpeed = payload[1];
    r.isoDemandPressure = payload[2];
    r.controlLinePressure = payload[3];
    r.voltage = payload[4];
    for (const StatusFlag& flag : kStatusFlags) {
        r.*flag.field = (payload[5] & flag.mask) == flag.mask ? 1u : 0u;
    }
    r.day = payload[6];
    r.month = payload[7];
    r.odometer = (uint32_t{payload[8]} << 24) | (uint32_t{payload[9]} << 16) |
                 (uint32_t{payload[10]} << 8) | uint32_t{payload[11]};
    r.reservoirPressure = payload[12];
    r.suspensionPressure = payload[13];
    r.timeSinceStartup = (uint32_t{payload[14]} << 8) | uint32_t{payload[15]};
    ++image.stabilityRecordCount;
}

StabilityPayload EncodeStabilityPayload(const FleetDataImage& image, int index) {
    StabilityPayload p{};
    if (index < 0 || index >= kStabilitySlots) {
        return p;
    }
    const StabilityRecord& r = image.stabilityRecords[index];
    p[0] = static_cast<uint8_t>(r.stabilitySensorOutput);
    p[1] = r.vehicleSpeed;
    p[2] = r.isoDemandPressure;
    p[3] = r.controlLinePressure;
    p[4] = r.voltage;
    for (const StatusFlag& flag : kStatusFlags) {
        if (r.*flag.field == 1) {
            p[5] |= flag.mask;
        }
    }
    p[6] = r.day;
    p[7] = r.month;
    p[8] = static_cast<uint8_t>(r.odometer >> 24);
    p[9] = static_cast<uint8_t>(r.odometer >> 16);
    p[10] = static_cast<uint8_t>(r.odometer >> 8);
    p[11] = static_cast<uint8_t>(r.odometer);
    p[12] = r.reservoirPressure;
    p[13] = r.suspensionPressure;
    p[14] = static_cast<uint8_t>(r.timeSinceStartup >> 8);
    p[15] = static_cast<uint8_t>(r.timeSinceStartup);
    return p;
}

uint32_t stabilitySortKey(const StabilityRecord& record) {
    return record.odometer * 16u + uint32_t{record.month} * 4u + uint32_t{record.day};
}

void SortStabilityRecords(FleetDataImage& image) {
    const uint32_t count = validSlots(image);
    if (count < 2) {
        return;
    }
    // Bubble sort with strict comparison: records with equal keys keep their download order.
    for (uint32_t pass = 0; pass < count - 1; ++pass) {
        for (uint32_t j = 0; j < count - 1; ++j) {
            if (stabilitySortKey(image.stabilityRecords[j]) >
                stabilitySortKey(image.stabilityRecords[j + 1])) {
                std::swap(image.stabilityRecords[j], image.stabilityRecords[j + 1]);
            }
        }
    }
}

std::string FormatRecordSummary(const FleetDataImage& image, int index) {
    if (index < 0 || index >= kStabilitySlots) {
        return {};
    }
    return FormatRecordSummary(image.stabilityRecords[index]);
}

std::string speedText(int kph) {
    return fillPlaceholders(translate("hm::StabilityRecord", "%1 kph"), {std::to_string(kph)});
}

std::string FormatRecordSummary(const StabilityRecord& r) {
    std::string text;
    text += str(283);
    text += printfText(": %3.2fg\n", sensorOutputG(r));
    text += str(292);
    text += ": " + speedText(int{r.vehicleSpeed}) + "\n";
    text += str(286);
    text += printfText(": %d km\n", static_cast<int>(odometerKm(r)));
    const TimeParts t = timeSinceStartupParts(r);
    text += str(284);
    text +=
        printfText(": %.2" PRId64 ":%.2" PRId64 ":%.2" PRId64 "\n", t.hours, t.minutes, t.seconds);
    text += str(sid::kDate);
    const std::string_view month = monthAbbreviation(r.month);
    if (!month.empty()) {
        text += printfText(": %d ", int{r.day});
        text += month;
    } else {
        text += " : ";
        text += str(sid::kNoData);
    }
    return text;
}

double sensorOutputG(const StabilityRecord& record) {
    return static_cast<double>(static_cast<float>(record.stabilitySensorOutput) * kSensorScale);
}

double pressureBar(uint8_t count) {
    return static_cast<double>(static_cast<float>(count) * kPressureScale);
}

double voltageV(const StabilityRecord& record) {
    return static_cast<double>(static_cast<float>(record.voltage) * kVoltageScale);
}

uint32_t odometerKm(const StabilityRecord& record) {
    return record.odometer / 100u;
}

TimeParts timeSinceStartupParts(const StabilityRecord& record) {
    const uint32_t t = record.timeSinceStartup;
    return {t / 3600u, (t % 3600u) / 60u, t % 60u};
}

TimeParts timeSinceStartupPartsSigned(const StabilityRecord& record) {
    const int64_t t = static_cast<int32_t>(record.timeSinceStartup);
    const int64_t hours = t / 3600;
    const int64_t seconds = t % 60;
    return {hours, (t - 3600 * hours - seconds) / 60, seconds};
}

std::string_view onOff(uint32_t flag) {
    return flag != 0 ? "ON" : "OFF";
}

std::string_view monthAbbreviation(uint8_t month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return str(sid::kMonthFirst + month - 1);
}

}  // namespace hm
