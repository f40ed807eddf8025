#include "fleetdata/FleetDataImage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace hm {

void FleetDataImage::clear() {
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
}

bool FleetDataImage::hasFleetData() const {
    for (int b = 0; b < 10; ++b) {
        const uint32_t* words = block(b);
        for (int i = 0; i < blockWords(b); ++i) {
            if (words[i] != 0) {
                return true;
            }
        }
    }
    return false;
}

int FleetDataImage::ringSlot(int position) const {
    return static_cast<int>((intervalCount() + static_cast<uint32_t>(position)) % kRingEntries);
}

uint32_t FleetDataImage::totalDistanceKm() const {
    return kmInCurrentInterval() + intervalCount() * 500u;
}

uint32_t FleetDataImage::lifetimeTotal(const uint32_t (&block)[32]) {
    return block[kTotalHighEntry] * 65536u + block[kTotalLowEntry];
}

uint32_t* FleetDataImage::block(int number) {
    return const_cast<uint32_t*>(static_cast<const FleetDataImage*>(this)->block(number));
}

const uint32_t* FleetDataImage::block(int number) const {
    switch (number) {
        case 0:
            return brakeTimeByPressure;
        case 1:
            return brakeCountByPressure;
        case 2:
            return pressureSumBySpeed;
        case 3:
            return brakeCountBySpeed;
        case 4:
            return brakeAppsByDistance;
        case 5:
            return slpBrakeAppsByDistance;
        case 6:
            return absEventsByDistance;
        case 7:
            return rolloverEventsByDistance;
        case 8:
            return distanceByLoad;
        case 9:
            return distanceByReservoirPressure;
        default:
            return nullptr;
    }
}

int FleetDataImage::blockWords(int number) {
    if (number >= 4 && number <= 7) {
        return 32;
    }
    return (number >= 0 && number <= 9) ? 16 : 0;
}

std::string FleetDataImage::vehicleIdentString() const {
    return std::string(vehicleIdent, strnlen(vehicleIdent, sizeof(vehicleIdent)));
}

void FleetDataImage::setVehicleIdent(const char* bytes, size_t count) {
    constexpr size_t kKept = 17;
    const size_t length = strnlen(bytes, std::min(count, kKept));
    std::memset(vehicleIdent, 0, sizeof(vehicleIdent));
    if (length == 0) {
        std::memcpy(vehicleIdent, "xxx", 3);
    } else {
        std::memcpy(vehicleIdent, bytes, length);
    }
}

int64_t distanceAxisRightKm(uint32_t intervalCount) {
    return int64_t{intervalCount} * 500;
}
int64_t distanceAxisLeftKm(uint32_t intervalCount) {
    return int64_t{intervalCount} * 500 - 14000;
}

SummaryTotals summaryTotals(const FleetDataImage& image) {
    auto sum16 = [](const uint32_t* words) {
        uint32_t total = 0;
        for (int i = 0; i < 16; ++i) {
            total += words[i];
        }
        return total;
    };
    SummaryTotals t{};
    t.distanceKm = image.totalDistanceKm();
    t.reservoirDistanceKm = sum16(image.distanceByReservoirPressure);
    t.loadDistanceKm = sum16(image.distanceByLoad);
    t.appsByPressure = sum16(image.brakeCountByPressure);
    t.appsBySpeed = sum16(image.brakeCountBySpeed);
    t.appsByDistance = FleetDataImage::lifetimeTotal(image.brakeAppsByDistance);
    t.absByDistance = FleetDataImage::lifetimeTotal(image.absEventsByDistance);
    t.rollByDistance = FleetDataImage::lifetimeTotal(image.rolloverEventsByDistance);
    return t;
}

std::string summaryText(const FleetDataImage& image) {
    const SummaryTotals t = summaryTotals(image);
    char text[512];
    std::snprintf(text, sizeof(text),
                  "DISTANCE\t%d km\n"
                  "RESV v DIST\t%d km\n"
                  "LOAD v DIST\t%d km\n"
                  "APPS v PRESS\t%d\n"
                  "APPS v SPEED\t%d\n"
                  "APPS v DIST\t%d\n"
                  "ABS v DIST\t%d\n"
                  "ROLL v DIST\t%d\n",
                  static_cast<int32_t>(t.distanceKm), static_cast<int32_t>(t.reservoirDistanceKm),
                  static_cast<int32_t>(t.loadDistanceKm), static_cast<int32_t>(t.appsByPressure),
                  static_cast<int32_t>(t.appsBySpeed), static_cast<int32_t>(t.appsByDistance),
                  static_cast<int32_t>(t.absByDistance), static_cast<int32_t>(t.rollByDistance));
    return text;
}

}  // namespace hm
