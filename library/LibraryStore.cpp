#include "library/LibraryStore.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QByteArray>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "figures/FigureChange.h"
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
// How long a writer waits for another program's transaction on the same SQLite file.
constexpr int kBusyTimeoutMs = 15000;

// The bounds of a PostgreSQL connection (docs/library.md, "Time-outs"): connecting, TCP
// keepalives (a peer gone without a word is noticed within idle + interval * count), data left
// unacknowledged, waiting for a lock, one statement, and a transaction left idle.
constexpr int kConnectTimeoutS = 10;
constexpr int kKeepaliveIdleS = 30;
constexpr int kKeepaliveIntervalS = 10;
constexpr int kKeepaliveCount = 3;
constexpr int kTcpUserTimeoutMs = 60000;
constexpr int kLockTimeoutS = 30;
constexpr int kStatementTimeoutS = 300;
constexpr int kIdleInTransactionS = 120;
// How long the check whether a server listens at all waits.
constexpr int kProbeTimeoutMs = 3000;

constexpr int kEntryBaseColumns = 14;
constexpr int kEntryColumnCount = kEntryBaseColumns + figures::kFigureCount;

// The figure columns of the download `alias`: "d.distance_km, d.brake_applications, ...".
QString figureColumns(const QString& alias) {
    QStringList columns;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        columns << alias + QLatin1Char('.') + QLatin1String(figureColumn(info.id));
    }
    return columns.join(QStringLiteral(", "));
}

// What an Entry reads: the columns of schema version 1, then every figure.
QString entryColumns() {
    return QStringLiteral(
               "d.id, d.hash, d.ident, d.saved_at, d.visit_at, d.added_at, d.host, d.workshop, "
               "d.source, d.path, d.distance_km, d.brake_apps, d.records, d.record_keys, ") +
           figureColumns(QStringLiteral("d"));
}

// The figures read from the columns `first`, `first` + 1, ... of `q` (as figureColumns).
figures::Figures readFigures(const QSqlQuery& q, int first) {
    figures::Figures values;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        values.setValue(info.id, static_cast<uint64_t>(q.value(first++).toLongLong()));
    }
    return values;
}

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

// The two statements that store `rows` rows: the downloads and their data bytes, kept apart so
// that the fleet view and a history read small rows.
bool prepareInserts(QSqlQuery& downloads, QSqlQuery& images, int rows, QString& error) {
    const bool ok = downloads.prepare(QString::fromStdString(insertStatement(
                        InsertTable::Downloads, static_cast<size_t>(rows), false))) &&
                    images.prepare(QString::fromStdString(
                        insertStatement(InsertTable::Images, static_cast<size_t>(rows), false)));
    if (!ok) {
        error = (downloads.lastError().isValid() ? downloads : images).lastError().text();
    }
    return ok;
}

void bindRow(QSqlQuery& downloads, QSqlQuery& images, int index, const StoreRow& row) {
    const QVariant values[kDownloadBaseColumns] = {
        QString::fromStdString(row.hash),
        bytes(row.ident),
        QString::fromStdString(row.savedAt),
        QString::fromStdString(row.visitAt),
        QVariant::fromValue<qlonglong>(row.addedAt),
        QString::fromUtf8(bytes(row.host)),
        QString::fromUtf8(bytes(row.workshop)),
        QString::fromStdString(row.source),
        bytes(row.path),
        figureValue(row.figures.values.distanceKm),
        QVariant::fromValue<qlonglong>(row.figures.brakeApplications),
        row.figures.records,
        QString::fromStdString(row.figures.recordKeys),
    };
    const int first = index * kDownloadColumnCount;
    for (int c = 0; c < kDownloadBaseColumns; ++c) {
        downloads.bindValue(first + c, values[c]);
    }
    int c = kDownloadBaseColumns;
    for (const int64_t value : extraFigureValues(row.figures.values)) {
        downloads.bindValue(first + c++, QVariant::fromValue<qlonglong>(value));
    }
    downloads.bindValue(first + c, QString::fromStdString(row.figures.identText));
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
    e.figures = readFigures(q, kEntryBaseColumns);
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

// libpq's "key='value'" form of one connection parameter. Qt's driver turns every ';' of its
// options into a blank, so a value holding one cannot be passed on.
bool quotedParameter(const QString& key, const QString& value, QString& out, std::string& error) {
    if (value.contains(QLatin1Char(';')) ||
        !QRegularExpression(QStringLiteral("^[a-z_]+$")).match(key).hasMatch()) {
        error = libraryText(QCoreApplication::translate(
                                "hm::Library", "the connection parameter %1 cannot be passed on"),
                            key.toStdString());
        return false;
    }
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    out += QStringLiteral("%1='%2' ").arg(key, escaped);
    return true;
}

// The connection parameters: those of the settings file, then the URL's (sslmode=,
// sslrootcert=, ...), then the program's own time-outs and keepalives, which come last and so
// win (docs/library.md, "Time-outs"): no silent server, no lock held elsewhere and no
// forgotten transaction keeps an import, a list or the window waiting without end.
bool connectOptions(const Location& location, const QUrl& url, QString& options,
                    std::string& error) {
    std::vector<std::pair<QString, QString>> given;
    for (const auto& [key, value] : location.parameters) {
        given.emplace_back(QString::fromStdString(key), QString::fromStdString(value));
    }
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        given.emplace_back(key, value);
    }
    for (const auto& [key, value] : given) {
        if (!quotedParameter(key, value, options, error)) {
            return false;
        }
    }
    options += QStringLiteral(
                   "connect_timeout=%1 keepalives=1 keepalives_idle=%2 keepalives_interval=%3 "
                   "keepalives_count=%4 tcp_user_timeout=%5 options='-c lock_timeout=%6s "
                   "-c statement_timeout=%7s -c idle_in_transaction_session_timeout=%8s'")
                   .arg(kConnectTimeoutS)
                   .arg(kKeepaliveIdleS)
                   .arg(kKeepaliveIntervalS)
                   .arg(kKeepaliveCount)
                   .arg(kTcpUserTimeoutMs)
                   .arg(kLockTimeoutS)
                   .arg(kStatementTimeoutS)
                   .arg(kIdleInTransactionS);
    return true;
}

// True when a TCP connection to `host`:`port` is accepted within kProbeTimeoutMs.
bool portAnswers(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool answers = false;
    for (addrinfo* a = found; a != nullptr && !answers; a = a->ai_next) {
        const int fd =
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            continue;
        }
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
            answers = true;
        } else if (errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int soError = 0;
            socklen_t length = sizeof soError;
            answers = ::poll(&p, 1, kProbeTimeoutMs) == 1 &&
                      ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &length) == 0 &&
                      soError == 0;
        }
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return answers;
}

// True when a connection that failed after `took` failed for want of a server: none listens
// (a connection to its port is refused or never answered), or it accepted and said nothing
// until the connection time-out. libpq's own texts are translated, so they are not read.
bool unreachable(const QUrl& url, std::chrono::steady_clock::duration took) {
    if (took >= std::chrono::seconds(kConnectTimeoutS - 1) || url.host().isEmpty()) {
        return true;
    }
    return !portAnswers(url.host().toStdString(), url.port(5432));
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
    QString options;
    if (!connectOptions(location, url, options, error)) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot open %1: %2"), name,
                            error);
        return false;
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    database.setHostName(url.host());
    database.setPort(url.port(5432));
    database.setUserName(url.userName());
    // No password given: libpq finds one in PGPASSFILE or ~/.pgpass, or a service file.
    database.setPassword(url.password().isEmpty() ? QString::fromStdString(location.password)
                                                  : url.password());
    database.setDatabaseName(url.path().mid(1));
    database.setConnectOptions(options);
    const auto started = std::chrono::steady_clock::now();
    if (!database.open()) {
        const std::string reason = database.lastError().text().trimmed().toStdString();
        if (!unreachable(url, std::chrono::steady_clock::now() - started)) {
            // The server answered and said no (a missing database or right, a certificate, a
            // password): waiting for it to come back would change nothing.
            error = libraryText(
                QCoreApplication::translate("hm::Library", "%1 refused the connection: %2"), name,
                reason);
            return false;
        }
        offline = true;
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot reach %1: %2"), name,
                            reason);
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
        error = failureText(downloads.lastError().isValid() ? downloads : images);
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
    // PostgreSQL keeps the trailers rows itself (a trigger with the owner's rights); SQLite's
    // are recomputed here for the identifications of the new rows, which under the write lock
    // have larger ids than any stored before.
    const bool lite = dialect == Dialect::SQLite;
    QSqlQuery query(db());
    query.setForwardOnly(true);
    qlonglong before = 0;
    if (lite) {
        if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM downloads")) ||
            !query.next()) {
            error = failureText(query);
            return false;
        }
        before = query.value(0).toLongLong();
        query.finish();
    }
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
        bulk = lite ? bulkInsertSqlite(db(), rows, added, error)
                    : bulkInsertPostgres(db(), rows, added, error);
    }
    if (bulk == BulkInsert::Failed ||
        (bulk == BulkInsert::Unavailable && !insertAll(rows, added, error))) {
        return false;
    }
    if (!lite) {
        return true;
    }
    query.prepare(
        refreshTrailersStatement(QStringLiteral("SELECT ident FROM downloads WHERE id > ?")));
    query.addBindValue(before);
    if (!query.exec()) {
        error = failureText(query);
        return false;
    }
    return true;
}

bool Library::Store::writeRows(const std::vector<StoreRow>& rows, int& added, int* sameVisits,
                               QString& error) {
    lastSqlState().clear();
    QSqlDatabase database = db();
    if (!beginWrite(database, dialect, error)) {
        return false;
    }
    int newRows = 0;
    int repeats = 0;
    bool ok = insertInTransaction(rows, newRows, sameVisits != nullptr ? &repeats : nullptr, error);
    if (ok && !database.commit()) {
        error = database.lastError().text();
        lastSqlState() = database.lastError().nativeErrorCode();
        ok = false;
    }
    if (!ok) {
        failureTransient = dialect == Dialect::PostgreSQL && transientFailure(lastSqlState());
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
                      .arg(entryColumns()));
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

// The change from the image `older` to `newer` (their bytes as stored; a wrong size gives the
// change of zeros, which the caller never sees: both are checked on insert).
// The image of the stored bytes `data`; all zeros when they are not 2484 bytes (never the case
// for rows this program stored: every image is checked before it is).
FleetDataImage storedImage(const QByteArray& data) {
    FleetDataImage image;
    image.clear();
    ImageBytes bytes;
    if (static_cast<size_t>(data.size()) == bytes.size()) {
        std::memcpy(bytes.data(), data.constData(), bytes.size());
        deserialiseImage(bytes, image);
    }
    return image;
}

// The change from the image `older` to `newer`, from their stored bytes.
figures::DownloadChange imageChange(const QByteArray& older, const QByteArray& newer) {
    return figures::changeBetween(storedImage(older), storedImage(newer));
}

bool Library::Store::selectFleet(std::vector<FleetRow>& rows, QString& error) {
    QSqlQuery query(db());
    query.setForwardOnly(true);
    // The trailers table names each trailer's latest two downloads; look-ups by key a row. The
    // change between the two needs both images (the distance rings are matched by interval).
    if (!query.exec(QStringLiteral("SELECT %1, t.downloads, p.id, p.record_keys, li.data, "
                                   "pi.data, %2, %3 FROM trailers t JOIN downloads d ON d.id = "
                                   "t.latest_id JOIN images li ON li.hash = d.hash LEFT JOIN "
                                   "downloads p ON p.id = t.previous_id LEFT JOIN images pi ON "
                                   "pi.hash = p.hash%4 ORDER BY t.ident")
                        .arg(entryColumns(), figureColumns(QStringLiteral("p")),
                             currentDetailsColumns(),
                             currentDetailsJoin(QStringLiteral("t.ident"))))) {
        error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        FleetRow row;
        row.latest = readEntry(query);
        row.downloads = query.value(kEntryColumnCount).toInt();
        row.details = detailsFrom(query, kEntryColumnCount + 5 + figures::kFigureCount);
        row.hasPrevious = !query.value(kEntryColumnCount + 1).isNull();
        const std::string latestKeys = query.value(13).toString().toStdString();
        if (row.hasPrevious) {
            row.previous = readFigures(query, kEntryColumnCount + 5);
            row.newRecords = newRecordCount(
                query.value(kEntryColumnCount + 2).toString().toStdString(), latestKeys);
            row.change = imageChange(query.value(kEntryColumnCount + 4).toByteArray(),
                                     query.value(kEntryColumnCount + 3).toByteArray());
            row.distanceSinceKm =
                static_cast<int64_t>(row.change.usage(figures::FigureId::DistanceKm));
            row.brakeApplicationsSince =
                static_cast<int64_t>(row.change.usage(figures::FigureId::BrakeApplications));
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

bool Library::Store::selectData(int64_t id, std::string& out, std::string& hash, QString& error) {
    QSqlQuery query(db());
    query.prepare(
        QStringLiteral("SELECT images.data, downloads.hash FROM downloads JOIN images ON "
                       "images.hash = downloads.hash "
                       "WHERE downloads.id = ?"));
    query.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!query.exec() || !query.next()) {
        error = query.lastError().isValid()
                    ? query.lastError().text()
                    : QCoreApplication::translate("hm::Library", "no download with that number");
        return false;
    }
    out = stdBytes(query.value(0));
    hash = query.value(1).toString().trimmed().toStdString();
    return true;
}

}  // namespace hm::library
