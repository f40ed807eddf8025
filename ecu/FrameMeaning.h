#pragma once
// A short meaning of one frame of the ECU conversation for people reading a trace: "vehicle
// identification", "block 3", "record 12", "security seed", "erase block 4", "refused (7F 21
// 31)", "response pending", "bad checksum". A request and its positive response get the same
// meaning (the direction tells them apart); block and record numbers are the ones on the wire.
// Plain function on caller data; any thread.
#include <cstddef>
#include <cstdint>
#include <string>

namespace hm::ecu {

std::string frameMeaning(const uint8_t* frame, size_t length);

}  // namespace hm::ecu
