#include "ecu/SecurityKey.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace hm::ecu {

uint16_t DeriveKey(uint16_t seed, const KeyConstants& constants) {
    const unsigned r = static_cast<unsigned>(constants.rotate) & 15u;
    const uint16_t rotated =
        r == 0 ? seed : static_cast<uint16_t>((seed << r) | (seed >> (16u - r)));
    const int64_t product = int64_t{rotated} * constants.multiplier;
    const int64_t quotient = constants.divisor == 0 ? 0 : product / constants.divisor;
    return static_cast<uint16_t>(static_cast<uint64_t>(quotient) & 0xFFFFu);
}

std::optional<KeyConstants> parseKeyConstants(const std::string& text) {
    std::vector<long long> values;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        if (part.empty()) {
            return std::nullopt;
        }
        errno = 0;
        char* end = nullptr;
        const long long v = std::strtoll(part.c_str(), &end, 0);
        if (errno != 0 || end == part.c_str() || *end != '\0' || v < INT32_MIN || v > INT32_MAX) {
            return std::nullopt;
        }
        values.push_back(v);
    }
    if (values.size() != 3 || values[0] < 0 || values[0] > 15 || values[2] == 0 ||
        text.back() == ',') {
        return std::nullopt;
    }
    return KeyConstants{static_cast<int>(values[0]), static_cast<int32_t>(values[1]),
                        static_cast<int32_t>(values[2])};
}

}  // namespace hm::ecu
