#include "library/LibraryStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "library/LibraryBulk.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"

namespace hm::library {
namespace {

// Rows per INSERT statement: few round trips to a server, well under every placeholder limit.
constexpr int kChunkRows = 64;
// From this many rows on, a batch goes through the database's own client library
// (LibraryBulk.h); the session's single downloads need no such path.
constexpr size_t kBulkRows = 32;
// Pages of a new SQLite library: three images fit one page, where a 4 KiB page holds one image
// and wastes the rest. An existing library keeps its page size.
constexpr int kSqlitePageSize = 8192;
constexpr int kColumns = 13;  // of a downloads row
// How long a writer waits for another program's transaction on the same SQLite file.
constexpr int kBusyTimeoutMs = 15000;

const char kEntryColumns[] =
    "d.id, d.hash, d.ident, d.saved_at, d.visit_at, d.added_at, d.host, d.workshop, d.source, "
    "d.path, d.distance_km, d.brake_apps, d.records, d.record_keys";

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("hm-library-%1").arg(counter.fetch_add(1));
}

QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

std::string stdBytes(const QVariant& v) {
    const QByteArray b = v.toByteArray();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

// "INSERT INTO table (columns) VALUES (?,...),... ON CONFLICT (hash) DO NOTHING" for `rows` rows.
QString insertStatement(const QString& table, const QString& columns, int rows) {
    QString one = QStringLiteral("(?");
    one += QStringLiteral(",?").repeated(columns.count(QLatin1Char(',')));
    one += QLatin1Char(')');
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns);
    for (int i = 0; i < rows; ++i) {
        sql += (i > 0 ? QStringLiteral(",") : QString()) + one;
    }
    return sql + QStringLiteral(" ON CONFLICT (hash) DO NOTHING");
}

// The two statements that store `rows` rows: the downloads and their data bytes, kept apart so
// that the fleet view and a history read small rows.
bool prepareInserts(QSqlQuery& downloads, QSqlQuery& images, int rows, QString& error) {
    const bool ok =
        downloads.prepare(insertStatement(
            QStringLiteral("downloads"),
            QStringLiteral("hash, ident, saved_at, visit_at, added_at, host, workshop, source, "
                           "path, distance_km, brake_apps, records, record_keys"),
            rows)) &&
        images.prepare(
            insertStatement(QStringLiteral("images"), QStringLiteral("hash, data"), rows));
    if (!ok) {
        error = (downloads.lastError().isValid() ? downloads : images).lastError().text();
    }
    return ok;
}

void bindRow(QSqlQuery& downloads, QSqlQuery& images, int index, const StoreRow& row) {
    const QVariant values[kColumns] = {
        QString::fromStdString(row.hash),
        bytes(row.ident),
        QString::fromStdString(row.savedAt),
        QString::fromStdString(row.visitAt),
        QVariant::fromValue<qlonglong>(row.addedAt),
        QString::fromUtf8(bytes(row.host)),
        QString::fromUtf8(bytes(row.workshop)),
        QString::fromStdString(row.source),
        bytes(row.path),
        QVariant::fromValue<qlonglong>(row.figures.distanceKm),
        QVariant::fromValue<qlonglong>(row.figures.brakeApplications),
        row.figures.records,
        QString::fromStdString(row.figures.recordKeys),
    };
    for (int c = 0; c < kColumns; ++c) {
        downloads.bindValue(index * kColumns + c, values[c]);
    }
    images.bindValue(index * 2, values[0]);
    images.bindValue(index * 2 + 1, bytes(row.data));
}

Entry readEntry(const QSqlQuery& q) {
    Entry e;
    e.id = q.value(0).toLongLong();
    e.hash = q.value(1).toString().toStdString();
    e.ident = stdBytes(q.value(2));
    e.savedAt = q.value(3).toString().toStdString();
    e.visitAt = q.value(4).toString().toStdString();
    e.addedAt = q.value(5).toLongLong();
    e.host = q.value(6).toString().toStdString();
    e.workshop = q.value(7).toString().toStdString();
    e.source = q.value(8).toString().toStdString();
    e.path = stdBytes(q.value(9));
    e.distanceKm = static_cast<uint32_t>(q.value(10).toLongLong());
    e.brakeApplications = static_cast<uint32_t>(q.value(11).toLongLong());
    e.records = q.value(12).toInt();
    return e;
}

// The bytes of an image that hold its data: all but the signature in front and the saved-at
// time and block size at the end, which every save writes anew. Two images that agree here are
// one visit: a download and a file saved from it, or two saves of one download.
constexpr size_t kDataBegin = offsetof(FleetDataImage, vehicleIdent);
constexpr size_t kDataEnd = offsetof(FleetDataImage, savedAt);
// Up to this many rows, each is looked up in the library by its trailer; a larger batch first
// reads which trailer, distance and brake applications the library holds at all.
constexpr size_t kLookupRows = 64;

std::string_view visitData(const std::string& data) {
    return std::string_view(data).substr(kDataBegin, kDataEnd - kDataBegin);
}

// A loaded, saved or imported file may be a copy of a visit stored before; a download is a
// visit of its own.
bool mayRepeatVisit(const StoreRow& row) {
    return row.source != sourceName(Source::Download);
}

std::string figuresKey(const std::string& ident, qlonglong distanceKm, qlonglong brakeApps) {
    return ident + '\0' + std::to_string(distanceKm) + ',' + std::to_string(brakeApps);
}

// True when this process may not write the SQLite file `path` (or create it, or its journal
// files, in its folder).
bool sqliteReadOnly(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (::access(folder.c_str(), W_OK) != 0) {
        return true;
    }
    return ::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0;
}

// Points `database` at the file. A library this process may not write is opened read-only,
// and SQLite must not create its -wal and -shm files either: made by a reader, they would get
// the library's read-only mode and refuse every later writer. When a writer has them open
// already, they are used (the reader then sees what is only in the -wal); else the file is
// opened as immutable, read as it is, with nothing created beside it.
void configureSqlite(QSqlDatabase& database, const std::string& file, bool readOnly) {
    const QString path = QString::fromLocal8Bit(file.c_str());
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    const bool walFiles = ::access((file + "-wal").c_str(), F_OK) == 0 &&
                          ::access((file + "-shm").c_str(), F_OK) == 0;
    if (readOnly && !walFiles) {
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        uri.setQuery(QStringLiteral("immutable=1"));
        database.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    } else {
        database.setDatabaseName(path);
        options += readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString();
    }
    database.setConnectOptions(options);
}

// What an SQLite library is set to before its schema is checked: the page size (it takes
// effect only in a file without tables yet, elsewhere it changes nothing) and, for a file this
// program has just created, the rest at once, so that creating the schema needs no rollback
// journal and no sync per statement. Any other file is left untouched (and unread: most
// pragmas read the schema) until its schema is known to be a library's.
QStringList beforeSchema(bool fresh) {
    QStringList pragmas{QStringLiteral("PRAGMA page_size=%1").arg(kSqlitePageSize)};
    if (fresh) {
        pragmas << QStringLiteral("PRAGMA synchronous=NORMAL")
                << QStringLiteral("PRAGMA journal_mode=WAL");
    }
    return pragmas;
}

// WAL: readers go on while an import writes; a cache that holds a large import's pages keeps
// them out of the log until the commit. In WAL, synchronous=NORMAL syncs at each checkpoint
// rather than each commit: a power cut may lose the last imports, never the library's
// consistency.
QStringList afterSchema() {
    return {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL"),
            QStringLiteral("PRAGMA cache_size=-65536")};
}

bool runPragmas(QSqlDatabase& database, const QStringList& pragmas, QString& error) {
    QSqlQuery pragma(database);
    for (const QString& statement : pragmas) {
        if (!pragma.exec(statement)) {
            error = pragma.lastError().text();
            return false;
        }
    }
    return true;
}

}  // namespace

Library::Store::Store(const Location& where, Dialect d)
    : location(where), dialect(d), connection_(nextConnectionName()) {}

Library::Store::~Store() {
    {
        QSqlDatabase database = db();
        if (database.isValid()) {
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(connection_);
}

bool Library::Store::open(std::string& error) {
    return dialect == Dialect::SQLite ? openSqlite(error) : openPostgres(error);
}

bool Library::Store::openSqlite(std::string& error) {
    const std::filesystem::path path(location.sqlitePath);
    name = libraryText(QCoreApplication::translate("hm::Library", "the library %1"),
                       printablePath(location.sqlitePath));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        error = libraryText(QCoreApplication::translate(
            "hm::Library", "the SQLite driver of Qt is not installed (Debian: libqt6sql6-sqlite)"));
        return false;
    }
    if (path.has_parent_path() && !std::filesystem::exists(path.parent_path()) &&
        !ensureDirectory(path.parent_path(), error)) {
        error = libraryText(
            QCoreApplication::translate("hm::Library", "cannot create the folder of %1: %2"), name,
            error);
        return false;
    }
    // Only SQLite opens the file. A descriptor of our own on it, however briefly, would on its
    // close drop every POSIX lock this process holds on the file (the other connections' too:
    // the window's recorder and library window share one), and the next program to close the
    // library would then take itself for the last one and delete the -wal and -shm files under
    // them. So a FIFO, device or folder is refused by its stat alone.
    struct stat st {};
    const bool fresh = ::stat(path.c_str(), &st) != 0;
    if (!fresh && !S_ISREG(st.st_mode)) {
        const QString why =
            S_ISDIR(st.st_mode)
                ? QCoreApplication::translate("hm::FileAccess", "is a folder")
                : QCoreApplication::translate("hm::FileAccess", "is %1, not a regular file")
                      .arg(QString::fromStdString(fileKindText(st.st_mode)));
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot open %1: %2"), name,
                            why.toStdString());
        return false;
    }
    readOnly = sqliteReadOnly(path);
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    configureSqlite(database, location.sqlitePath, readOnly);
    if (!database.open()) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot open %1: %2"), name,
                            database.lastError().text().toStdString());
        return false;
    }
    QString reason;
    if (!readOnly && !runPragmas(database, beforeSchema(fresh), reason)) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot open %1: %2"), name,
                            reason.toStdString());
        return false;
    }
    if (!prepareSchema(database, dialect, readOnly, name, error)) {
        return false;
    }
    if (!readOnly && !runPragmas(database, afterSchema(), reason)) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot open %1: %2"), name,
                            reason.toStdString());
        return false;
    }
    return true;
}

bool Library::Store::openPostgres(std::string& error) {
    name = libraryText(QCoreApplication::translate("hm::Library", "the library %1"),
                       redactedUrl(location.url));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        error = libraryText(QCoreApplication::translate(
            "hm::Library",
            "the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)"));
        return false;
    }
    const QUrl url(QString::fromStdString(location.url));
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    database.setHostName(url.host());
    database.setPort(url.port(5432));
    database.setUserName(url.userName());
    database.setPassword(url.password());
    database.setDatabaseName(url.path().mid(1));
    QStringList options{QStringLiteral("connect_timeout=5")};
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        options << key + QLatin1Char('=') + value;
    }
    database.setConnectOptions(options.join(QLatin1Char(';')));
    if (!database.open()) {
        offline = true;
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot reach %1: %2"), name,
                            database.lastError().text().trimmed().toStdString());
        return true;
    }
    return prepareSchema(database, dialect, false, name, error);
}

bool Library::Store::insertChunk(QSqlQuery& downloads, QSqlQuery& images, const StoreRow* rows,
                                 int count, int& added, QString& error) {
    for (int i = 0; i < count; ++i) {
        bindRow(downloads, images, i, rows[i]);
    }
    if (!downloads.exec() || !images.exec()) {
        error = (downloads.lastError().isValid() ? downloads : images).lastError().text();
        return false;
    }
    added += std::max(0, downloads.numRowsAffected());
    return true;
}

bool Library::Store::insertAll(const std::vector<StoreRow>& rows, int& added, QString& error) {
    // SQLite runs in this process: one row per statement, prepared once, is fastest there. A
    // server gets many rows per statement, so that a round trip carries a batch.
    const size_t chunk = dialect == Dialect::SQLite ? 1 : kChunkRows;
    const size_t whole = rows.size() / chunk * chunk;
    QSqlQuery downloads(db());
    QSqlQuery images(db());
    if (whole > 0 && !prepareInserts(downloads, images, static_cast<int>(chunk), error)) {
        return false;
    }
    for (size_t i = 0; i < whole; i += chunk) {
        if (!insertChunk(downloads, images, rows.data() + i, static_cast<int>(chunk), added,
                         error)) {
            return false;
        }
    }
    const int rest = static_cast<int>(rows.size() - whole);
    if (rest == 0) {
        return true;
    }
    return prepareInserts(downloads, images, rest, error) &&
           insertChunk(downloads, images, rows.data() + whole, rest, added, error);
}

bool Library::Store::holdsSameData(const StoreRow& row, bool& same, QString& error) {
    QSqlQuery query(db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT images.data FROM downloads JOIN images ON images.hash = downloads.hash "
        "WHERE downloads.ident = ? AND downloads.distance_km = ? AND downloads.brake_apps = ? "
        "AND downloads.hash <> ?"));
    query.addBindValue(bytes(row.ident));
    query.addBindValue(QVariant::fromValue<qlonglong>(row.figures.distanceKm));
    query.addBindValue(QVariant::fromValue<qlonglong>(row.figures.brakeApplications));
    query.addBindValue(QString::fromStdString(row.hash));
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    same = false;
    while (!same && query.next()) {
        const QByteArray data = query.value(0).toByteArray();
        same = static_cast<size_t>(data.size()) == row.data.size() &&
               std::memcmp(data.constData() + kDataBegin, row.data.data() + kDataBegin,
                           kDataEnd - kDataBegin) == 0;
    }
    return true;
}

bool Library::Store::findSameVisits(const std::vector<StoreRow>& rows, std::vector<char>& repeat,
                                    QString& error) {
    repeat.assign(rows.size(), 0);
    std::unordered_set<std::string> stored;
    const bool scan = rows.size() > kLookupRows;
    if (scan) {
        QSqlQuery query(db());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT ident, distance_km, brake_apps FROM downloads"))) {
            error = query.lastError().text();
            return false;
        }
        while (query.next()) {
            stored.insert(figuresKey(stdBytes(query.value(0)), query.value(1).toLongLong(),
                                     query.value(2).toLongLong()));
        }
    }
    std::unordered_set<std::string_view> batch;
    for (size_t i = 0; i < rows.size(); ++i) {
        const StoreRow& row = rows[i];
        const bool earlier = !batch.insert(visitData(row.data)).second;
        if (!mayRepeatVisit(row)) {
            continue;
        }
        bool same = earlier;
        if (!same &&
            (!scan || stored.count(figuresKey(row.ident, row.figures.distanceKm,
                                              row.figures.brakeApplications)) > 0) &&
            !holdsSameData(row, same, error)) {
            return false;
        }
        repeat[i] = same ? 1 : 0;
    }
    return true;
}

bool Library::Store::insertInTransaction(const std::vector<StoreRow>& all, int& added,
                                         int* sameVisits, QString& error) {
    QSqlQuery query(db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM downloads")) ||
        !query.next()) {
        error = query.lastError().text();
        return false;
    }
    // Under the write lock every new download gets a larger id than any stored before.
    const qlonglong before = query.value(0).toLongLong();
    query.finish();
    std::vector<char> repeat(all.size(), 0);
    if (sameVisits != nullptr && !findSameVisits(all, repeat, error)) {
        return false;
    }
    std::vector<StoreRow> kept;
    const int repeats = static_cast<int>(std::count(repeat.begin(), repeat.end(), 1));
    for (size_t i = 0; repeats > 0 && i < all.size(); ++i) {
        if (repeat[i] == 0) {
            kept.push_back(all[i]);
        }
    }
    if (sameVisits != nullptr) {
        *sameVisits = repeats;
    }
    const std::vector<StoreRow>& rows = repeats > 0 ? kept : all;
    BulkInsert bulk = BulkInsert::Unavailable;
    if (rows.size() >= kBulkRows) {
        bulk = dialect == Dialect::SQLite ? bulkInsertSqlite(db(), rows, added, error)
                                          : bulkInsertPostgres(db(), rows, added, error);
    }
    if (bulk == BulkInsert::Failed ||
        (bulk == BulkInsert::Unavailable && !insertAll(rows, added, error))) {
        return false;
    }
    query.prepare(
        refreshTrailersStatement(QStringLiteral("SELECT ident FROM downloads WHERE id > ?")));
    query.addBindValue(before);
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

bool Library::Store::writeRows(const std::vector<StoreRow>& rows, int& added, int* sameVisits,
                               QString& error) {
    QSqlDatabase database = db();
    if (!beginWrite(database, dialect, error)) {
        return false;
    }
    int newRows = 0;
    int repeats = 0;
    bool ok = insertInTransaction(rows, newRows, sameVisits != nullptr ? &repeats : nullptr, error);
    if (ok && !database.commit()) {
        error = database.lastError().text();
        ok = false;
    }
    if (!ok) {
        database.rollback();
        return false;
    }
    added += newRows;
    if (sameVisits != nullptr) {
        *sameVisits += repeats;
    }
    return true;
}

bool Library::Store::insertRows(const std::vector<StoreRow>& rows, int& added, int& sameVisits,
                                QString& error) {
    return writeRows(rows, added, &sameVisits, error);
}

bool Library::Store::insertRows(const std::vector<StoreRow>& rows, int& added, QString& error) {
    return writeRows(rows, added, nullptr, error);
}

bool Library::Store::selectHistory(const std::string& ident, std::vector<Entry>& entries,
                                   QString& error) {
    QSqlQuery query(db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM downloads d WHERE d.ident = ? "
                                 "ORDER BY d.visit_at, d.added_at, d.id")
                      .arg(QLatin1String(kEntryColumns)));
    query.addBindValue(bytes(ident));
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        entries.push_back(readEntry(query));
    }
    if (query.lastError().isValid()) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

bool Library::Store::selectFleet(std::vector<FleetRow>& rows, QString& error) {
    QSqlQuery query(db());
    query.setForwardOnly(true);
    // The trailers table names each trailer's latest two downloads; two look-ups by key a row.
    if (!query.exec(QStringLiteral("SELECT %1, t.downloads, p.id, p.distance_km, p.brake_apps, "
                                   "p.record_keys FROM trailers t JOIN downloads d ON d.id = "
                                   "t.latest_id LEFT JOIN downloads p ON p.id = t.previous_id "
                                   "ORDER BY t.ident")
                        .arg(QLatin1String(kEntryColumns)))) {
        error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        FleetRow row;
        row.latest = readEntry(query);
        row.downloads = query.value(14).toInt();
        row.hasPrevious = !query.value(15).isNull();
        const std::string latestKeys = query.value(13).toString().toStdString();
        if (row.hasPrevious) {
            row.distanceSinceKm = int64_t{row.latest.distanceKm} - query.value(16).toLongLong();
            row.brakeApplicationsSince =
                int64_t{row.latest.brakeApplications} - query.value(17).toLongLong();
            row.newRecords = newRecordCount(query.value(18).toString().toStdString(), latestKeys);
        } else {
            row.newRecords = row.latest.records;
        }
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid()) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

bool Library::Store::selectData(int64_t id, std::string& out, QString& error) {
    QSqlQuery query(db());
    query.prepare(QStringLiteral(
        "SELECT images.data FROM downloads JOIN images ON images.hash = downloads.hash "
        "WHERE downloads.id = ?"));
    query.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!query.exec() || !query.next()) {
        error = query.lastError().isValid()
                    ? query.lastError().text()
                    : QCoreApplication::translate("hm::Library", "no download with that number");
        return false;
    }
    out = stdBytes(query.value(0));
    return true;
}

}  // namespace hm::library
