#pragma once
// The text export (".txt"): the ten ECU data blocks as comma-separated decimal lines placed at
// fixed offsets of a 2198-byte buffer, written with each line feed as CR LF. Plain functions.
#include <array>
#include <filesystem>
#include <string>

#include "fleetdata/FleetDataImage.h"

namespace hm {

constexpr size_t kTextExportSize = 2198;
using TextExportBuffer = std::array<char, kTextExportSize>;

// Formats the image into a zero-filled buffer. Line n (blocks 0..9 in order) starts at a fixed
// offset; value k goes to line start + k * slot width (9, or 5 for the four distance blocks) as
// "%d," and a zero byte, value 15 as "%d\n" and a zero byte. Values are written k by k across the
// lines, so a text longer than its slot runs into the next slot and is overwritten there by the
// next value's text. Only entries 0..15 of the distance blocks, in storage order, are exported.
TextExportBuffer formatTextExport(const FleetDataImage& image);

// The bytes of the file: all 2198 buffer bytes (zero bytes included) with every line feed
// written as carriage return and line feed.
std::string textExportFileBytes(const TextExportBuffer& buffer);

// Formats the image and writes the file through a temporary file renamed into place. Returns
// false with `error` set (target untouched).
bool writeTextExport(const std::filesystem::path& path, const FleetDataImage& image,
                     std::string& error);

}  // namespace hm
