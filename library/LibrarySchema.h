#pragma once
// The schema of the library (docs/library.md) and its forward migrations. Internal to library/.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <cstdint>
#include <string>

#include "figures/Figures.h"

namespace hm::library {

// A translated message (`pattern`, from QCoreApplication::translate) with %1, %2, ... filled
// with `args` in one pass, as UTF-8.
template <typename... Args>
std::string libraryText(const QString& pattern, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return pattern.toStdString();
    } else {
        return pattern.arg(QString::fromStdString(args)...).toStdString();
    }
}

enum class Dialect { SQLite, PostgreSQL };

// The columns of a downloads row as every insert writes them (through Qt SQL and through the
// database's own client library alike): the 13 of schema version 1 (hash, ident, saved_at,
// visit_at, added_at, host, workshop, source, path, distance_km, brake_apps, records,
// record_keys), every figure added since (all but distance_km, there since version 1), then
// ident_text.
constexpr size_t kExtraFigureCount = figures::kFigureCount - 1;
constexpr int kDownloadBaseColumns = 13;
constexpr int kDownloadColumnCount = kDownloadBaseColumns + static_cast<int>(kExtraFigureCount) + 1;
// The values of the added figure columns, in that order.
std::array<int64_t, kExtraFigureCount> extraFigureValues(const figures::Figures& values);

enum class InsertTable {
    Downloads,  // the columns above
    Images      // hash, data
};
// "INSERT INTO table (columns) VALUES (...),... ON CONFLICT (hash) DO NOTHING" with `rows`
// groups of placeholders: "?" each, or "$1", "$2", ... when `numbered` (libpq's own form).
std::string insertStatement(InsertTable table, size_t rows, bool numbered);

// A figure as a database value (every figure fits a BIGINT: sums of 32-bit counters).
inline QVariant figureValue(uint64_t value) {
    return QVariant::fromValue<qlonglong>(static_cast<qlonglong>(value));
}

// The schema version this program writes. A library of a newer version is refused.
constexpr int kSchemaVersion = 5;

// PostgreSQL: the statements (inside a DO block) that give the workshops' group its rights on
// trailer_details: SELECT, INSERT of every column but id, USAGE of its sequence.
QStringList detailsGrants();

// Recomputes the trailers rows (count, latest and previous download) of the identifications
// that the query `changedIdents` selects from downloads (each may come more than once).
QString refreshTrailersStatement(const QString& changedIdents);

// What a write transaction waits for. SQLite: BEGIN IMMEDIATE either way. PostgreSQL: an import
// calls haulmetry_lock(), which only the library's writers may execute (it locks trailers in
// SHARE ROW EXCLUSIVE mode with the owner's rights); a schema change takes an advisory lock,
// since an older schema has no such function yet.
enum class WriteLock { Import, Schema };

// Starts a write transaction that other writers wait for.
bool beginWrite(QSqlDatabase& db, Dialect dialect, QString& error,
                WriteLock lock = WriteLock::Import);

// The SQLSTATE of the last statement of this thread's library that failed ("" when the server
// gave none, as when the connection was lost). Set wherever a failed statement is reported.
QString& lastSqlState();
// `query`'s error text, after keeping its SQLSTATE in lastSqlState().
QString failureText(const QSqlQuery& query);
// True when a failed write may succeed later unchanged: the connection was lost or the server
// is going away, or a lock or statement time-out ran out. A refusal (a missing right, a value
// the server rejects) is not.
bool transientFailure(const QString& sqlState);

// Brings the schema of the open database `db` to kSchemaVersion: creates it in an empty
// database, migrates an older one forward in one transaction. Refuses (false, `error` set, the
// database untouched) a damaged file, a file holding other tables, a newer schema, and an older
// schema that `readOnly` forbids migrating. `name` names the library in messages.
bool prepareSchema(QSqlDatabase& db, Dialect dialect, bool readOnly, const std::string& name,
                   std::string& error);

}  // namespace hm::library
