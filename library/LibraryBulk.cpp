#include "library/LibraryBulk.h"

#include "library/LibrarySchema.h"

#include <dlfcn.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "library/LibrarySchema.h"
#include "platform/SharedLibrary.h"

namespace hm::library {
namespace {

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

// The client library a Qt driver has loaded, when it is in the process already: the one whose
// handles the driver hands out. The program is not linked with it, so that it costs nothing at
// start, and a driver with the database built in leaves it unloaded (then Qt SQL does the work).
void* loadedLibrary(const char* soname) {
    return openSharedLibrary(soname, RTLD_NOLOAD);
}

// --- SQLite ---------------------------------------------------------------------------------

struct SqliteApi {
    decltype(&::sqlite3_sourceid) sourceid = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
    decltype(&::sqlite3_bind_text) bindText = nullptr;
    decltype(&::sqlite3_bind_blob) bindBlob = nullptr;
    decltype(&::sqlite3_bind_int64) bindInt64 = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_changes) changes = nullptr;
};

// SQLite's functions, or null when Qt's driver did not load libsqlite3.
const SqliteApi* sqliteApi() {
    static const std::optional<SqliteApi> api = []() -> std::optional<SqliteApi> {
        void* lib = loadedLibrary("libsqlite3.so.0");
        SqliteApi f;
        const bool ok = lib != nullptr && findSymbol(lib, "sqlite3_sourceid", f.sourceid) &&
                        findSymbol(lib, "sqlite3_prepare_v2", f.prepare) &&
                        findSymbol(lib, "sqlite3_finalize", f.finalize) &&
                        findSymbol(lib, "sqlite3_bind_text", f.bindText) &&
                        findSymbol(lib, "sqlite3_bind_blob", f.bindBlob) &&
                        findSymbol(lib, "sqlite3_bind_int64", f.bindInt64) &&
                        findSymbol(lib, "sqlite3_step", f.step) &&
                        findSymbol(lib, "sqlite3_reset", f.reset) &&
                        findSymbol(lib, "sqlite3_errmsg", f.errmsg) &&
                        findSymbol(lib, "sqlite3_changes", f.changes);
        return ok ? std::optional<SqliteApi>(f) : std::nullopt;
    }();
    return api ? &*api : nullptr;
}

struct StatementFree {
    decltype(&::sqlite3_finalize) finalize;
    void operator()(sqlite3_stmt* statement) const { finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFree>;

// True when the SQLite found is the one Qt's driver runs, so that its handle may be passed to
// the functions found (one built into the driver gets Qt SQL throughout).
bool sameSqlite(const SqliteApi& api, const QSqlDatabase& db) {
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT sqlite_source_id()")) && query.next() &&
           query.value(0).toString() == QLatin1String(api.sourceid());
}

Statement prepare(const SqliteApi& api, sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    api.prepare(db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr);
    return Statement(statement, StatementFree{api.finalize});
}

void bindText(const SqliteApi& api, sqlite3_stmt* s, int index, const std::string& text) {
    api.bindText(s, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

void bindBlob(const SqliteApi& api, sqlite3_stmt* s, int index, const std::string& bytes) {
    api.bindBlob(s, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
}

void bindDownload(const SqliteApi& api, sqlite3_stmt* s, const StoreRow& row) {
    bindText(api, s, 1, row.hash);
    bindBlob(api, s, 2, row.ident);
    bindText(api, s, 3, row.savedAt);
    bindText(api, s, 4, row.visitAt);
    api.bindInt64(s, 5, row.addedAt);
    bindText(api, s, 6, row.host);
    bindText(api, s, 7, row.workshop);
    bindText(api, s, 8, row.source);
    bindBlob(api, s, 9, row.path);
    api.bindInt64(s, 10, static_cast<int64_t>(row.figures.values.distanceKm));
    api.bindInt64(s, 11, row.figures.brakeApplications);
    api.bindInt64(s, 12, row.figures.records);
    bindText(api, s, 13, row.figures.recordKeys);
    int index = 14;
    for (const int64_t value : extraFigureValues(row.figures.values)) {
        api.bindInt64(s, index++, value);
    }
    bindText(api, s, index, row.figures.identText);
}

bool stepOnce(const SqliteApi& api, sqlite3* db, sqlite3_stmt* statement, QString& error) {
    const bool done = api.step(statement) == SQLITE_DONE;
    if (!done) {
        error = QString::fromUtf8(api.errmsg(db));
    }
    api.reset(statement);
    return done;
}

// --- PostgreSQL -----------------------------------------------------------------------------

struct PqApi {
    decltype(&::PQexecParams) execParams = nullptr;
    decltype(&::PQexecPrepared) execPrepared = nullptr;
    decltype(&::PQprepare) prepare = nullptr;
    decltype(&::PQresultStatus) resultStatus = nullptr;
    decltype(&::PQcmdTuples) cmdTuples = nullptr;
    decltype(&::PQntuples) ntuples = nullptr;
    decltype(&::PQresultErrorMessage) resultErrorMessage = nullptr;
    decltype(&::PQerrorMessage) errorMessage = nullptr;
    decltype(&::PQclear) clear = nullptr;
    decltype(&::PQresultErrorField) resultErrorField = nullptr;
    decltype(&::PQsocket) socket = nullptr;
    decltype(&::PQencryptPasswordConn) encryptPassword = nullptr;
    decltype(&::PQfreemem) freemem = nullptr;
};

// libpq's functions, or null when Qt's driver did not load it.
const PqApi* pqApi() {
    static const std::optional<PqApi> api = []() -> std::optional<PqApi> {
        void* lib = loadedLibrary("libpq.so.5");
        PqApi f;
        const bool ok = lib != nullptr && findSymbol(lib, "PQexecParams", f.execParams) &&
                        findSymbol(lib, "PQexecPrepared", f.execPrepared) &&
                        findSymbol(lib, "PQprepare", f.prepare) &&
                        findSymbol(lib, "PQresultStatus", f.resultStatus) &&
                        findSymbol(lib, "PQcmdTuples", f.cmdTuples) &&
                        findSymbol(lib, "PQntuples", f.ntuples) &&
                        findSymbol(lib, "PQresultErrorMessage", f.resultErrorMessage) &&
                        findSymbol(lib, "PQerrorMessage", f.errorMessage) &&
                        findSymbol(lib, "PQclear", f.clear) &&
                        findSymbol(lib, "PQresultErrorField", f.resultErrorField) &&
                        findSymbol(lib, "PQsocket", f.socket) &&
                        findSymbol(lib, "PQencryptPasswordConn", f.encryptPassword) &&
                        findSymbol(lib, "PQfreemem", f.freemem);
        return ok ? std::optional<PqApi>(f) : std::nullopt;
    }();
    return api ? &*api : nullptr;
}

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
    p.addInt8(static_cast<int64_t>(row.figures.values.distanceKm));
    p.addInt8(row.figures.brakeApplications);
    p.addInt8(row.figures.records);
    p.add(kText, row.figures.recordKeys);
    for (const int64_t value : extraFigureValues(row.figures.values)) {
        p.addInt8(value);
    }
    p.add(kText, row.figures.identText);
}

// A PostgreSQL connection and the functions to use it with.
struct Pg {
    const PqApi& api;
    PGconn* conn;
};

// The text of `result`'s failure, or of the connection's when there is no result.
QString pgError(const Pg& pg, const PGresult* result) {
    const char* state =
        result != nullptr ? pg.api.resultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    lastSqlState() = QString::fromLatin1(state != nullptr ? state : "");
    return QString::fromUtf8(result != nullptr ? pg.api.resultErrorMessage(result)
                                               : pg.api.errorMessage(pg.conn))
        .trimmed();
}

// Runs one statement: the prepared statement `name`, or `sql` when the name is empty;
// `affected` gets the number of rows it inserted.
bool execute(const Pg& pg, const std::string& name, const std::string& sql, const PgParams& p,
             int& affected, QString& error) {
    PGresult* result = name.empty() ? pg.api.execParams(pg.conn, sql.c_str(), p.size(), p.types(),
                                                        p.values(), p.lengths(), p.formats(), 0)
                                    : pg.api.execPrepared(pg.conn, name.c_str(), p.size(),
                                                          p.values(), p.lengths(), p.formats(), 0);
    const bool ok = pg.api.resultStatus(result) == PGRES_COMMAND_OK;
    if (ok) {
        affected = std::atoi(pg.api.cmdTuples(result));
    } else {
        error = pgError(pg, result);
    }
    pg.api.clear(result);
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
            insertStatement(InsertTable::Downloads, count, true),
            named ? "hm_insert_images_" + size : std::string(),
            insertStatement(InsertTable::Images, count, true)};
}

// Prepares `name` on this connection unless an earlier import did.
bool prepareOnce(const Pg& pg, const std::string& name, const std::string& sql, const PgParams& p,
                 QString& error) {
    const char* values[] = {name.c_str()};
    PGresult* found =
        pg.api.execParams(pg.conn, "SELECT 1 FROM pg_prepared_statements WHERE name = $1", 1,
                          nullptr, values, nullptr, nullptr, 0);
    bool ok = pg.api.resultStatus(found) == PGRES_TUPLES_OK;
    const bool exists = ok && pg.api.ntuples(found) > 0;
    if (!ok) {
        error = pgError(pg, found);
    }
    pg.api.clear(found);
    if (ok && !exists) {
        PGresult* prepared =
            pg.api.prepare(pg.conn, name.c_str(), sql.c_str(), p.size(), p.types());
        ok = pg.api.resultStatus(prepared) == PGRES_COMMAND_OK;
        if (!ok) {
            error = pgError(pg, prepared);
        }
        pg.api.clear(prepared);
    }
    return ok;
}

bool insertPostgresChunk(const Pg& pg, const StoreRow* rows, size_t count, bool prepare, int& added,
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
        (!prepareOnce(pg, s.downloadsName, s.downloadsSql, downloads, error) ||
         !prepareOnce(pg, s.imagesName, s.imagesSql, images, error))) {
        return false;
    }
    int newRows = 0;
    int newImages = 0;
    if (!execute(pg, s.downloadsName, s.downloadsSql, downloads, newRows, error) ||
        !execute(pg, s.imagesName, s.imagesSql, images, newImages, error)) {
        return false;
    }
    added += newRows;
    return true;
}

}  // namespace

BulkInsert bulkInsertSqlite(const QSqlDatabase& db, const std::vector<StoreRow>& rows, int& added,
                            QString& error) {
    sqlite3* handle = driverHandle<sqlite3>(db, "sqlite3*");
    const SqliteApi* api = handle != nullptr ? sqliteApi() : nullptr;
    if (api == nullptr || !sameSqlite(*api, db)) {
        return BulkInsert::Unavailable;
    }
    // One row per statement: SQLite runs in this process, so a statement costs no round trip.
    const Statement downloads =
        prepare(*api, handle, insertStatement(InsertTable::Downloads, 1, false));
    const Statement images = prepare(*api, handle, insertStatement(InsertTable::Images, 1, false));
    if (!downloads || !images) {
        error = QString::fromUtf8(api->errmsg(handle));
        return BulkInsert::Failed;
    }
    for (const StoreRow& row : rows) {
        bindDownload(*api, downloads.get(), row);
        if (!stepOnce(*api, handle, downloads.get(), error)) {
            return BulkInsert::Failed;
        }
        if (api->changes(handle) == 0) {
            continue;  // stored before, with its image
        }
        ++added;
        bindText(*api, images.get(), 1, row.hash);
        bindBlob(*api, images.get(), 2, row.data);
        if (!stepOnce(*api, handle, images.get(), error)) {
            return BulkInsert::Failed;
        }
    }
    return BulkInsert::Done;
}

BulkInsert bulkInsertPostgres(const QSqlDatabase& db, const std::vector<StoreRow>& rows, int& added,
                              QString& error) {
    PGconn* conn = driverHandle<PGconn>(db, "pg_conn*");
    const PqApi* api = conn != nullptr ? pqApi() : nullptr;
    if (api == nullptr) {
        return BulkInsert::Unavailable;
    }
    const Pg pg{*api, conn};
    for (size_t first = 0; first < rows.size(); first += kPostgresChunk) {
        const size_t count = std::min(kPostgresChunk, rows.size() - first);
        if (!insertPostgresChunk(pg, rows.data() + first, count, first == 0, added, error)) {
            return BulkInsert::Failed;
        }
    }
    return BulkInsert::Done;
}

std::string encryptedPassword(const QSqlDatabase& db, const std::string& password,
                              const std::string& role, QString& error) {
    PGconn* conn = driverHandle<PGconn>(db, "pg_conn*");
    const PqApi* api = conn != nullptr ? pqApi() : nullptr;
    if (api == nullptr) {
        error = QStringLiteral("libpq cannot be used on this connection");
        return {};
    }
    char* made = api->encryptPassword(conn, password.c_str(), role.c_str(), nullptr);
    if (made == nullptr) {
        error = QString::fromUtf8(api->errorMessage(conn)).trimmed();
        return {};
    }
    std::string verifier(made);
    api->freemem(made);
    return verifier;
}

int postgresSocket(const QSqlDatabase& db) {
    PGconn* conn = driverHandle<PGconn>(db, "pg_conn*");
    const PqApi* api = conn != nullptr ? pqApi() : nullptr;
    return api != nullptr ? api->socket(conn) : -1;
}

}  // namespace hm::library
