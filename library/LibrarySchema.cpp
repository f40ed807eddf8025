#include "library/LibrarySchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <vector>

#include "library/Library.h"

namespace hm::library {

const char* figureColumn(figures::FigureId id) {
    return id == figures::FigureId::BrakeTime ? "brake_time_cs" : figures::figureInfo(id).key;
}

namespace {

std::string downloadColumns() {
    std::string columns =
        "hash, ident, saved_at, visit_at, added_at, host, workshop, source, path, distance_km, "
        "brake_apps, records, record_keys";
    for (const figures::FigureInfo& info : figures::figureTable()) {
        if (info.id != figures::FigureId::DistanceKm) {
            columns += std::string(", ") + figureColumn(info.id);
        }
    }
    return columns + ", ident_text";
}

}  // namespace

std::string insertStatement(InsertTable table, size_t rows, bool numbered) {
    static const std::string downloads = downloadColumns();
    const bool isDownloads = table == InsertTable::Downloads;
    const int columns = isDownloads ? kDownloadColumnCount : 2;
    std::string sql = isDownloads ? "INSERT INTO downloads (" + downloads + ") VALUES "
                                  : std::string("INSERT INTO images (hash, data) VALUES ");
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

std::array<int64_t, kExtraFigureCount> extraFigureValues(const figures::Figures& values) {
    std::array<int64_t, kExtraFigureCount> out{};
    size_t n = 0;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        if (info.id != figures::FigureId::DistanceKm) {
            out[n++] = static_cast<int64_t>(values.value(info.id));
        }
    }
    return out;
}

namespace {

const QString kVersionTable = QStringLiteral("haulmetry_schema");

QStringList sharedLibrarySteps();
QStringList detailsSteps(Dialect dialect);

// A figure's value in the views: the braking time in seconds with its two decimals (exact in
// PostgreSQL's NUMERIC), every other figure as it is stored.
QString viewValue(const QString& stored, bool brakeTime, bool lite) {
    if (!brakeTime) {
        return stored;
    }
    return lite ? QStringLiteral("ROUND((%1) / 100.0, 2)").arg(stored)
                : QStringLiteral("CAST((%1) / 100.0 AS NUMERIC(20, 2))").arg(stored);
}

// True for a figure whose change is the plain difference of two downloads: a lifetime counter
// (a figure of the distance rings needs matching by interval, and a window sum has no change).
bool plainChange(const figures::FigureInfo& info) {
    return info.kind == figures::FigureKind::Counting &&
           info.basis == figures::FigureBasis::Lifetime;
}

// The figures of each download and their change since the download before of the same
// trailer (by the order of its history). A counter lower than before means the ECU was erased
// between the two visits: its change is then the newer value (the use since the erase), and
// `erased_since` is 1. The identification is the command line's text; times are real
// timestamps (SQLite: its date-time text), NULL where the image holds none.
QString downloadFiguresView(Dialect dialect) {
    const bool lite = dialect == Dialect::SQLite;
    QStringList lower;
    QStringList columns;
    QStringList changes;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        const QString name = QLatin1String(figureColumn(info.id));
        const bool time = info.id == figures::FigureId::BrakeTime;
        const QString shown = QLatin1String(info.key);
        columns << QStringLiteral("%1 AS %2")
                       .arg(viewValue(QStringLiteral("d.") + name, time, lite), shown);
        if (!plainChange(info)) {
            continue;
        }
        lower << QStringLiteral("d.%1 < p.%1").arg(name);
        changes << QStringLiteral(
                       "CASE WHEN p.id IS NULL THEN NULL WHEN d.%1 < p.%1 THEN %2 "
                       "ELSE %3 END AS %4_since")
                       .arg(name, viewValue(QStringLiteral("d.") + name, time, lite),
                            viewValue(QStringLiteral("d.%1 - p.%1").arg(name), time, lite), shown);
    }
    const QString times = lite ? QStringLiteral(
                                     "datetime(NULLIF(d.saved_at, '')) AS saved_at, "
                                     "datetime(d.visit_at) AS visit_at, "
                                     "datetime(d.added_at, 'unixepoch') AS added_at")
                               : QStringLiteral(
                                     "CAST(NULLIF(d.saved_at, '') AS TIMESTAMP) AS saved_at, "
                                     "CAST(d.visit_at AS TIMESTAMP) AS visit_at, "
                                     "to_timestamp(d.added_at) AS added_at");
    return QStringLiteral(
               "CREATE VIEW download_figures AS SELECT d.id AS id, d.ident_text AS ident, "
               "d.ident AS ident_bytes, %1, d.host AS host, NULLIF(d.workshop, '') AS workshop, "
               "d.source AS source, %2, p.id AS previous_id, CASE WHEN p.id IS NULL THEN NULL "
               "WHEN %3 THEN 1 ELSE 0 END AS erased_since, %4 FROM (SELECT id, LAG(id) OVER "
               "(PARTITION BY ident ORDER BY visit_at, added_at, id) AS previous_id FROM "
               "downloads) o JOIN downloads d ON d.id = o.id LEFT JOIN downloads p ON p.id = "
               "o.previous_id")
        .arg(times, columns.join(QStringLiteral(", ")), lower.join(QStringLiteral(" OR ")),
             changes.join(QStringLiteral(", ")));
}

// The views for people who query the library themselves (docs/library.md): every download,
// and every trailer's latest download with the number of its downloads.
QStringList figureViews(Dialect dialect) {
    return {downloadFiguresView(dialect),
            QStringLiteral("CREATE VIEW trailer_figures AS SELECT t.downloads AS downloads, f.* "
                           "FROM trailers t JOIN download_figures f ON f.id = t.latest_id")};
}

// The columns that step 2 adds: every figure but distance_km (there since step 0), and the
// identification as text. Their values are filled in by fillFigures.
QStringList figureColumnSteps(Dialect dialect) {
    QStringList steps;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        if (info.id != figures::FigureId::DistanceKm) {
            steps << QStringLiteral("ALTER TABLE downloads ADD COLUMN %1 BIGINT NOT NULL DEFAULT 0")
                         .arg(QLatin1String(figureColumn(info.id)));
        }
    }
    steps << QStringLiteral("ALTER TABLE downloads ADD COLUMN ident_text TEXT NOT NULL DEFAULT ''");
    steps << figureViews(dialect);
    return steps;
}

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
        case 2:
            return figureColumnSteps(dialect);
        case 3:
            return lite ? QStringList{} : sharedLibrarySteps();
        case 4:
            return detailsSteps(dialect);
        default:
            return {};
    }
}

// PostgreSQL, version 3 to 4: what lets workshops share a library without trusting each
// other (docs/library.md, "Roles and rights"). The trailers summary is kept by a trigger that
// runs with the owner's rights, so that a workshop, which may only insert downloads, never
// writes it; a download's workshop is its login role unless the owner stores it; an image
// must match its hash. Each function runs with a fixed search_path (pg_catalog first, pg_temp
// last), so that objects a caller made cannot stand in for the library's.
QStringList sharedLibrarySteps() {
    return {
        QStringLiteral("CREATE FUNCTION haulmetry_lock() RETURNS void LANGUAGE plpgsql "
                       "SECURITY DEFINER AS $$ BEGIN "
                       "LOCK TABLE trailers IN SHARE ROW EXCLUSIVE MODE; END $$"),
        QStringLiteral("CREATE FUNCTION haulmetry_added() RETURNS trigger LANGUAGE plpgsql "
                       "SECURITY DEFINER AS $$ BEGIN "
                       "LOCK TABLE trailers IN SHARE ROW EXCLUSIVE MODE; %1; RETURN NULL; END $$")
            .arg(refreshTrailersStatement(QStringLiteral("SELECT ident FROM added"))),
        QStringLiteral("CREATE FUNCTION haulmetry_stamp() RETURNS trigger LANGUAGE plpgsql AS $$ "
                       "BEGIN IF NOT pg_has_role(session_user, (SELECT relowner FROM pg_class "
                       "WHERE oid = TG_RELID), 'MEMBER') THEN NEW.workshop := session_user; "
                       "END IF; RETURN NEW; END $$"),
        QStringLiteral(
            "DO $$ BEGIN "
            "EXECUTE format('ALTER FUNCTION haulmetry_lock() SET search_path = pg_catalog, %I, "
            "pg_temp', current_schema()); "
            "EXECUTE format('ALTER FUNCTION haulmetry_added() SET search_path = pg_catalog, %I, "
            "pg_temp', current_schema()); END $$"),
        QStringLiteral("ALTER FUNCTION haulmetry_stamp() SET search_path = pg_catalog, pg_temp"),
        QStringLiteral("REVOKE ALL ON FUNCTION haulmetry_lock(), haulmetry_added(), "
                       "haulmetry_stamp() FROM PUBLIC"),
        QStringLiteral("CREATE TRIGGER downloads_stamp BEFORE INSERT ON downloads "
                       "FOR EACH ROW EXECUTE FUNCTION haulmetry_stamp()"),
        QStringLiteral("CREATE TRIGGER downloads_added AFTER INSERT ON downloads "
                       "REFERENCING NEW TABLE AS added FOR EACH STATEMENT "
                       "EXECUTE FUNCTION haulmetry_added()"),
        QStringLiteral("ALTER TABLE downloads ALTER COLUMN workshop SET DEFAULT session_user"),
        // Rows stored before are not checked here (a damaged one would stop the migration);
        // every image is checked against its hash when it is read.
        QStringLiteral("ALTER TABLE images ADD CONSTRAINT images_match_hash "
                       "CHECK (hash = encode(sha256(data), 'hex')) NOT VALID"),
    };
}

// Version 4 to 5: a trailer's details (fleet number, plate, customer, notes), one row per
// change, never updated: the latest row of an identification (by changed_at, then id) is its
// current details, the rows before it who changed what and when. On PostgreSQL a workshop may
// read and add rows, stamped with its login role as downloads are, and change none.
QStringList detailsSteps(Dialect dialect) {
    const bool lite = dialect == Dialect::SQLite;
    QStringList steps{
        QStringLiteral("CREATE TABLE trailer_details (id %1, ident %2 NOT NULL, "
                       "fleet_number TEXT NOT NULL, plate TEXT NOT NULL, customer TEXT NOT NULL, "
                       "notes TEXT NOT NULL, changed_at TEXT NOT NULL, host TEXT NOT NULL, "
                       "workshop TEXT NOT NULL)")
            .arg(lite ? QStringLiteral("INTEGER PRIMARY KEY")
                      : QStringLiteral("BIGSERIAL PRIMARY KEY"),
                 lite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA")),
        QStringLiteral("CREATE INDEX trailer_details_by_trailer "
                       "ON trailer_details (ident, changed_at, id)"),
    };
    if (lite) {
        return steps;
    }
    const QString group = QString::fromLatin1(kWorkshopGroup);
    steps << QStringLiteral(
                 "CREATE TRIGGER trailer_details_stamp BEFORE INSERT ON "
                 "trailer_details FOR EACH ROW EXECUTE FUNCTION haulmetry_stamp()")
          << QStringLiteral(
                 "ALTER TABLE trailer_details ALTER COLUMN workshop "
                 "SET DEFAULT session_user")
          << QStringLiteral("REVOKE ALL ON trailer_details FROM PUBLIC")
          // A library set up before has its workshops' group already: it gets the same rights
          // on the new table as `library setup` gives.
          << QStringLiteral(
                 "DO $$ BEGIN IF EXISTS (SELECT FROM pg_roles WHERE rolname = '%1') "
                 "THEN %2 END IF; END $$")
                 .arg(group, detailsGrants().join(QStringLiteral("; ")) + QLatin1Char(';'));
    return steps;
}

bool exec(QSqlQuery& query, const QString& statement, QString& error) {
    if (!query.exec(statement)) {
        error = failureText(query);
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

// The downloads with an id above `after` (at most kFillBatch), with their identification and
// image bytes (empty when the image is missing).
struct FillRow {
    qlonglong id = 0;
    std::string ident;
    QByteArray data;
};
constexpr int kFillBatch = 1000;

bool readFillBatch(QSqlDatabase& db, qlonglong after, std::vector<FillRow>& rows, QString& error) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT d.id, d.ident, i.data FROM downloads d LEFT JOIN images "
                                 "i ON i.hash = d.hash WHERE d.id > ? ORDER BY d.id LIMIT %1")
                      .arg(kFillBatch));
    query.addBindValue(after);
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        const QByteArray ident = query.value(1).toByteArray();
        rows.push_back({query.value(0).toLongLong(),
                        std::string(ident.constData(), static_cast<size_t>(ident.size())),
                        query.value(2).toByteArray()});
    }
    return true;
}

// Fills the figures of the rows stored before they had any, from their stored images (an image
// that is missing or not 2484 bytes keeps zeros; its identification is filled all the same).
bool fillFigures(QSqlDatabase& db, QString& error) {
    QStringList sets;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        sets << QStringLiteral("%1 = ?").arg(QLatin1String(figureColumn(info.id)));
    }
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE downloads SET %1, ident_text = ? WHERE id = ?")
                       .arg(sets.join(QStringLiteral(", "))));
    for (qlonglong after = 0;;) {
        std::vector<FillRow> rows;
        if (!readFillBatch(db, after, rows, error)) {
            return false;
        }
        if (rows.empty()) {
            return true;
        }
        for (const FillRow& row : rows) {
            ImageFigures figures;
            ImageBytes bytes{};
            if (static_cast<size_t>(row.data.size()) == bytes.size()) {
                std::copy(row.data.begin(), row.data.end(), bytes.begin());
                figures = imageFigures(bytes);
            }
            int column = 0;
            for (const figures::FigureInfo& info : figures::figureTable()) {
                update.bindValue(column++, figureValue(figures.values.value(info.id)));
            }
            update.bindValue(column++, QString::fromStdString(identText(row.ident)));
            update.bindValue(column, row.id);
            if (!update.exec()) {
                error = update.lastError().text();
                return false;
            }
            after = row.id;
        }
    }
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
        if (v == 2 && !fillFigures(db, error)) {
            return false;
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
    if (!beginWrite(db, dialect, error, WriteLock::Schema)) {
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

// True when the connected role owns the library's tables (or is a member of their owner): only
// the owner migrates, a workshop that meets an older schema does not try.
bool ownsSchema(QSqlDatabase& db) {
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT pg_has_role(current_user, relowner, 'MEMBER') "
                                     "FROM pg_class WHERE oid = 'haulmetry_schema'::regclass")) &&
           query.next() && query.value(0).toBool();
}

}  // namespace

QStringList detailsGrants() {
    const QString group = QString::fromLatin1(kWorkshopGroup);
    return {
        QStringLiteral("GRANT SELECT ON trailer_details TO %1").arg(group),
        QStringLiteral("GRANT INSERT (ident, fleet_number, plate, customer, notes, changed_at, "
                       "host, workshop) ON trailer_details TO %1")
            .arg(group),
        QStringLiteral("EXECUTE format('GRANT USAGE ON SEQUENCE %s TO %1', "
                       "pg_get_serial_sequence('trailer_details', 'id'))")
            .arg(group),
    };
}

QString& lastSqlState() {
    thread_local QString state;
    return state;
}

QString failureText(const QSqlQuery& query) {
    lastSqlState() = query.lastError().nativeErrorCode();
    return query.lastError().text();
}

bool transientFailure(const QString& sqlState) {
    // 08: connection exceptions; 57P01-03: the server shuts down or starts; 55P03: lock
    // time-out; 57014: statement time-out; 40001 and 40P01: serialization, deadlock; 53: the
    // server is out of disk or memory.
    return sqlState.isEmpty() || sqlState.startsWith(QLatin1String("08")) ||
           sqlState.startsWith(QLatin1String("57P0")) || sqlState.startsWith(QLatin1String("53")) ||
           sqlState == QLatin1String("55P03") || sqlState == QLatin1String("57014") ||
           sqlState == QLatin1String("40001") || sqlState == QLatin1String("40P01");
}

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

bool beginWrite(QSqlDatabase& db, Dialect dialect, QString& error, WriteLock lock) {
    QSqlQuery query(db);
    if (dialect == Dialect::SQLite) {
        return exec(query, QStringLiteral("BEGIN IMMEDIATE"), error);
    }
    // One writer at a time creates or migrates the schema; ordinary inserts do not wait on it.
    if (!db.transaction()) {
        error = db.lastError().text();
        return false;
    }
    return exec(query,
                lock == WriteLock::Import ? QStringLiteral("SELECT haulmetry_lock()")
                                          : QStringLiteral("SELECT pg_advisory_xact_lock(7283544)"),
                error);
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
    if (dialect == Dialect::PostgreSQL && version > 0 && !ownsSchema(db)) {
        error = libraryText(
            QCoreApplication::translate(
                "hm::Library",
                "%1 has library schema %2, and only its owner may bring it to %3 (haulmetry "
                "library setup as the owner); nothing was changed"),
            name, std::to_string(version), std::to_string(kSchemaVersion));
        return false;
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
