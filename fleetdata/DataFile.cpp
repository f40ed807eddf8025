#include "fleetdata/DataFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"
#include "resources/Strings.h"

namespace hm {
namespace {

// Walks every field of the image in file order and hands it to `io`, which either writes the
// field's bytes little-endian (ImageWriter) or fills the field from them (ImageReader). Keeping
// one walk for both directions means the two can never disagree about the layout.
template <class Io, class Image>
void walkImage(Io& io, Image& image) {
    io.field(image.signature);
    io.field(image.vehicleIdent);
    for (int b = 0; b < 10; ++b) {
        auto* words = image.block(b);
        for (int i = 0; i < FleetDataImage::blockWords(b); ++i) {
            io.field(words[i]);
        }
    }
    for (auto& r : image.stabilityRecords) {
        io.field(r.stabilitySensorOutput);
        io.field(r.vehicleSpeed);
        io.field(r.isoDemandPressure);
        io.field(r.controlLinePressure);
        io.field(r.voltage);
        io.field(r.padding1);
        io.field(r.brakeApply);
        io.field(r.redLampSignal);
        io.field(r.cabLampSignal);
        io.field(r.serviceLampSignal);
        io.field(r.stopLightPower);
        io.field(r.flagBit6);
        io.field(r.day);
        io.field(r.month);
        io.field(r.padding2);
        io.field(r.odometer);
        io.field(r.reservoirPressure);
        io.field(r.suspensionPressure);
        io.field(r.padding3);
        io.field(r.timeSinceStartup);
    }
    io.field(image.stabilityRecordCount);
    for (auto& word : image.savedAt) {
        io.field(word);
    }
    io.field(image.blockSize);
}

class ImageWriter {
  public:
    explicit ImageWriter(ImageBytes& out) : out_(out) {}

    template <class T>
    void field(const T& value) {
        if constexpr (std::is_array_v<T>) {
            for (const auto& element : value) {
                field(element);
            }
        } else {
            using U = std::make_unsigned_t<T>;
            const U bits = static_cast<U>(value);
            for (size_t i = 0; i < sizeof(T); ++i) {
                out_[pos_++] = static_cast<uint8_t>(bits >> (8 * i));
            }
        }
    }
    size_t position() const { return pos_; }

  private:
    ImageBytes& out_;
    size_t pos_ = 0;
};

class ImageReader {
  public:
    explicit ImageReader(const ImageBytes& in) : in_(in) {}

    template <class T>
    void field(T& value) {
        if constexpr (std::is_array_v<T>) {
            for (auto& element : value) {
                field(element);
            }
        } else {
            using U = std::make_unsigned_t<T>;
            U bits = 0;
            for (size_t i = 0; i < sizeof(T); ++i) {
                bits = static_cast<U>(bits | static_cast<U>(U{in_[pos_++]} << (8 * i)));
            }
            value = static_cast<T>(bits);
        }
    }
    size_t position() const { return pos_; }

  private:
    const ImageBytes& in_;
    size_t pos_ = 0;
};

constexpr size_t kBlockSizeOffset = 2480;

std::string describe(DataFileStatus status, const ImageBytes& bytes, size_t got) {
    switch (status) {
        case DataFileStatus::Valid:
        case DataFileStatus::CannotOpen:
            return {};
        case DataFileStatus::TooShort:
            return fillPlaceholders(
                translate("hm::DataFile", "file is too short (%1 bytes, a data file has %2)"),
                {std::to_string(got), std::to_string(kImageSize)});
        case DataFileStatus::BadSignature:
            return translate("hm::DataFile", "not a Haulmetry data file (signature missing)");
        case DataFileStatus::BadBlockSize: {
            const int32_t size = static_cast<int32_t>(uint32_t{bytes[kBlockSizeOffset]} |
                                                      uint32_t{bytes[kBlockSizeOffset + 1]} << 8 |
                                                      uint32_t{bytes[kBlockSizeOffset + 2]} << 16 |
                                                      uint32_t{bytes[kBlockSizeOffset + 3]} << 24);
            return fillPlaceholders(translate("hm::DataFile", "wrong block size %1 (expected %2)"),
                                    {std::to_string(size), std::to_string(kImageSize)});
        }
    }
    return {};
}

}  // namespace

ImageBytes serialiseImage(const FleetDataImage& image) {
    ImageBytes bytes{};
    ImageWriter writer(bytes);
    walkImage(writer, image);
    return bytes;
}

void deserialiseImage(const ImageBytes& bytes, FleetDataImage& image) {
    ImageReader reader(bytes);
    walkImage(reader, image);
}

DataFileStatus validateImageBytes(const ImageBytes& bytes) {
    if (std::memcmp(bytes.data(), kSignature, sizeof(kSignature)) != 0) {
        return DataFileStatus::BadSignature;
    }
    const uint32_t size =
        uint32_t{bytes[kBlockSizeOffset]} | uint32_t{bytes[kBlockSizeOffset + 1]} << 8 |
        uint32_t{bytes[kBlockSizeOffset + 2]} << 16 | uint32_t{bytes[kBlockSizeOffset + 3]} << 24;
    return size == static_cast<uint32_t>(kImageSize) ? DataFileStatus::Valid
                                                     : DataFileStatus::BadBlockSize;
}

DataFileRead readDataFile(const std::filesystem::path& path, FleetDataImage& image) {
    DataFileRead result;
    std::string bytes;
    if (!readRegularFile(path, kImageSize, bytes, result.reason)) {
        return result;
    }
    return parseDataFileBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image);
}

DataFileRead parseDataFileBytes(const uint8_t* data, size_t size, FleetDataImage& image) {
    DataFileRead result;
    ImageBytes bytes{};
    const size_t got = std::min(size, bytes.size());
    if (got > 0) {
        std::memcpy(bytes.data(), data, got);
    }
    result.status = got < bytes.size() ? DataFileStatus::TooShort : validateImageBytes(bytes);
    result.reason = describe(result.status, bytes, got);
    if (result.ok()) {
        deserialiseImage(bytes, image);
    }
    return result;
}

bool writeDataFile(const std::filesystem::path& path, const FleetDataImage& image,
                   std::string& error) {
    const ImageBytes bytes = serialiseImage(image);
    return writeFileAtomic(path, bytes.data(), bytes.size(), error);
}

std::string sanitiseVehicleIdent(std::string_view ident) {
    std::string safe(ident);
    for (char& c : safe) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F || std::strchr("/\\:*?\"<>|", c) != nullptr) {
            c = '_';
        }
    }
    return safe;
}

std::string dataFileName(const FleetDataImage& image, const LocalTime& time,
                         std::string_view extension) {
    char stamp[64];
    std::snprintf(stamp, sizeof(stamp), "%02d%02d%d-%02d%02d", int{time.day}, int{time.month},
                  int{time.year}, int{time.hour}, int{time.minute});
    return "Haulmetry " + sanitiseVehicleIdent(image.vehicleIdentString()) + " - " + stamp +
           std::string(extension);
}

std::string joinDataPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    if (directory.back() == '/') {
        return directory + name;
    }
    return directory + "/" + name;
}

void stampSavedImage(FleetDataImage& image, const LocalTime& now) {
    const uint16_t fields[8] = {now.year, now.month,  now.dayOfWeek, now.day,
                                now.hour, now.minute, now.second,    now.milliseconds};
    std::memcpy(image.savedAt, fields, sizeof fields);
    std::memcpy(image.signature, kSignature, sizeof(kSignature));
    image.blockSize = kImageSize;
}

}  // namespace hm
