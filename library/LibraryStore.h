#pragma once
// The connection behind a Library: one QSqlDatabase (SQLite or PostgreSQL) and the SQL that
// reads and writes the downloads table. Internal to library/.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "library/Library.h"
#include "library/LibrarySchema.h"
#include "library/StoreRow.h"

namespace hm::library {

// The current details of a trailer in a query: the LEFT JOIN (alias td) of the latest
// trailer_details row of the identification in `identColumn`, the columns it reads (seven),
// and the details read from them starting at column `first` (empty when the row is NULL).
QString currentDetailsJoin(const QString& identColumn);
QString currentDetailsColumns();
TrailerDetails detailsFrom(const QSqlQuery& query, int first);

class Library::Store {
  public:
    Store(const Location& location, Dialect dialect);
    ~Store();

    // Opens the connection and prepares the schema. A shared library whose server cannot be
    // reached is left offline (true is returned, `error` says why).
    bool open(std::string& error);

    // Inserts `rows` in one transaction; `added` counts the rows that were new. A loaded, saved
    // or imported row whose data (all but what a save writes) equals a stored row of the same
    // trailer, or an earlier row of `rows`, is the same visit: it is not stored but counted in
    // `sameVisits`. Checked under the write lock, so two writers cannot both add one visit.
    bool insertRows(const std::vector<StoreRow>& rows, int& added, int& sameVisits, QString& error);
    // The same without the one-visit rule: every row whose hash is new is stored (a copy of
    // another library keeps what that library holds). On failure of either,
    // failureTransient says whether the server was lost or busy rather than refusing.
    bool insertRows(const std::vector<StoreRow>& rows, int& added, QString& error);
    // Every download of one trailer, oldest visit first.
    bool selectHistory(const std::string& ident, std::vector<Entry>& entries, QString& error);
    // One row per trailer, by identification.
    bool selectFleet(std::vector<FleetRow>& rows, QString& error);
    // The stored bytes of the download `id` and the hash its row names.
    bool selectData(int64_t id, std::string& bytes, std::string& hash, QString& error);

    QSqlDatabase db() const { return QSqlDatabase::database(connection_, false); }

    Location location;
    Dialect dialect;
    std::string name;  // the file or redacted URL, for messages
    bool readOnly = false;
    bool offline = false;
    // After insertRows() failed: whether it may succeed later unchanged (transientFailure()).
    bool failureTransient = false;

  private:
    bool openSqlite(std::string& error);
    bool openPostgres(std::string& error);
    bool insertAll(const std::vector<StoreRow>& rows, int& added, QString& error);
    // `sameVisits` null: every row as it is.
    bool writeRows(const std::vector<StoreRow>& rows, int& added, int* sameVisits, QString& error);
    bool insertInTransaction(const std::vector<StoreRow>& rows, int& added, int* sameVisits,
                             QString& error);
    // repeat[i] is 1 when rows[i] is the same visit as a stored row or an earlier one of `rows`.
    bool findSameVisits(const std::vector<StoreRow>& rows, std::vector<char>& repeat,
                        QString& error);
    bool holdsSameData(const StoreRow& row, bool& same, QString& error);
    bool insertChunk(QSqlQuery& downloads, QSqlQuery& images, const StoreRow* rows, int count,
                     int& added, QString& error);

    QString connection_;
};

}  // namespace hm::library
