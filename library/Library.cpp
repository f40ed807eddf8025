#include "library/Library.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>
#include <unordered_set>

#include "library/LibrarySchema.h"
#include "library/LibraryStore.h"
#include "platform/FileAccess.h"
#include "platform/ParallelFor.h"

namespace hm::library {
namespace {

// Queue files sent to the server per transaction.
constexpr size_t kDrainBatch = 1000;

// Threads that make the rows of a large batch (the hash and figures of each image are most of
// an import's work outside the database), and the fewest items worth a thread.
constexpr size_t kRowThreads = 4;
constexpr size_t kRowsPerThread = 256;

// The rows of `items`, each hash once; `repeats` counts the items whose data came twice.
std::vector<StoreRow> uniqueRows(const std::vector<Item>& items, int& repeats) {
    const Provenance by = currentProvenance();
    std::vector<StoreRow> made(items.size());
    parallelFor(items.size(), kRowThreads, kRowsPerThread,
                [&](size_t i) { made[i] = makeRow(items[i], by); });
    std::vector<StoreRow> rows;
    rows.reserve(items.size());
    std::unordered_set<std::string> seen;
    seen.reserve(items.size());
    for (StoreRow& row : made) {
        if (seen.insert(row.hash).second) {
            rows.push_back(std::move(row));
        } else {
            ++repeats;
        }
    }
    return rows;
}

// Puts `rows` into the local queue; the message says how many wait, and where.
void queueRows(const Library::Store& store, const std::vector<StoreRow>& rows,
               StoreResult& result) {
    std::string error;
    for (const StoreRow& row : rows) {
        if (!enqueueRow(store.location.queueDir, row, error)) {
            result.ok = false;
            result.message +=
                libraryText(QCoreApplication::translate(
                                "hm::Library", "; the local queue %1 cannot be written either: %2"),
                            printablePath(store.location.queueDir.string()), error);
            return;
        }
        ++result.queued;
    }
    result.ok = true;
    result.message += libraryText(
        QCoreApplication::translate("hm::Library",
                                    "; %1 wait(s) in the local queue %2 and will be sent when the "
                                    "server is back"),
        std::to_string(result.queued), printablePath(store.location.queueDir.string()));
}

// Sends the queued rows of a shared library; returns how many queue files were sent.
size_t drainQueue(Library::Store& store, std::string& error) {
    const std::vector<std::filesystem::path> files = queuedFiles(store.location.queueDir);
    size_t sent = 0;
    for (size_t first = 0; first < files.size(); first += kDrainBatch) {
        const size_t last = std::min(files.size(), first + kDrainBatch);
        std::vector<StoreRow> rows;
        std::vector<std::filesystem::path> done;
        for (size_t i = first; i < last; ++i) {
            StoreRow row;
            if (readQueuedRow(files[i], row)) {
                rows.push_back(std::move(row));
                done.push_back(files[i]);
            }
        }
        int added = 0;
        int sameVisits = 0;
        QString reason;
        if (!store.insertRows(rows, added, sameVisits, reason)) {
            error = reason.toStdString();
            return sent;
        }
        for (const std::filesystem::path& file : done) {
            std::error_code ec;
            std::filesystem::remove(file, ec);
        }
        sent += done.size();
    }
    return sent;
}

Item itemOf(const FleetDataImage& image, Source source, const std::string& path) {
    return Item{serialiseImage(image), source, path};
}

// Stores `rows` (each of another hash) in one transaction; `repeats` items were dropped before
// as repeats of one of them. A shared library whose server cannot be reached queues them.
StoreResult storeRows(Library::Store& store, const std::vector<StoreRow>& rows, int repeats) {
    StoreResult result;
    result.duplicates = repeats;
    if (store.readOnly) {
        result.message = libraryText(
            QCoreApplication::translate("hm::Library", "cannot add to %1: it is read-only"),
            store.name);
        return result;
    }
    if (store.offline) {
        result.message =
            libraryText(QCoreApplication::translate("hm::Library", "cannot reach %1"), store.name);
        queueRows(store, rows, result);
        return result;
    }
    QString reason;
    int added = 0;
    int sameVisits = 0;
    if (store.insertRows(rows, added, sameVisits, reason)) {
        result.ok = true;
        result.added = added;
        result.sameVisits = sameVisits;
        result.duplicates += static_cast<int>(rows.size()) - added - sameVisits;
        return result;
    }
    result.message =
        libraryText(QCoreApplication::translate("hm::Library", "cannot store in %1: %2"),
                    store.name, reason.trimmed().toStdString());
    if (store.location.shared) {
        store.offline = true;
        queueRows(store, rows, result);
    }
    return result;
}

}  // namespace

Library::Library(std::unique_ptr<Store> store) : store_(std::move(store)) {}
Library::~Library() = default;

std::unique_ptr<Library> Library::open(const Location& location, std::string& error,
                                       std::string* notice) {
    auto store =
        std::make_unique<Store>(location, location.shared ? Dialect::PostgreSQL : Dialect::SQLite);
    error.clear();
    if (!store->open(error)) {
        return nullptr;
    }
    if (location.shared && !store->offline) {
        std::string reason;
        const size_t sent = drainQueue(*store, reason);
        if (notice != nullptr && sent > 0) {
            *notice =
                libraryText(QCoreApplication::translate(
                                "hm::Library",
                                "%1 download(s) that waited in the local queue were stored in %2"),
                            std::to_string(sent), store->name);
        }
        if (!reason.empty() && notice != nullptr) {
            *notice += (notice->empty() ? "" : "; ") +
                       libraryText(QCoreApplication::translate(
                                       "hm::Library", "the local queue could not be sent: %1"),
                                   reason);
        }
    }
    return std::unique_ptr<Library>(new Library(std::move(store)));
}

StoreResult Library::store(const std::vector<Item>& items) {
    int repeats = 0;
    const std::vector<StoreRow> rows = uniqueRows(items, repeats);
    return storeRows(*store_, rows, repeats);
}

StoreResult Library::record(const Item& item) {
    return store({item});
}

StoreResult Library::recordDownload(const FleetDataImage& image) {
    return record(itemOf(image, Source::Download, {}));
}

StoreResult Library::recordLoad(const FleetDataImage& image, const std::string& path) {
    return record(itemOf(image, Source::Load, path));
}

StoreResult Library::recordSave(const FleetDataImage& image, const std::string& path) {
    return record(itemOf(image, Source::Save, path));
}

bool Library::fleet(std::vector<FleetRow>& rows, std::string& error) {
    if (store_->offline) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot reach %1"),
                            store_->name);
        return false;
    }
    QString reason;
    if (!store_->selectFleet(rows, reason)) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot read %1: %2"),
                            store_->name, reason.toStdString());
        return false;
    }
    return true;
}

bool Library::history(const std::string& ident, std::vector<Entry>& entries, std::string& error) {
    if (store_->offline) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot reach %1"),
                            store_->name);
        return false;
    }
    QString reason;
    if (!store_->selectHistory(ident, entries, reason)) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot read %1: %2"),
                            store_->name, reason.toStdString());
        return false;
    }
    return true;
}

bool Library::data(int64_t id, ImageBytes& out, std::string& error) {
    std::string bytes;
    QString reason;
    if (store_->offline || !store_->selectData(id, bytes, reason)) {
        error = libraryText(
            QCoreApplication::translate("hm::Library", "cannot read download %1 of %2: %3"),
            std::to_string(id), store_->name,
            store_->offline ? libraryText(QCoreApplication::translate(
                                  "hm::Library", "the server cannot be reached"))
                            : reason.toStdString());
        return false;
    }
    if (bytes.size() != out.size()) {
        error = libraryText(
            QCoreApplication::translate("hm::Library", "download %1 of %2 is not 2484 bytes"),
            std::to_string(id), store_->name);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), out.begin());
    return true;
}

bool Library::offline() const {
    return store_->offline;
}

std::string Library::describe() const {
    return store_->name;
}

int Library::queuedCount() const {
    return store_->location.shared ? static_cast<int>(queuedFiles(store_->location.queueDir).size())
                                   : 0;
}

}  // namespace hm::library
