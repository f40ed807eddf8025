#include "support/FigureImages.h"

namespace hmtest {

hm::FleetDataImage emptyImage() {
    hm::FleetDataImage image;
    image.clear();
    return image;
}

void setDistance(hm::FleetDataImage& image, uint32_t intervals, uint32_t km) {
    image.slpBrakeAppsByDistance[hm::kEntry29] = intervals;
    image.brakeAppsByDistance[hm::kEntry29] = km;
}

void setLifetimeTotal(uint32_t (&block)[32], uint64_t total) {
    block[hm::kTotalHighEntry] = static_cast<uint32_t>(total / 65536);
    block[hm::kTotalLowEntry] = static_cast<uint32_t>(total % 65536);
}

hm::FleetDataImage saturatedImage() {
    hm::FleetDataImage image = emptyImage();
    for (int block = 0; block < 10; ++block) {
        uint32_t* words = image.block(block);
        for (int i = 0; i < hm::FleetDataImage::blockWords(block); ++i) {
            words[i] = UINT32_MAX;
        }
    }
    image.stabilityRecordCount = UINT32_MAX;
    return image;
}

hm::FleetDataImage overloadedImage(uint32_t loadKm, uint32_t overloadKm) {
    hm::FleetDataImage image = emptyImage();
    setDistance(image, loadKm / 500, loadKm % 500);
    image.distanceByLoad[5] = loadKm - overloadKm;
    image.distanceByLoad[11] = overloadKm;
    image.distanceByReservoirPressure[10] = loadKm;
    return image;
}

}  // namespace hmtest
