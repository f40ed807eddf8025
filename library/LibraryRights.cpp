// A shared library's roles and rights: the owner keeps every right; the workshops' group role
// may read every table and add downloads and images, and nothing else. What a workshop cannot
// do directly (the trailers summary, the import lock) runs in functions with the owner's
// rights (LibrarySchema.cpp, version 4).
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "library/Library.h"
#include "library/LibraryBulk.h"
#include "library/LibrarySchema.h"
#include "library/LibraryStore.h"

namespace hm::library {
namespace {

// Marks a role as one that `grant` made, so that grant and revoke never touch another role.
const QString kWorkshopComment = QStringLiteral("haulmetry workshop");

bool run(QSqlDatabase db, const QStringList& statements, QString& error) {
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            error = failureText(query).trimmed();
            return false;
        }
    }
    return true;
}

// Runs `statements` in one transaction.
bool runAll(QSqlDatabase db, const QStringList& statements, QString& error) {
    if (!db.transaction()) {
        error = db.lastError().text();
        return false;
    }
    if (!run(db, statements, error) || !db.commit()) {
        if (error.isEmpty()) {
            error = db.lastError().text();
        }
        db.rollback();
        return false;
    }
    return true;
}

QStringList rightsStatements() {
    const QString group = QString::fromLatin1(kWorkshopGroup);
    return {
        QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '%1') "
                       "THEN CREATE ROLE %1 NOLOGIN; END IF; END $$")
            .arg(group),
        QStringLiteral("REVOKE ALL ON downloads, images, trailers, haulmetry_schema, "
                       "download_figures, trailer_figures, trailer_details FROM PUBLIC, %1")
            .arg(group),
        QStringLiteral("REVOKE ALL ON FUNCTION haulmetry_lock(), haulmetry_added(), "
                       "haulmetry_stamp() FROM PUBLIC"),
        // Nobody but the owner creates objects in the library's schema (a function or table
        // there could stand in for the library's own).
        QStringLiteral(
            "DO $$ BEGIN "
            "EXECUTE format('REVOKE CREATE ON SCHEMA %I FROM PUBLIC', current_schema()); "
            "EXECUTE format('GRANT USAGE ON SCHEMA %I TO %2', current_schema()); "
            "EXECUTE format('GRANT CONNECT ON DATABASE %I TO %2', current_database()); "
            "EXECUTE format('GRANT USAGE ON SEQUENCE %s TO %2', "
            "pg_get_serial_sequence('downloads', 'id')); "
            // Every column of a download but its number, which the sequence gives.
            "EXECUTE (SELECT format('GRANT INSERT (%s) ON downloads TO %2', "
            "string_agg(quote_ident(attname), ', ')) FROM pg_attribute WHERE attrelid = "
            "'downloads'::regclass AND attnum > 0 AND NOT attisdropped AND attname <> 'id'); "
            "END $$")
            .replace(QStringLiteral("%2"), group),
        QStringLiteral("GRANT SELECT ON downloads, images, trailers, haulmetry_schema, "
                       "download_figures, trailer_figures TO %1")
            .arg(group),
        QStringLiteral("GRANT INSERT ON images TO %1").arg(group),
        QStringLiteral("GRANT EXECUTE ON FUNCTION haulmetry_lock() TO %1").arg(group),
        // A trailer's details: read, and add a change (never alter or remove one).
        QStringLiteral("DO $$ BEGIN %1; END $$").arg(detailsGrants().join(QStringLiteral("; "))),
    };
}

// True when `role` exists; `workshop` tells whether grant made it.
bool findRole(QSqlDatabase db, const std::string& role, bool& exists, bool& workshop,
              QString& error) {
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT COALESCE(shobj_description(oid, 'pg_authid'), '') "
                       "FROM pg_roles WHERE rolname = ?"));
    query.addBindValue(QString::fromStdString(role));
    if (!query.exec()) {
        error = failureText(query).trimmed();
        return false;
    }
    exists = query.next();
    workshop = exists && query.value(0).toString() == kWorkshopComment;
    return true;
}

QString quotedLiteral(const std::string& text) {
    QString quoted = QString::fromStdString(text);
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace

bool validWorkshopName(const std::string& name) {
    // A lower-case letter, then at most 62 lower-case letters, digits or '_'.
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    const auto allowed = [&](char c) { return lower(c) || (c >= '0' && c <= '9') || c == '_'; };
    return !name.empty() && name.size() <= 63 && lower(name[0]) &&
           std::all_of(name.begin(), name.end(), allowed) && !name.starts_with("pg_") &&
           name != kWorkshopGroup;
}

bool Library::setUpRights(std::string& error) {
    QString reason;
    if (!store_->location.shared || store_->offline) {
        error = libraryText(store_->offline
                                ? QCoreApplication::translate("hm::Library", "cannot reach %1")
                                : QCoreApplication::translate(
                                      "hm::Library",
                                      "%1 is an SQLite file: roles and rights apply to a shared "
                                      "PostgreSQL library only"),
                            store_->name);
        return false;
    }
    if (!runAll(store_->db(), rightsStatements(), reason)) {
        error = libraryText(
            QCoreApplication::translate("hm::Library", "cannot set up the rights of %1: %2"),
            store_->name, reason.toStdString());
        return false;
    }
    return true;
}

bool Library::grantWorkshop(const std::string& workshop, const std::string& password,
                            std::string& error) {
    if (!setUpRights(error)) {
        return false;
    }
    QString reason;
    bool exists = false;
    bool ours = false;
    if (!findRole(store_->db(), workshop, exists, ours, reason)) {
        error = reason.toStdString();
        return false;
    }
    if (exists && !ours) {
        error = libraryText(
            QCoreApplication::translate(
                "hm::Library", "the role %1 exists and is not a workshop's; nothing was changed"),
            workshop);
        return false;
    }
    const std::string verifier = encryptedPassword(store_->db(), password, workshop, reason);
    if (verifier.empty()) {
        error = reason.toStdString();
        return false;
    }
    const QString role = QLatin1Char('"') + QString::fromStdString(workshop) + QLatin1Char('"');
    const QString group = QString::fromLatin1(kWorkshopGroup);
    QStringList statements{
        exists
            ? QStringLiteral("ALTER ROLE %1 LOGIN PASSWORD %2").arg(role, quotedLiteral(verifier))
            : QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD %2").arg(role, quotedLiteral(verifier)),
        QStringLiteral("GRANT %1 TO %2").arg(group, role),
        QStringLiteral("COMMENT ON ROLE %1 IS '%2'").arg(role, kWorkshopComment)};
    if (!runAll(store_->db(), statements, reason)) {
        error = libraryText(
            QCoreApplication::translate("hm::Library", "cannot add the workshop %1 to %2: %3"),
            workshop, store_->name, reason.toStdString());
        return false;
    }
    return true;
}

bool Library::revokeWorkshop(const std::string& workshop, std::string& error) {
    if (!setUpRights(error)) {
        return false;
    }
    QString reason;
    bool exists = false;
    bool ours = false;
    if (!findRole(store_->db(), workshop, exists, ours, reason)) {
        error = reason.toStdString();
        return false;
    }
    if (!ours) {
        error = libraryText(QCoreApplication::translate(
                                "hm::Library", "%1 is not a workshop of %2; nothing was changed"),
                            workshop, store_->name);
        return false;
    }
    const QString role = QLatin1Char('"') + QString::fromStdString(workshop) + QLatin1Char('"');
    if (!runAll(store_->db(),
                {QStringLiteral("REVOKE %1 FROM %2").arg(QString::fromLatin1(kWorkshopGroup), role),
                 QStringLiteral("ALTER ROLE %1 NOLOGIN").arg(role)},
                reason)) {
        error = libraryText(
            QCoreApplication::translate("hm::Library", "cannot revoke the workshop %1: %2"),
            workshop, reason.toStdString());
        return false;
    }
    return true;
}

}  // namespace hm::library
