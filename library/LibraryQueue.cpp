// The local queue of a shared library: one small text file per waiting row ("key=hex" lines),
// named by the row's content hash, so that queueing the same data twice keeps one file.
#include <QByteArray>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <system_error>

#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"
#include "library/StoreRow.h"

namespace hm::library {
namespace {

constexpr char kMarker[] = "haulmetry-library-queue 1";
// A queue file holds a 2484-byte image in hex and a few short fields.
constexpr size_t kQueueFileLimit = 64 * 1024;

std::string hex(const std::string& bytes) {
    return QByteArray::fromStdString(bytes).toHex().toStdString();
}

std::string unhex(const std::string& text) {
    return QByteArray::fromHex(QByteArray::fromStdString(text)).toStdString();
}

std::map<std::string, std::string> parseFields(const std::string& text) {
    std::map<std::string, std::string> fields;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(start, end - start);
        const size_t eq = line.find('=');
        if (eq != std::string::npos) {
            fields[line.substr(0, eq)] = line.substr(eq + 1);
        }
        start = end + 1;
    }
    return fields;
}

}  // namespace

bool enqueueRow(const std::filesystem::path& dir, const StoreRow& row, std::string& error) {
    if (!ensureDirectory(dir, error)) {
        return false;
    }
    std::string text = std::string(kMarker) + "\n";
    text += "hash=" + row.hash + "\n";
    text += "ident=" + hex(row.ident) + "\n";
    text += "addedAt=" + std::to_string(row.addedAt) + "\n";
    text += "host=" + hex(row.host) + "\n";
    text += "workshop=" + hex(row.workshop) + "\n";
    text += "source=" + row.source + "\n";
    text += "path=" + hex(row.path) + "\n";
    text += "visitAt=" + row.visitAt + "\n";
    text += "data=" + hex(row.data) + "\nend=1\n";
    return writeFileAtomic(dir / (row.hash + ".item"), text.data(), text.size(), error);
}

std::vector<std::filesystem::path> queuedFiles(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".item") {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool readQueuedRow(const std::filesystem::path& file, StoreRow& row) {
    std::string text;
    std::string error;
    if (!readRegularFile(file, kQueueFileLimit, text, error) || !text.starts_with(kMarker)) {
        return false;
    }
    std::map<std::string, std::string> f = parseFields(text);
    if (f["end"] != "1") {
        return false;
    }
    Item item;
    const std::string data = unhex(f["data"]);
    if (data.size() != item.bytes.size()) {
        return false;
    }
    std::copy(data.begin(), data.end(), item.bytes.begin());
    item.path = unhex(f["path"]);
    const Provenance by{unhex(f["host"]), unhex(f["workshop"]),
                        std::strtoll(f["addedAt"].c_str(), nullptr, 10)};
    row = makeRow(item, by);
    row.source = f["source"];
    row.visitAt = f["visitAt"];
    return row.hash == f["hash"];
}

}  // namespace hm::library
