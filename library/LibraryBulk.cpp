#include "library/LibraryBulk.h"

#include <libpq-fe.h>
#include <sqlite3.h>

#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>

namespace hm::library {
namespace {

const char kDownloadColumns[] =
    "hash, ident, saved_at, visit_at, added_at, host, workshop, source, path, distance_km, "
    "brake_apps, records, record_keys";
constexpr int kDownloadColumnCount = 13;
// Rows per PostgreSQL statement: a few hundred kilobytes a round trip, few parameters.
constexpr size_t kPostgresChunk = 256;

// The connection's native handle, when the driver hands out one of type `typeName` (as Qt
// names it: the struct's name for libpq's typedef).
template <typename Handle>
Handle* driverHandle(const QSqlDatabase& db, const char* typeName) {
    const QVariant handle = db.driver() != nullptr ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), typeName) != 0) {
        return nullptr;
    }
    return *static_cast<Handle* const*>(handle.constData());
}

// "INSERT INTO table (columns) VALUES (...),... ON CONFLICT (hash) DO NOTHING" with `rows`
// groups of `columns` placeholders: "?" for SQLite, "$1, $2, ..." for PostgreSQL.
std::string insertSql(const char* table, const char* columnNames, int columns, size_t rows,
                      bool numbered) {
    std::string sql = std::string("INSERT INTO ") + table + " (" + columnNames + ") VALUES ";
    size_t n = 0;
    for (size_t r = 0; r < rows; ++r) {
        sql += r > 0 ? ",(" : "(";
        for (int c = 0; c < columns; ++c) {
            sql += c > 0 ? "," : "";
            sql += numbered ? "$" + std::to_string(++n) : "?";
        }
        sql += ')';
    }
    return sql + " ON CONFLICT (hash) DO NOTHING";
}

// --- SQLite ---------------------------------------------------------------------------------

struct StatementFree {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFree>;

// True when Qt's driver runs the very SQLite this program is linked with, so that its handle
// may be passed to the functions here (a driver with SQLite built in gets Qt SQL throughout).
bool sameSqlite(const QSqlDatabase& db) {
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT sqlite_source_id()")) && query.next() &&
           query.value(0).toString() == QLatin1String(sqlite3_sourceid());
}

Statement prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr);
    return Statement(statement);
}

void bindText(sqlite3_stmt* s, int index, const std::string& text) {
    sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

void bindBlob(sqlite3_stmt* s, int index, const std::string& bytes) {
    sqlite3_bind_blob(s, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
}

void bindDownload(sqlite3_stmt* s, const StoreRow& row) {
    bindText(s, 1, row.hash);
    bindBlob(s, 2, row.ident);
    bindText(s, 3, row.savedAt);
    bindText(s, 4, row.visitAt);
    sqlite3_bind_int64(s, 5, row.addedAt);
    bindText(s, 6, row.host);
    bindText(s, 7, row.workshop);
    bindText(s, 8, row.source);
    bindBlob(s, 9, row.path);
    sqlite3_bind_int64(s, 10, row.figures.distanceKm);
    sqlite3_bind_int64(s, 11, row.figures.brakeApplications);
    sqlite3_bind_int64(s, 12, row.figures.records);
    bindText(s, 13, row.figures.recordKeys);
}

bool stepOnce(sqlite3* db, sqlite3_stmt* statement, QString& error) {
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    if (!done) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_reset(statement);
    return done;
}

// --- PostgreSQL -----------------------------------------------------------------------------

// Type numbers of PostgreSQL's built-in types (fixed in every server).
constexpr Oid kBytea = 17;
constexpr Oid kInt8 = 20;
constexpr Oid kText = 25;
constexpr Oid kBpchar = 1042;

// The parameters of one statement, every one in binary form: text as its bytes, integers as
// eight bytes big-endian, byte strings as they are. Nothing is escaped or parsed as text.
class PgParams {
  public:
    explicit PgParams(size_t count) {
        types_.reserve(count);
        values_.reserve(count);
        lengths_.reserve(count);
        formats_.reserve(count);
        numbers_.reserve(count);  // never reallocated: values_ points into it
    }
    void add(Oid type, const std::string& bytes) { add(type, bytes.data(), bytes.size()); }
    void addInt8(int64_t value) {
        std::array<char, 8> big{};
        for (int i = 0; i < 8; ++i) {
            big[static_cast<size_t>(i)] =
                static_cast<char>(static_cast<uint64_t>(value) >> (56 - 8 * i));
        }
        numbers_.push_back(big);
        add(kInt8, numbers_.back().data(), big.size());
    }
    int size() const { return static_cast<int>(values_.size()); }
    const Oid* types() const { return types_.data(); }
    const char* const* values() const { return values_.data(); }
    const int* lengths() const { return lengths_.data(); }
    const int* formats() const { return formats_.data(); }

  private:
    void add(Oid type, const char* data, size_t size) {
        types_.push_back(type);
        values_.push_back(data);
        lengths_.push_back(static_cast<int>(size));
        formats_.push_back(1);
    }
    std::vector<Oid> types_;
    std::vector<const char*> values_;
    std::vector<int> lengths_;
    std::vector<int> formats_;
    std::vector<std::array<char, 8>> numbers_;
};

void addDownload(PgParams& p, const StoreRow& row) {
    p.add(kBpchar, row.hash);
    p.add(kBytea, row.ident);
    p.add(kText, row.savedAt);
    p.add(kText, row.visitAt);
    p.addInt8(row.addedAt);
    p.add(kText, row.host);
    p.add(kText, row.workshop);
    p.add(kText, row.source);
    p.add(kBytea, row.path);
    p.addInt8(row.figures.distanceKm);
    p.addInt8(row.figures.brakeApplications);
    p.addInt8(row.figures.records);
    p.add(kText, row.figures.recordKeys);
}

// The text of `result`'s failure, or of the connection's when there is no result.
QString pgError(PGconn* conn, const PGresult* result) {
    return QString::fromUtf8(result != nullptr ? PQresultErrorMessage(result)
                                               : PQerrorMessage(conn))
        .trimmed();
}

// Runs one statement: the prepared statement `name`, or `sql` when the name is empty;
// `affected` gets the number of rows it inserted.
bool execute(PGconn* conn, const std::string& name, const std::string& sql, const PgParams& p,
             int& affected, QString& error) {
    PGresult* result = name.empty() ? PQexecParams(conn, sql.c_str(), p.size(), p.types(),
                                                   p.values(), p.lengths(), p.formats(), 0)
                                    : PQexecPrepared(conn, name.c_str(), p.size(), p.values(),
                                                     p.lengths(), p.formats(), 0);
    const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
    if (ok) {
        affected = std::atoi(PQcmdTuples(result));
    } else {
        error = pgError(conn, result);
    }
    PQclear(result);
    return ok;
}

// The two statements of a chunk of `count` rows. A full chunk's are prepared once per
// connection (named by their size), so that the server parses them once; a last, shorter
// chunk's are sent as they are.
struct ChunkStatements {
    std::string downloadsName, downloadsSql, imagesName, imagesSql;
};

ChunkStatements chunkStatements(size_t count) {
    const bool named = count == kPostgresChunk;
    const std::string size = std::to_string(count);
    return {named ? "hm_insert_downloads_" + size : std::string(),
            insertSql("downloads", kDownloadColumns, kDownloadColumnCount, count, true),
            named ? "hm_insert_images_" + size : std::string(),
            insertSql("images", "hash, data", 2, count, true)};
}

// Prepares `name` on this connection unless an earlier import did.
bool prepareOnce(PGconn* conn, const std::string& name, const std::string& sql, const PgParams& p,
                 QString& error) {
    const char* values[] = {name.c_str()};
    PGresult* found = PQexecParams(conn, "SELECT 1 FROM pg_prepared_statements WHERE name = $1", 1,
                                   nullptr, values, nullptr, nullptr, 0);
    bool ok = PQresultStatus(found) == PGRES_TUPLES_OK;
    const bool exists = ok && PQntuples(found) > 0;
    if (!ok) {
        error = pgError(conn, found);
    }
    PQclear(found);
    if (ok && !exists) {
        PGresult* prepared = PQprepare(conn, name.c_str(), sql.c_str(), p.size(), p.types());
        ok = PQresultStatus(prepared) == PGRES_COMMAND_OK;
        if (!ok) {
            error = pgError(conn, prepared);
        }
        PQclear(prepared);
    }
    return ok;
}

bool insertPostgresChunk(PGconn* conn, const StoreRow* rows, size_t count, bool prepare, int& added,
                         QString& error) {
    PgParams downloads(count * kDownloadColumnCount);
    PgParams images(count * 2);
    for (size_t i = 0; i < count; ++i) {
        addDownload(downloads, rows[i]);
        images.add(kBpchar, rows[i].hash);
        images.add(kBytea, rows[i].data);
    }
    const ChunkStatements s = chunkStatements(count);
    if (prepare && !s.downloadsName.empty() &&
        (!prepareOnce(conn, s.downloadsName, s.downloadsSql, downloads, error) ||
         !prepareOnce(conn, s.imagesName, s.imagesSql, images, error))) {
        return false;
    }
    int newRows = 0;
    int newImages = 0;
    if (!execute(conn, s.downloadsName, s.downloadsSql, downloads, newRows, error) ||
        !execute(conn, s.imagesName, s.imagesSql, images, newImages, error)) {
        return false;
    }
    added += newRows;
    return true;
}

}  // namespace

BulkInsert bulkInsertSqlite(const QSqlDatabase& db, const std::vector<StoreRow>& rows, int& added,
                            QString& error) {
    sqlite3* handle = driverHandle<sqlite3>(db, "sqlite3*");
    if (handle == nullptr || !sameSqlite(db)) {
        return BulkInsert::Unavailable;
    }
    // One row per statement: SQLite runs in this process, so a statement costs no round trip.
    const Statement downloads =
        prepare(handle, insertSql("downloads", kDownloadColumns, kDownloadColumnCount, 1, false));
    const Statement images = prepare(handle, insertSql("images", "hash, data", 2, 1, false));
    if (!downloads || !images) {
        error = QString::fromUtf8(sqlite3_errmsg(handle));
        return BulkInsert::Failed;
    }
    for (const StoreRow& row : rows) {
        bindDownload(downloads.get(), row);
        if (!stepOnce(handle, downloads.get(), error)) {
            return BulkInsert::Failed;
        }
        if (sqlite3_changes(handle) == 0) {
            continue;  // stored before, with its image
        }
        ++added;
        bindText(images.get(), 1, row.hash);
        bindBlob(images.get(), 2, row.data);
        if (!stepOnce(handle, images.get(), error)) {
            return BulkInsert::Failed;
        }
    }
    return BulkInsert::Done;
}

BulkInsert bulkInsertPostgres(const QSqlDatabase& db, const std::vector<StoreRow>& rows, int& added,
                              QString& error) {
    PGconn* conn = driverHandle<PGconn>(db, "pg_conn*");
    if (conn == nullptr) {
        return BulkInsert::Unavailable;
    }
    for (size_t first = 0; first < rows.size(); first += kPostgresChunk) {
        const size_t count = std::min(kPostgresChunk, rows.size() - first);
        if (!insertPostgresChunk(conn, rows.data() + first, count, first == 0, added, error)) {
            return BulkInsert::Failed;
        }
    }
    return BulkInsert::Done;
}

}  // namespace hm::library
