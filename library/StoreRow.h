#pragma once
// One row of the downloads table as the store writes it, and the local queue that keeps rows
// while a shared library's server cannot be reached. Internal to library/.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "library/Library.h"

namespace hm::library {

struct StoreRow {
    std::string hash;
    std::string ident;
    std::string savedAt;
    std::string visitAt;
    int64_t addedAt = 0;
    std::string host;
    std::string workshop;
    std::string source;
    std::string path;
    ImageFigures figures;
    std::string data;  // the 2484 bytes
};

// Who adds rows, and when: this computer's host name, the workshop of its settings, now.
struct Provenance {
    std::string host;
    std::string workshop;
    int64_t addedAt = 0;
};
Provenance currentProvenance();

// `seconds` since the epoch as local time, "YYYY-MM-DDTHH:MM:SS".
std::string localIsoTime(int64_t seconds);
// `bytes` as valid UTF-8 (text columns of a PostgreSQL library refuse anything else): a byte
// that does not belong to a character becomes U+FFFD.
std::string validText(const std::string& bytes);

// The SHA-256 of `bytes` in lower-case hex: what a download is stored by.
std::string sha256Hex(const ImageBytes& bytes);

// The row of `item` as added by `by`.
StoreRow makeRow(const Item& item, const Provenance& by);

// Writes `row` into the queue folder `dir` (created when missing) as one file named by its hash,
// written whole or not at all. False with `error` set.
bool enqueueRow(const std::filesystem::path& dir, const StoreRow& row, std::string& error);
// The queue files of `dir`, in name order (none when the folder is missing).
std::vector<std::filesystem::path> queuedFiles(const std::filesystem::path& dir);
// Reads one queue file; false when it is not a complete queue file.
bool readQueuedRow(const std::filesystem::path& file, StoreRow& row);

}  // namespace hm::library
