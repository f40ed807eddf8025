#pragma once
// The inserts of a large batch through the database's own client library (SQLite's C interface,
// libpq) on the connection Qt SQL opened, inside the transaction the store began. Qt SQL names
// every bound value through a string table, and for PostgreSQL writes every value, the image
// bytes too, into the text of an EXECUTE statement that the server has to parse again; an import
// of thousands of images spent most of its time there. Internal to library/.
#include <QSqlDatabase>
#include <QString>
#include <string>
#include <vector>

#include "library/StoreRow.h"

namespace hm::library {

enum class BulkInsert {
    Done,        // every row is in (new ones counted in `added`)
    Failed,      // `error` says why; the transaction must be rolled back
    Unavailable  // the connection's handle cannot be used here: nothing was sent
};

// Inserts `rows` into downloads and images with ON CONFLICT (hash) DO NOTHING, adding the number
// of new downloads rows to `added`.
BulkInsert bulkInsertSqlite(const QSqlDatabase& db, const std::vector<StoreRow>& rows, int& added,
                            QString& error);
BulkInsert bulkInsertPostgres(const QSqlDatabase& db, const std::vector<StoreRow>& rows, int& added,
                              QString& error);

// `password` for the login role `role` as the server stores it (a SCRAM verifier, made here
// through libpq, so that the password itself never reaches the server or its logs); empty when
// libpq cannot make one, with `error` set.
std::string encryptedPassword(const QSqlDatabase& db, const std::string& password,
                              const std::string& role, QString& error);

// The socket of the PostgreSQL connection `db`, or -1.
int postgresSocket(const QSqlDatabase& db);

}  // namespace hm::library
