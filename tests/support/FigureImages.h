#pragma once
// Crafted images for the tests of figures, findings and exports: each sets only the counters a
// test is about, so the expected figures can be worked out by hand.
#include <cstdint>

#include "fleetdata/FleetDataImage.h"

namespace hmtest {

// A zeroed image.
hm::FleetDataImage emptyImage();

// Sets the distance: `intervals` completed 500 km intervals and `km` in the current one.
void setDistance(hm::FleetDataImage& image, uint32_t intervals, uint32_t km);

// Sets the lifetime total of distance block `block` (entry 30 * 65536 + entry 31).
void setLifetimeTotal(uint32_t (&block)[32], uint64_t total);

// Every counter of every data block (and the record count) at 2^32 - 1.
hm::FleetDataImage saturatedImage();

// A trailer driven `loadKm` km, of which `overloadKm` at 100 % load and above (graph 9), and as
// many km in graph 10 at 8 bar.
hm::FleetDataImage overloadedImage(uint32_t loadKm, uint32_t overloadKm);

}  // namespace hmtest
