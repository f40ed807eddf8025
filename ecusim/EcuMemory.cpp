#include "ecusim/EcuMemory.h"

#include <algorithm>
#include <cstring>

#include "fleetdata/DataFile.h"
#include "platform/FileAccess.h"

namespace hm::ecusim {

namespace {

void putBE(uint8_t* out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[i] = static_cast<uint8_t>(value >> (8 * (bytes - 1 - i)));
    }
}

uint32_t getBE(const uint8_t* in, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        v = (v << 8) | in[i];
    }
    return v;
}

// Bytes per word on the wire: 2 for the distance blocks 4..7, 4 for the others.
int wireWordBytes(int block) {
    return block >= 4 && block <= 7 ? 2 : 4;
}

}  // namespace

StabilityPayload encodeRecord(const StabilityRecord& r) {
    StabilityPayload p{};
    p[0] = static_cast<uint8_t>(r.stabilitySensorOutput);
    p[1] = r.vehicleSpeed;
    p[2] = r.isoDemandPressure;
    p[3] = r.controlLinePressure;
    p[4] = r.voltage;
    uint8_t status = 0;
    status |= r.brakeApply == 1 ? 0x01 : 0;
    status |= r.redLampSignal == 1 ? 0x0C : 0;
    status |= r.cabLampSignal == 1 ? 0x10 : 0;
    status |= r.serviceLampSignal == 1 ? 0x20 : 0;
    status |= r.flagBit6 == 1 ? 0x40 : 0;
    status |= r.stopLightPower == 1 ? 0x80 : 0;
    p[5] = status;
    p[6] = r.day;
    p[7] = r.month;
    putBE(&p[8], r.odometer, 4);
    p[12] = r.reservoirPressure;
    p[13] = r.suspensionPressure;
    putBE(&p[14], r.timeSinceStartup & 0xFFFFu, 2);
    return p;
}

StabilityRecord decodePayload(const StabilityPayload& p) {
    StabilityRecord r{};
    r.stabilitySensorOutput = static_cast<int8_t>(p[0]);
    r.vehicleSpeed = p[1];
    r.isoDemandPressure = p[2];
    r.controlLinePressure = p[3];
    r.voltage = p[4];
    const uint8_t s = p[5];
    r.brakeApply = s & 0x01;
    r.redLampSignal = (s & 0x0C) == 0x0C ? 1 : 0;
    r.cabLampSignal = (s >> 4) & 1;
    r.serviceLampSignal = (s >> 5) & 1;
    r.flagBit6 = (s >> 6) & 1;
    r.stopLightPower = (s >> 7) & 1;
    r.day = p[6];
    r.month = p[7];
    r.odometer = getBE(&p[8], 4);
    r.reservoirPressure = p[12];
    r.suspensionPressure = p[13];
    r.timeSinceStartup = getBE(&p[14], 2);
    return r;
}

EcuMemory memoryFromImage(const FleetDataImage& image) {
    EcuMemory m;
    m.ident = image.vehicleIdentString().substr(0, kIdentLength);
    for (int b = 0; b < kBlockCount; ++b) {
        const uint32_t* words = image.block(b);
        const int width = wireWordBytes(b);
        const int count = static_cast<int>(kBlockBytes) / width;
        for (int i = 0; i < count; ++i) {
            putBE(&m.blocks[static_cast<size_t>(b)][static_cast<size_t>(i * width)], words[i],
                  width);
        }
    }
    const uint32_t count = std::min<uint32_t>(image.stabilityRecordCount, kStabilitySlots);
    for (uint32_t i = 0; i < count; ++i) {
        m.slots[i] = encodeRecord(image.stabilityRecords[i]);
    }
    return m;
}

bool loadVehicleFile(const std::string& path, EcuMemory& memory, std::string& error) {
    FleetDataImage image;
    image.clear();
    const DataFileRead read = readDataFile(path, image);
    if (!read.ok()) {
        error = printablePath(path) + ": " +
                (read.reason.empty() ? "cannot read the file" : read.reason);
        return false;
    }
    memory = memoryFromImage(image);
    return true;
}

FleetDataImage imageFromMemory(const EcuMemory& m) {
    FleetDataImage image;
    image.clear();
    image.setVehicleIdent(m.ident.data(), std::min(m.ident.size(), kIdentLength));
    for (int b = 0; b < kBlockCount; ++b) {
        uint32_t* words = image.block(b);
        const int width = wireWordBytes(b);
        const int count = static_cast<int>(kBlockBytes) / width;
        for (int i = 0; i < count; ++i) {
            words[i] =
                getBE(&m.blocks[static_cast<size_t>(b)][static_cast<size_t>(i * width)], width);
        }
    }
    uint32_t count = 0;
    for (const auto& slot : m.slots) {
        if (slot[4] != 0) {
            image.stabilityRecords[count++] = decodePayload(slot);
        }
    }
    image.stabilityRecordCount = count;
    return image;
}

namespace {

struct DemoRecord {
    int slot;
    int8_t g;  // 0.01 g
    uint8_t speed, isoDemand, controlLine, voltage, status, day, month;
    uint32_t odometer;  // 0.01 km
    uint8_t reservoir, suspension;
    uint16_t seconds;
};

// One year of a trailer that covers about 135 km a day, up to some 4,700 km before the
// 71,812 km it has now: ascending odometer (so the tool's sort keeps this order) and dates.
constexpr DemoRecord kDemoRecords[] = {
    {0, 41, 62, 38, 36, 131, 0x81, 14, 2, 2415000u, 164, 82, 2310},
    {1, -37, 71, 255, 42, 129, 0x91, 3, 3, 2643217u, 158, 96, 5124},
    {2, 52, 84, 61, 58, 134, 0x8D, 27, 4, 3323745u, 171, 110, 812},
    {4, -58, 55, 44, 41, 127, 0x01, 9, 6, 3908652u, 149, 64, 15873},
    {5, 63, 78, 254, 67, 132, 0xA1, 18, 7, 4433888u, 166, 121, 3601},
    {8, 45, 66, 29, 27, 128, 0x41, 1, 0, 4788009u, 162, 88, 27640},  // no valid month
    {9, -44, 49, 52, 50, 130, 0x91, 23, 9, 5300175u, 155, 73, 640},
    {13, 71, 88, 73, 70, 135, 0x9D, 6, 11, 5971452u, 168, 130, 44215},
    {14, -66, 59, 35, 33, 126, 0x81, 30, 11, 6309600u, 152, 91, 1288},
    {20, 49, 74, 47, 45, 133, 0xB1, 12, 12, 6472233u, 170, 102, 65535},
    {27, 58, 81, 66, 63, 131, 0x81, 28, 12, 6712480u, 160, 115, 9021},
};

constexpr uint32_t kDemoIntervalCount = 143;

constexpr uint32_t kDemoCountByPressure[16] = {5210, 9840, 14130, 11620, 7930, 5140, 3260, 1920,
                                               1140, 640,  382,   214,   118,  61,   27,   9};
constexpr uint32_t kDemoCountBySpeed[16] = {8240, 6410, 5930, 5260, 4720, 4310, 3940, 3620,
                                            4150, 5310, 6120, 3270, 940,  155,  21,   2};
constexpr uint32_t kDemoAppsByDistance[28] = {612, 587, 640, 701, 655, 598, 571, 633, 689, 720,
                                              664, 602, 548, 590, 617, 682, 705, 661, 629, 574,
                                              556, 603, 648, 697, 712, 668, 624, 581};
constexpr uint32_t kDemoDistanceByLoad[16] = {9210, 4130, 3870, 5240, 6810, 8120, 9430, 10260,
                                              8710, 4320, 1590, 121,  0,    0,    0,    0};
constexpr uint32_t kDemoDistanceByReservoir[16] = {
    0, 0, 14, 42, 95, 212, 604, 1410, 3120, 6840, 14520, 21030, 15420, 6180, 1890, 565};

// The sixteen-bar blocks: counts and times by pressure and speed, distance by load and
// reservoir pressure.
void fillDemoBarBlocks(FleetDataImage& img) {
    for (int i = 0; i < 16; ++i) {
        const uint32_t u = static_cast<uint32_t>(i);
        img.brakeCountByPressure[i] = kDemoCountByPressure[i];
        img.brakeTimeByPressure[i] = kDemoCountByPressure[i] * (140u + 23u * u);
        img.brakeCountBySpeed[i] = kDemoCountBySpeed[i];
        img.pressureSumBySpeed[i] = kDemoCountBySpeed[i] * (28u + 3u * u);
        img.distanceByLoad[i] = kDemoDistanceByLoad[i];
        img.distanceByReservoirPressure[i] = kDemoDistanceByReservoir[i];
    }
}

// Distance blocks: a ring of 28 intervals that has wrapped (intervalCount 143).
void fillDemoDistanceBlocks(FleetDataImage& img) {
    for (int i = 0; i < 28; ++i) {
        const uint32_t u = static_cast<uint32_t>(i);
        img.brakeAppsByDistance[i] = kDemoAppsByDistance[i];
        img.slpBrakeAppsByDistance[i] = (u * 7u) % 19u;
        img.absEventsByDistance[i] = (u * 5u + 3u) % 13u;
        img.rolloverEventsByDistance[i] = (u % 9u == 4u) ? 2u : (u % 6u == 1u ? 1u : 0u);
    }
    img.brakeAppsByDistance[kCurrentCountEntry] = 388;
    img.brakeAppsByDistance[kEntry29] = 312;  // km in the current interval
    img.slpBrakeAppsByDistance[kCurrentCountEntry] = 6;
    img.slpBrakeAppsByDistance[kEntry29] = kDemoIntervalCount;
    img.absEventsByDistance[kCurrentCountEntry] = 4;
    img.rolloverEventsByDistance[kCurrentCountEntry] = 1;
    const uint32_t totalApps = 91734, totalAbs = 1297, totalRoll = 118;
    img.brakeAppsByDistance[kTotalHighEntry] = totalApps >> 16;
    img.brakeAppsByDistance[kTotalLowEntry] = totalApps & 0xFFFF;
    img.absEventsByDistance[kTotalHighEntry] = totalAbs >> 16;
    img.absEventsByDistance[kTotalLowEntry] = totalAbs & 0xFFFF;
    img.rolloverEventsByDistance[kTotalHighEntry] = totalRoll >> 16;
    img.rolloverEventsByDistance[kTotalLowEntry] = totalRoll & 0xFFFF;
}

void putDemoRecords(EcuMemory& m) {
    for (const DemoRecord& d : kDemoRecords) {
        StabilityPayload& p = m.slots[static_cast<size_t>(d.slot)];
        p = {static_cast<uint8_t>(d.g),
             d.speed,
             d.isoDemand,
             d.controlLine,
             d.voltage,
             d.status,
             d.day,
             d.month};
        putBE(&p[8], d.odometer, 4);
        p[12] = d.reservoir;
        p[13] = d.suspension;
        putBE(&p[14], d.seconds, 2);
    }
}

}  // namespace

EcuMemory makeDemoMemory() {
    FleetDataImage img;
    img.clear();
    std::memcpy(img.vehicleIdent, "SMX4271GH0R104387", kIdentLength);
    fillDemoBarBlocks(img);
    fillDemoDistanceBlocks(img);
    EcuMemory m = memoryFromImage(img);
    putDemoRecords(m);
    return m;
}

FleetDataImage makeDemoVehicle() {
    return imageFromMemory(makeDemoMemory());
}

}  // namespace hm::ecusim
