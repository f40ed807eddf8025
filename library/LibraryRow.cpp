// What is stored with each data image besides its bytes: the hash, identification, times,
// provenance and the figures of the fleet view.
#include <openssl/evp.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <algorithm>
#include <climits>
#include <ctime>
#include <set>
#include <string_view>

#include "library/LibraryLocation.h"
#include "library/StoreRow.h"
#include "platform/FileAccess.h"
#include "platform/PrintfText.h"
#include "platform/SharedLibrary.h"
#include "report/core/TextFormats.h"

namespace hm::library {
namespace {

constexpr size_t kRecordsOffset = offsetof(FleetDataImage, stabilityRecords);

// FNV-1a of one record's bytes: a short key to tell records apart between two downloads.
uint64_t recordKey(const uint8_t* bytes, size_t size) {
    uint64_t h = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i) {
        h = (h ^ bytes[i]) * 1099511628211ull;
    }
    return h;
}

std::set<std::string_view> splitKeys(std::string_view keys) {
    std::set<std::string_view> out;
    while (!keys.empty()) {
        const size_t comma = keys.find(',');
        out.insert(keys.substr(0, comma));
        keys = comma == std::string_view::npos ? std::string_view() : keys.substr(comma + 1);
    }
    return out;
}

}  // namespace

const char* sourceName(Source source) {
    switch (source) {
        case Source::Download:
            return "download";
        case Source::Load:
            return "load";
        case Source::Save:
            return "save";
        case Source::Import:
            return "import";
    }
    return "import";
}

std::string localIsoTime(int64_t seconds) {
    const time_t t = static_cast<time_t>(seconds);
    struct tm local {};
    localtime_r(&t, &local);
    return printfText("%04d-%02d-%02dT%02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                      local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

std::string validText(const std::string& bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; })) {
        return bytes;
    }
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdString();
}

ImageFigures imageFigures(const ImageBytes& bytes) {
    FleetDataImage image;
    deserialiseImage(bytes, image);
    return imageFigures(image, bytes);
}

ImageFigures imageFigures(const FleetDataImage& image, const ImageBytes& bytes) {
    ImageFigures figures;
    figures.values = figures::computeFigures(image);
    figures.identText = identText(image.vehicleIdentString());
    figures.distanceKm = image.totalDistanceKm();
    figures.brakeApplications = summaryTotals(image).appsByPressure;
    figures.records = static_cast<int>(
        std::min<uint32_t>(image.stabilityRecordCount, static_cast<uint32_t>(kStabilitySlots)));
    for (int i = 0; i < figures.records; ++i) {
        const uint8_t* record = bytes.data() + kRecordsOffset + i * sizeof(StabilityRecord);
        figures.recordKeys +=
            (i > 0 ? "," : "") + printfText("%016llx", static_cast<unsigned long long>(recordKey(
                                                           record, sizeof(StabilityRecord))));
    }
    return figures;
}

std::string identText(const std::string& identBytes) {
    return printablePath(identBytes);
}

int newRecordCount(const std::string& olderKeys, const std::string& newerKeys) {
    const std::set<std::string_view> older = splitKeys(olderKeys);
    int count = 0;
    for (std::string_view key : splitKeys(newerKeys)) {
        count += older.count(key) == 0 ? 1 : 0;
    }
    return count;
}

namespace {

// libcrypto's one-shot digest, loaded on the first hash: the program is not linked with it, so
// that the window's start does not pay for loading and relocating it. libcrypto uses the
// processor's SHA instructions where there are any (several times faster than a portable
// implementation; the hash is most of an import's work). Null when it cannot be loaded.
struct CryptoDigest {
    decltype(&::EVP_Digest) digest = nullptr;
    decltype(&::EVP_sha256) sha256 = nullptr;
};

const CryptoDigest& cryptoDigest() {
    static const CryptoDigest api = [] {
        CryptoDigest found;
        void* library = openSharedLibrary("libcrypto.so.3");
        if (!findSymbol(library, "EVP_Digest", found.digest) ||
            !findSymbol(library, "EVP_sha256", found.sha256)) {
            found = CryptoDigest{};
        }
        return found;
    }();
    return api;
}

// The SHA-256 digest of `bytes` as 32 bytes: libcrypto's, else Qt's portable one.
QByteArray sha256Digest(const ImageBytes& bytes) {
    const CryptoDigest& crypto = cryptoDigest();
    if (crypto.digest != nullptr) {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        if (crypto.digest(bytes.data(), bytes.size(), digest, &size, crypto.sha256(), nullptr) ==
                1 &&
            size == 32) {
            return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(size));
        }
    }
    return QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Sha256);
}

}  // namespace

std::string sha256Hex(const ImageBytes& bytes) {
    const QByteArray digest = sha256Digest(bytes);
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * static_cast<size_t>(digest.size()));
    for (const char c : digest) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kHex[byte >> 4];
        hex += kHex[byte & 15];
    }
    return hex;
}

Provenance currentProvenance() {
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0) {
        host[0] = '\0';
    }
    return Provenance{host, librarySetting("workshop"), static_cast<int64_t>(::time(nullptr))};
}

StoreRow makeRow(const Item& item, const Provenance& by) {
    FleetDataImage image;
    deserialiseImage(item.bytes, image);
    StoreRow row;
    row.hash = sha256Hex(item.bytes);
    row.ident = image.vehicleIdentString();
    row.savedAt = isoSavedAt(image.savedAt);
    row.addedAt = by.addedAt;
    row.visitAt = row.savedAt.empty() ? localIsoTime(by.addedAt) : row.savedAt;
    row.host = validText(by.host);
    row.workshop = validText(by.workshop);
    row.source = sourceName(item.source);
    row.path = item.path;
    row.figures = imageFigures(image, item.bytes);
    row.data.assign(reinterpret_cast<const char*>(item.bytes.data()), item.bytes.size());
    return row;
}

}  // namespace hm::library
