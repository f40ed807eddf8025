// `copyLibrary`: every download of one library into another, batch by batch. The backup of an
// SQLite library is in LibraryBackup.cpp.
#include "library/LibraryCopy.h"

#include <sys/stat.h>

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "library/LibrarySchema.h"
#include "library/LibraryStore.h"
#include "library/StoreRow.h"
#include "platform/FileAccess.h"

namespace hm::library {
namespace {

// Downloads per transaction of the destination: about 1.2 MB of images, so that an interrupted
// copy loses little work and a batch never holds the destination's write lock for long.
constexpr int kCopyBatch = 500;

using StorePtr = std::unique_ptr<Library::Store>;

std::string fromBytes(const QVariant& v) {
    const QByteArray b = v.toByteArray();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

// A downloads row of the source with its image, as stored.
struct SourceRow {
    int64_t id = 0;
    StoreRow row;  // every column as the source holds it; figures are derived again
    bool hasImage = false;
};

// Opens one side of the copy. The source must exist (an SQLite path with a typing error would
// otherwise become a new, empty library); the destination is created or migrated as any
// command does. A server that cannot be reached is an error here: nothing is queued.
StorePtr openSide(const Location& location, bool source, std::string& error) {
    if (source && !location.shared) {
        struct stat st {};
        if (::stat(location.sqlitePath.c_str(), &st) != 0) {
            error = libraryText(
                QCoreApplication::translate("hm::Library", "there is no library %1: %2"),
                printablePath(location.sqlitePath), std::string(std::strerror(errno)));
            return nullptr;
        }
    }
    auto store = std::make_unique<Library::Store>(
        location, location.shared ? Dialect::PostgreSQL : Dialect::SQLite);
    if (!store->open(error) || store->offline) {
        return nullptr;
    }
    if (!source && store->readOnly) {
        error = libraryText(
            QCoreApplication::translate("hm::Library", "cannot add to %1: it is read-only"),
            store->name);
        return nullptr;
    }
    error.clear();
    return store;
}

// Which server, database and cluster a PostgreSQL connection reached (the start time tells two
// servers on one port apart); empty when it cannot be read.
std::string serverIdentity(const Library::Store& store) {
    QSqlQuery query(store.db());
    if (!query.exec(QStringLiteral("SELECT current_database() || '/' || current_setting('port') "
                                   "|| '/' || pg_postmaster_start_time()::text")) ||
        !query.next()) {
        return {};
    }
    return query.value(0).toString().toStdString();
}

// True when `from` and `to` are the same library: the same file (also through another name or
// a link), or the same database of the same server (however the URLs spell it).
bool sameLibrary(const Location& from, const Library::Store* a, const Location& to,
                 const Library::Store* b) {
    if (from.shared != to.shared) {
        return false;
    }
    if (from.shared) {
        const std::string one = serverIdentity(*a);
        return !one.empty() && one == serverIdentity(*b);
    }
    struct stat x {};
    struct stat y {};
    return ::stat(from.sqlitePath.c_str(), &x) == 0 && ::stat(to.sqlitePath.c_str(), &y) == 0 &&
           x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

SourceRow readSourceRow(const QSqlQuery& q) {
    SourceRow s;
    s.id = q.value(0).toLongLong();
    StoreRow& r = s.row;
    r.hash = q.value(1).toString().toStdString();
    r.ident = fromBytes(q.value(2));
    r.savedAt = q.value(3).toString().toStdString();
    r.visitAt = q.value(4).toString().toStdString();
    r.addedAt = q.value(5).toLongLong();
    r.host = q.value(6).toString().toStdString();
    r.workshop = q.value(7).toString().toStdString();
    r.source = q.value(8).toString().toStdString();
    r.path = fromBytes(q.value(9));
    s.hasImage = !q.value(10).isNull();
    r.data = fromBytes(q.value(10));
    return s;
}

// Runs `sql` (one placeholder: the id after which to read, a LIMIT of kCopyBatch as %1) on
// the source and hands each row to `take`. False with `error` when the query fails.
bool readRowsAfter(const Library::Store& store, const char* sql, int64_t afterId,
                   const std::function<void(const QSqlQuery&)>& take, QString& error) {
    QSqlQuery query(store.db());
    query.setForwardOnly(true);
    query.prepare(QString::fromLatin1(sql).arg(kCopyBatch));
    query.addBindValue(QVariant::fromValue<qlonglong>(afterId));
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        take(query);
    }
    if (query.lastError().isValid()) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

// The next downloads of the source after `afterId`, by id (the order they were added in).
bool readBatch(const Library::Store& store, int64_t afterId, std::vector<SourceRow>& rows,
               QString& error) {
    return readRowsAfter(
        store,
        "SELECT d.id, d.hash, d.ident, d.saved_at, d.visit_at, d.added_at, d.host, d.workshop, "
        "d.source, d.path, i.data FROM downloads d LEFT JOIN images i ON i.hash = d.hash "
        "WHERE d.id > ? ORDER BY d.id LIMIT %1",
        afterId, [&rows](const QSqlQuery& query) { rows.push_back(readSourceRow(query)); }, error);
}

// Checks `s`'s image against its stored hash and fills in the figures derived from it. False
// with `why` when the image is missing, not 2484 bytes, or not the one the hash names.
bool checkImage(SourceRow& s, std::string& why) {
    Item item;
    if (!s.hasImage) {
        why = QCoreApplication::translate("hm::Library", "its image is missing").toStdString();
        return false;
    }
    if (s.row.data.size() != item.bytes.size()) {
        why =
            QCoreApplication::translate("hm::Library", "its image is not 2484 bytes").toStdString();
        return false;
    }
    std::copy(s.row.data.begin(), s.row.data.end(), item.bytes.begin());
    const StoreRow made = makeRow(item, Provenance{});
    if (made.hash != s.row.hash) {
        why = QCoreApplication::translate("hm::Library", "its image does not match its hash")
                  .toStdString();
        return false;
    }
    s.row.figures = made.figures;
    return true;
}

// Copies one batch; false with `result.message` when the destination refused it (nothing of the
// batch is stored then).
bool copyBatch(std::vector<SourceRow>& batch, const Library::Store& from, Library::Store& to,
               CopyResult& result) {
    std::vector<StoreRow> rows;
    rows.reserve(batch.size());
    for (SourceRow& s : batch) {
        std::string why;
        if (checkImage(s, why)) {
            rows.push_back(std::move(s.row));
            continue;
        }
        ++result.skipped;
        result.message += libraryText(QCoreApplication::translate(
                                          "hm::Library", "download %1 of %2 (%3, %4): %5; skipped"),
                                      std::to_string(s.id), from.name, printablePath(s.row.ident),
                                      s.row.hash.empty() ? std::string("-") : s.row.hash, why) +
                          "\n";
    }
    int added = 0;
    QString reason;
    if (!rows.empty() && !to.insertRows(rows, added, reason)) {
        result.message +=
            libraryText(QCoreApplication::translate("hm::Library", "cannot store in %1: %2"),
                        to.name, reason.simplified().toStdString());
        return false;
    }
    result.copied += added;
    result.already += static_cast<int>(rows.size()) - added;
    return true;
}

// Reads and copies batch after batch until the source has no more. (Driver and server texts
// may span lines; the message keeps one line per fault.)
void copyAll(const Library::Store& from, Library::Store& to,
             const std::function<void(const CopyResult&)>& progress, CopyResult& result) {
    int64_t last = 0;
    for (;;) {
        std::vector<SourceRow> batch;
        QString reason;
        if (!readBatch(from, last, batch, reason)) {
            result.message +=
                libraryText(QCoreApplication::translate("hm::Library", "cannot read %1: %2"),
                            from.name, reason.simplified().toStdString());
            return;
        }
        if (batch.empty()) {
            result.ok = true;
            return;
        }
        last = batch.back().id;
        if (!copyBatch(batch, from, to, result)) {
            return;
        }
        if (progress) {
            progress(result);
        }
    }
}

// The details rows of the source after `afterId`, by id: ident, the four fields, changed_at,
// host, workshop.
bool readDetailsBatch(const Library::Store& store, int64_t afterId,
                      std::vector<std::pair<int64_t, std::vector<QVariant>>>& rows,
                      QString& error) {
    return readRowsAfter(
        store,
        "SELECT id, ident, fleet_number, plate, customer, notes, changed_at, host, workshop "
        "FROM trailer_details WHERE id > ? ORDER BY id LIMIT %1",
        afterId,
        [&rows](const QSqlQuery& query) {
            std::vector<QVariant> values;
            for (int c = 1; c <= 8; ++c) {
                values.push_back(c == 1 ? QVariant(query.value(c).toByteArray())
                                        : QVariant(query.value(c).toString()));
            }
            rows.emplace_back(query.value(0).toLongLong(), std::move(values));
        },
        error);
}

// Stores one batch of details rows in one transaction, each unless the destination holds the
// same change (the workshop is not compared: a shared destination stamps its own).
bool writeDetailsBatch(Library::Store& to,
                       const std::vector<std::pair<int64_t, std::vector<QVariant>>>& rows,
                       int& added, QString& error) {
    QSqlDatabase db = to.db();
    if (!db.transaction()) {
        error = db.lastError().text();
        return false;
    }
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO trailer_details (ident, fleet_number, plate, customer, notes, changed_at, "
        "host, workshop) SELECT ?, ?, ?, ?, ?, ?, ?, ? WHERE NOT EXISTS (SELECT 1 FROM "
        "trailer_details WHERE ident = ? AND fleet_number = ? AND plate = ? AND customer = ? "
        "AND notes = ? AND changed_at = ? AND host = ?)"));
    int batchAdded = 0;
    for (const auto& row : rows) {
        for (const QVariant& v : row.second) {
            insert.addBindValue(v);
        }
        for (size_t c = 0; c < 7; ++c) {
            insert.addBindValue(row.second[c]);
        }
        if (!insert.exec()) {
            error = failureText(insert);
            db.rollback();
            return false;
        }
        batchAdded += std::max(0, insert.numRowsAffected());
    }
    if (!db.commit()) {
        error = db.lastError().text();
        db.rollback();
        return false;
    }
    added += batchAdded;
    return true;
}

// Copies every details row after the downloads (a destination without them would show the
// trailers without their plates).
void copyDetails(const Library::Store& from, Library::Store& to, CopyResult& result) {
    int64_t last = 0;
    for (;;) {
        std::vector<std::pair<int64_t, std::vector<QVariant>>> rows;
        QString reason;
        if (!readDetailsBatch(from, last, rows, reason)) {
            result.ok = false;
            result.message +=
                libraryText(QCoreApplication::translate("hm::Library", "cannot read %1: %2"),
                            from.name, reason.simplified().toStdString());
            return;
        }
        if (rows.empty()) {
            return;
        }
        last = rows.back().first;
        if (!writeDetailsBatch(to, rows, result.details, reason)) {
            result.ok = false;
            result.message +=
                libraryText(QCoreApplication::translate("hm::Library", "cannot store in %1: %2"),
                            to.name, reason.simplified().toStdString());
            return;
        }
    }
}

}  // namespace

CopyResult copyLibrary(const Location& from, const Location& to,
                       const std::function<void(const CopyResult&)>& progress) {
    CopyResult result;
    const StorePtr source = openSide(from, true, result.message);
    if (!source) {
        return result;
    }
    const StorePtr target = openSide(to, false, result.message);
    if (!target) {
        return result;
    }
    if (sameLibrary(from, source.get(), to, target.get())) {
        result.message = libraryText(
            QCoreApplication::translate("hm::Library", "%1 and %2 are the same library"),
            source->name, target->name);
        return result;
    }
    copyAll(*source, *target, progress, result);
    if (result.ok) {
        copyDetails(*source, *target, result);
    }
    if (!result.ok) {
        result.message +=
            libraryText(QCoreApplication::translate(
                            "hm::Library",
                            "; %1 download(s) were copied before; run the same copy again to "
                            "finish it (nothing is stored twice)"),
                        std::to_string(result.copied));
    }
    return result;
}

}  // namespace hm::library
