#include "fleetdata/TextExport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/AtomicFile.h"

namespace hm {
namespace {

struct ExportLine {
    size_t start;
    size_t slotWidth;
};

// Start offset and slot width of the lines of blocks 0..9.
constexpr ExportLine kLines[10] = {
    {0, 9},   {153, 9}, {306, 9},  {459, 9},  {612, 5},
    {772, 5}, {932, 5}, {1092, 5}, {1252, 9}, {1405, 9},
};

// Writes `text` and its terminating zero at `offset`, clipped to the buffer. With the offsets
// above the longest text ("-2147483648\n" and the zero) always fits; the clip only guards.
void place(TextExportBuffer& buffer, size_t offset, const char* text) {
    const size_t length = std::strlen(text) + 1;
    if (offset >= buffer.size()) {
        return;
    }
    std::memcpy(buffer.data() + offset, text, std::min(length, buffer.size() - offset));
}

}  // namespace

TextExportBuffer formatTextExport(const FleetDataImage& image) {
    TextExportBuffer buffer{};
    char text[32];
    for (size_t k = 0; k < 15; ++k) {
        for (int line = 0; line < 10; ++line) {
            std::snprintf(text, sizeof(text), "%d,", static_cast<int32_t>(image.block(line)[k]));
            place(buffer, kLines[line].start + k * kLines[line].slotWidth, text);
        }
    }
    for (int line = 0; line < 10; ++line) {
        std::snprintf(text, sizeof(text), "%d\n", static_cast<int32_t>(image.block(line)[15]));
        place(buffer, kLines[line].start + 15 * kLines[line].slotWidth, text);
    }
    return buffer;
}

std::string textExportFileBytes(const TextExportBuffer& buffer) {
    std::string bytes;
    bytes.reserve(buffer.size() + 16);
    for (char c : buffer) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

bool writeTextExport(const std::filesystem::path& path, const FleetDataImage& image,
                     std::string& error) {
    const std::string bytes = textExportFileBytes(formatTextExport(image));
    return writeFileAtomic(path, bytes.data(), bytes.size(), error);
}

}  // namespace hm
