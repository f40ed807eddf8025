#pragma once
// Data files (".asc"): the 2484-byte fleet data image, little-endian whatever the host.
// Serialisation, reading with validation, and the file name. Plain functions, any thread; they
// touch only the objects passed in.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fleetdata/FleetDataImage.h"
#include "platform/LocalTime.h"

namespace hm {

using ImageBytes = std::array<uint8_t, kImageSize>;

// The image as it is stored in a data file: every field in order, multi-byte fields
// little-endian, padding bytes included.
ImageBytes serialiseImage(const FleetDataImage& image);
// The reverse of serialiseImage; every byte of `image` is overwritten.
void deserialiseImage(const ImageBytes& bytes, FleetDataImage& image);

enum class DataFileStatus {
    Valid,
    CannotOpen,    // missing, unreadable, or not a regular file (folder, FIFO, device)
    TooShort,      // fewer than 2484 bytes
    BadSignature,  // bytes 0..7 are not "Haulm +" and a zero byte
    BadBlockSize,  // the 32-bit value at offset 2480 is not 2484
};

// Checks the signature and block size of a serialised image.
DataFileStatus validateImageBytes(const ImageBytes& bytes);

struct DataFileRead {
    DataFileStatus status = DataFileStatus::CannotOpen;
    std::string reason;  // empty when valid; otherwise a short text for the user
    bool ok() const { return status == DataFileStatus::Valid; }
    // CannotOpen: nothing was read, the caller leaves its image alone. The other failures are
    // file errors: the content is not a data file.
    bool fileError() const { return opened() && !ok(); }
    bool opened() const { return status != DataFileStatus::CannotOpen; }
};

// Checks `size` bytes read from the start of a data file (at most 2484 of them are looked at) and,
// when they form a valid data file, fills `image` from them. On failure `image` is unchanged.
DataFileRead parseDataFileBytes(const uint8_t* data, size_t size, FleetDataImage& image);

// Reads the first 2484 bytes of `path` into `image` when they form a valid data file. Bytes after
// the first 2484 are not read (a longer file with a valid block loads). On any failure `image`
// is left unchanged; the caller decides what a file error does to its image.
DataFileRead readDataFile(const std::filesystem::path& path, FleetDataImage& image);

// Writes the image as a data file: a temporary file in the same folder renamed into place, so an
// existing file is either replaced whole or left as it was. Returns false with `error` set.
bool writeDataFile(const std::filesystem::path& path, const FleetDataImage& image,
                   std::string& error);

// The vehicle identification made safe for a file name: '/', '\\', control characters, bytes
// 0x7F and above and the characters : * ? " < > | become '_'. Letters, digits, blanks and other
// printable characters stay.
std::string sanitiseVehicleIdent(std::string_view ident);

// "Haulmetry <ident> - DDMMYYYY-HHMM<extension>" with the sanitised vehicle identification;
// `extension` is ".asc" or ".txt".
std::string dataFileName(const FleetDataImage& image, const LocalTime& time,
                         std::string_view extension);

// `directory` followed by `name`, with a '/' between them when the directory does not already
// end in one; an empty directory gives `name` alone (the current folder).
std::string joinDataPath(const std::string& directory, const std::string& name);

// Stamps what every save writes into the image: `savedAt` from `now`, the signature and the
// block size. The save button and `haulmetry download` both use it.
void stampSavedImage(FleetDataImage& image, const LocalTime& now);

}  // namespace hm
