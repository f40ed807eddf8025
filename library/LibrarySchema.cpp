#include "library/LibrarySchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <vector>

namespace hm::library {
namespace {

const QString kVersionTable = QStringLiteral("haulmetry_schema");

// The statements that take the schema from version N (the index) to N + 1. Column types differ
// by dialect only in name: an integer key, and a byte string for the raw fields.
QStringList migrationSteps(int fromVersion, Dialect dialect) {
    const bool lite = dialect == Dialect::SQLite;
    const QString key =
        lite ? QStringLiteral("INTEGER PRIMARY KEY") : QStringLiteral("BIGSERIAL PRIMARY KEY");
    const QString bytes = lite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA");
    switch (fromVersion) {
        case 0:
            return {
                QStringLiteral("CREATE TABLE haulmetry_schema (version INTEGER NOT NULL)"),
                QStringLiteral("CREATE TABLE downloads ("
                               "id %1, hash CHAR(64) NOT NULL UNIQUE, ident %2 NOT NULL, "
                               "saved_at TEXT NOT NULL, visit_at TEXT NOT NULL, "
                               "added_at BIGINT NOT NULL, host TEXT NOT NULL, "
                               "workshop TEXT NOT NULL, source TEXT NOT NULL, path %2 NOT NULL, "
                               "distance_km BIGINT NOT NULL, brake_apps BIGINT NOT NULL, "
                               "records INTEGER NOT NULL, record_keys TEXT NOT NULL)")
                    .arg(key, bytes),
                QStringLiteral("CREATE TABLE images (hash CHAR(64) PRIMARY KEY, data %1 NOT NULL)")
                    .arg(bytes),
                QStringLiteral("CREATE INDEX downloads_by_trailer "
                               "ON downloads (ident, visit_at, added_at, id)"),
                // PostgreSQL would try to compress every image on insert; stored as they are,
                // an import is a fifth faster. SQLite never compresses.
                lite ? QStringLiteral("SELECT 1")
                     : QStringLiteral("ALTER TABLE images ALTER COLUMN data SET STORAGE EXTERNAL"),
            };
        case 1:
            // One row per trailer, kept with every insert, so that the fleet view reads one row
            // per trailer instead of ranking every download.
            return {
                QStringLiteral("CREATE TABLE trailers (ident %1 PRIMARY KEY, "
                               "downloads INTEGER NOT NULL, latest_id BIGINT NOT NULL, "
                               "previous_id BIGINT)%2")
                    .arg(bytes, lite ? QStringLiteral(" WITHOUT ROWID") : QString()),
                refreshTrailersStatement(QStringLiteral("SELECT ident FROM downloads")),
                // PostgreSQL: an image stays in its row, uncompressed. Moved out to the TOAST
                // table (EXTERNAL), every image cost a second table and index insert.
                lite ? QStringLiteral("SELECT 1")
                     : QStringLiteral("ALTER TABLE images ALTER COLUMN data SET STORAGE PLAIN"),
            };
        default:
            return {};
    }
}

bool exec(QSqlQuery& query, const QString& statement, QString& error) {
    if (!query.exec(statement)) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

// The names of the tables of the database; false when it cannot be read.
bool listTables(QSqlDatabase& db, Dialect dialect, QStringList& tables, QString& error) {
    QSqlQuery query(db);
    const QString sql =
        dialect == Dialect::SQLite
            ? QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")
            : QStringLiteral("SELECT tablename FROM pg_tables WHERE schemaname = current_schema()");
    if (!exec(query, sql, error)) {
        return false;
    }
    while (query.next()) {
        tables << query.value(0).toString();
    }
    return true;
}

// The schema version recorded in the database; 0 when it has no version table.
bool readVersion(QSqlDatabase& db, Dialect dialect, int& version, QString& error) {
    QStringList tables;
    if (!listTables(db, dialect, tables, error)) {
        return false;
    }
    version = 0;
    if (!tables.contains(kVersionTable)) {
        return true;
    }
    QSqlQuery query(db);
    if (!exec(query, QStringLiteral("SELECT MAX(version) FROM haulmetry_schema"), error)) {
        return false;
    }
    version = query.next() ? query.value(0).toInt() : 0;
    return true;
}

// Applies the steps from `from` up to kSchemaVersion inside the open transaction.
bool migrate(QSqlDatabase& db, Dialect dialect, int from, QString& error) {
    QSqlQuery query(db);
    for (int v = from; v < kSchemaVersion; ++v) {
        for (const QString& statement : migrationSteps(v, dialect)) {
            if (!exec(query, statement, error)) {
                return false;
            }
        }
    }
    return exec(query, QStringLiteral("DELETE FROM haulmetry_schema"), error) &&
           exec(query,
                QStringLiteral("INSERT INTO haulmetry_schema (version) VALUES (%1)")
                    .arg(kSchemaVersion),
                error);
}

// Migrates under the write lock, reading the version again there: another program may have
// created or migrated the schema meanwhile.
bool migrateLocked(QSqlDatabase& db, Dialect dialect, QString& error) {
    if (!beginWrite(db, dialect, error)) {
        return false;
    }
    int version = 0;
    bool ok = readVersion(db, dialect, version, error);
    if (ok && version < kSchemaVersion) {
        ok = migrate(db, dialect, version, error);
    }
    if (ok && !db.commit()) {
        error = db.lastError().text();
        ok = false;
    }
    if (!ok) {
        db.rollback();
    }
    return ok;
}

}  // namespace

QString refreshTrailersStatement(const QString& changedIdents) {
    // Per changed trailer, three look-ups in downloads_by_trailer: its count and its latest two
    // downloads by the order of its history. The changed identifications are gathered first, so
    // that SQLite finds them by id rather than by scanning the index. The WHERE keeps SQLite
    // from reading ON CONFLICT as a join.
    const QString latest = QStringLiteral(
        "(SELECT id FROM downloads d WHERE d.ident = c.ident "
        "ORDER BY visit_at DESC, added_at DESC, id DESC LIMIT 1 OFFSET %1)");
    return QStringLiteral(
               "WITH changed AS MATERIALIZED (%1) "
               "INSERT INTO trailers (ident, downloads, latest_id, previous_id) "
               "SELECT c.ident, (SELECT COUNT(*) FROM downloads d WHERE d.ident = c.ident), %2, %3 "
               "FROM (SELECT DISTINCT ident FROM changed) c WHERE true "
               "ON CONFLICT (ident) DO UPDATE SET downloads = excluded.downloads, "
               "latest_id = excluded.latest_id, previous_id = excluded.previous_id")
        .arg(changedIdents, latest.arg(0), latest.arg(1));
}

bool beginWrite(QSqlDatabase& db, Dialect dialect, QString& error) {
    QSqlQuery query(db);
    if (dialect == Dialect::SQLite) {
        return exec(query, QStringLiteral("BEGIN IMMEDIATE"), error);
    }
    // One writer at a time creates or migrates the schema; ordinary inserts do not wait on it.
    if (!db.transaction()) {
        error = db.lastError().text();
        return false;
    }
    return exec(query, QStringLiteral("SELECT pg_advisory_xact_lock(7283544)"), error);
}

bool prepareSchema(QSqlDatabase& db, Dialect dialect, bool readOnly, const std::string& name,
                   std::string& error) {
    QString reason;
    QStringList tables;
    int version = 0;
    if (!listTables(db, dialect, tables, reason) || !readVersion(db, dialect, version, reason)) {
        error = libraryText(
            QCoreApplication::translate(
                "hm::Library",
                "%1 cannot be read (%2): it is damaged or not a library, and is left as it is"),
            name, reason.toStdString());
        return false;
    }
    if (version > kSchemaVersion) {
        error = libraryText(QCoreApplication::translate(
                                "hm::Library",
                                "%1 was written by a newer Haulmetry (library schema %2, this "
                                "program knows up to %3); it is left as it is"),
                            name, std::to_string(version), std::to_string(kSchemaVersion));
        return false;
    }
    if (version == 0 && dialect == Dialect::SQLite && !tables.isEmpty()) {
        error = libraryText(
            QCoreApplication::translate(
                "hm::Library",
                "%1 is an SQLite file but not a Haulmetry library; it is left as it is"),
            name);
        return false;
    }
    if (version == kSchemaVersion) {
        return true;
    }
    if (readOnly) {
        error = libraryText(
            QCoreApplication::translate("hm::Library",
                                        "%1 is read-only and needs its schema brought forward; "
                                        "nothing was changed"),
            name);
        return false;
    }
    if (!migrateLocked(db, dialect, reason)) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot set up %1: %2"),
                            name, reason.toStdString());
        return false;
    }
    return true;
}

}  // namespace hm::library
