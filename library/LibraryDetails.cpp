// A trailer's details in the library: read, changed (a new row, never an update), the changes
// one by one, and which trailers a plate or fleet number names.
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "library/Library.h"
#include "library/LibrarySchema.h"
#include "library/LibraryStore.h"
#include "library/StoreRow.h"
#include "platform/FileAccess.h"

namespace hm::library {
namespace {

QByteArray identBytes(const std::string& ident) {
    return QByteArray(ident.data(), static_cast<qsizetype>(ident.size()));
}

std::string text(const QVariant& value) {
    return value.toString().toStdString();
}

// The columns detailsFrom() reads, of the table alias `a`.
QString detailColumns(const QString& a) {
    return QStringLiteral(
               "%1.fleet_number, %1.plate, %1.customer, %1.notes, %1.changed_at, "
               "%1.host, %1.workshop")
        .arg(a);
}

// An identification's latest details row: by changed_at, then id, so that rows copied from
// another library keep their order among those made here.
QString latestDetailsId(const QString& ident) {
    return QStringLiteral(
               "(SELECT x.id FROM trailer_details x WHERE x.ident = %1 "
               "ORDER BY x.changed_at DESC, x.id DESC LIMIT 1)")
        .arg(ident);
}

bool run(QSqlQuery& query, QString& error) {
    if (!query.exec()) {
        error = failureText(query);
        return false;
    }
    return true;
}

// The text why `store` cannot be read now, or "" when it can.
std::string unreadable(const Library::Store& store) {
    return store.offline
               ? libraryText(QCoreApplication::translate("hm::Library", "cannot reach %1"),
                             store.name)
               : std::string();
}

std::string readFailure(const Library::Store& store, const QString& reason) {
    return libraryText(QCoreApplication::translate("hm::Library", "cannot read %1: %2"), store.name,
                       reason.trimmed().toStdString());
}

bool knownTrailer(const Library::Store& store, const std::string& ident, bool& known,
                  QString& error) {
    QSqlQuery query(store.db());
    query.prepare(QStringLiteral("SELECT 1 FROM trailers WHERE ident = ?"));
    query.addBindValue(identBytes(ident));
    if (!run(query, error)) {
        return false;
    }
    known = query.next();
    return true;
}

bool insertDetails(const Library::Store& store, const std::string& ident, const TrailerDetails& d,
                   QString& error) {
    const Provenance by = currentProvenance();
    QSqlQuery query(store.db());
    query.prepare(QStringLiteral(
        "INSERT INTO trailer_details (ident, fleet_number, plate, customer, notes, changed_at, "
        "host, workshop) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(identBytes(ident));
    for (const std::string* field : {&d.fleetNumber, &d.plate, &d.customer, &d.notes}) {
        query.addBindValue(QString::fromStdString(*field));
    }
    query.addBindValue(QString::fromStdString(localIsoTime(by.addedAt)));
    query.addBindValue(QString::fromStdString(validText(by.host)));
    query.addBindValue(QString::fromStdString(validText(by.workshop)));
    return run(query, error);
}

}  // namespace

TrailerDetails detailsFrom(const QSqlQuery& q, int first) {
    TrailerDetails d;
    if (q.value(first + 4).isNull()) {
        return d;
    }
    d.fleetNumber = text(q.value(first));
    d.plate = text(q.value(first + 1));
    d.customer = text(q.value(first + 2));
    d.notes = text(q.value(first + 3));
    d.changedAt = text(q.value(first + 4));
    const std::string workshop = text(q.value(first + 6));
    d.changedBy = workshop.empty() ? text(q.value(first + 5)) : workshop;
    return d;
}

QString currentDetailsJoin(const QString& identColumn) {
    return QStringLiteral(" LEFT JOIN trailer_details td ON td.id = %1")
        .arg(latestDetailsId(identColumn));
}

QString currentDetailsColumns() {
    return detailColumns(QStringLiteral("td"));
}

bool Library::trailerDetails(const std::string& ident, TrailerDetails& details,
                             std::string& error) {
    details = TrailerDetails{};
    if (error = unreadable(*store_); !error.empty()) {
        return false;
    }
    QSqlQuery query(store_->db());
    query.prepare(QStringLiteral("SELECT %1 FROM trailer_details td WHERE td.id = %2")
                      .arg(currentDetailsColumns(), latestDetailsId(QStringLiteral("?"))));
    query.addBindValue(identBytes(ident));
    QString reason;
    if (!run(query, reason)) {
        error = readFailure(*store_, reason);
        return false;
    }
    if (query.next()) {
        details = detailsFrom(query, 0);
    }
    return true;
}

bool Library::setTrailerDetails(const std::string& ident, const TrailerDetails& details,
                                std::string& error) {
    const auto refuse = [&](const std::string& why) {
        error = libraryText(QCoreApplication::translate(
                                "hm::Library", "cannot store the details of the trailer %1: %2"),
                            printablePath(ident), why);
        return false;
    };
    if (const std::string problem = detailsProblem(details); !problem.empty()) {
        return refuse(problem);
    }
    if (store_->readOnly) {
        return refuse(libraryText(QCoreApplication::translate("hm::Library", "%1 is read-only"),
                                  store_->name));
    }
    TrailerDetails current;
    if (!trailerDetails(ident, current, error)) {
        return refuse(error);
    }
    QString reason;
    bool known = false;
    if (!knownTrailer(*store_, ident, known, reason)) {
        return refuse(reason.trimmed().toStdString());
    }
    if (!known) {
        return refuse(
            libraryText(QCoreApplication::translate("hm::Library", "%1 holds no download of it"),
                        store_->name));
    }
    if (current.sameFields(details)) {
        return true;
    }
    if (!insertDetails(*store_, ident, details, reason)) {
        return refuse(libraryText(QCoreApplication::translate("hm::Library", "%1 refused: %2"),
                                  store_->name, reason.trimmed().toStdString()));
    }
    return true;
}

bool Library::detailsHistory(const std::string& ident, std::vector<TrailerDetails>& changes,
                             std::string& error) {
    if (error = unreadable(*store_); !error.empty()) {
        return false;
    }
    QSqlQuery query(store_->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM trailer_details d WHERE d.ident = ? "
                                 "ORDER BY d.changed_at, d.id")
                      .arg(detailColumns(QStringLiteral("d"))));
    query.addBindValue(identBytes(ident));
    QString reason;
    if (!run(query, reason)) {
        error = readFailure(*store_, reason);
        return false;
    }
    while (query.next()) {
        changes.push_back(detailsFrom(query, 0));
    }
    return true;
}

bool Library::findTrailers(const std::string& text, std::vector<std::string>& idents,
                           std::string& error) {
    const std::string plate = plateKey(text);
    const std::string fleetNumber = fleetNumberKey(text);
    if (error = unreadable(*store_); !error.empty()) {
        return false;
    }
    if (plate.empty() && fleetNumber.empty()) {
        return true;
    }
    QSqlQuery query(store_->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT t.ident, td.plate, td.fleet_number FROM trailers t%1 "
                                   "WHERE td.id IS NOT NULL ORDER BY t.ident")
                        .arg(currentDetailsJoin(QStringLiteral("t.ident"))))) {
        error = readFailure(*store_, failureText(query));
        return false;
    }
    while (query.next()) {
        const std::string p = plateKey(query.value(1).toString().toStdString());
        const std::string f = fleetNumberKey(query.value(2).toString().toStdString());
        if ((!plate.empty() && p == plate) || (!fleetNumber.empty() && f == fleetNumber)) {
            const QByteArray b = query.value(0).toByteArray();
            idents.emplace_back(b.constData(), static_cast<size_t>(b.size()));
        }
    }
    return true;
}

}  // namespace hm::library
