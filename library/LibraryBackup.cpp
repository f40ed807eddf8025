// `backupLibrary`: SQLite's online backup of an SQLite library into a new file.
//
// The library is opened through Qt's SQLite driver like every other connection of the program,
// and the backup runs on that connection's handle with SQLite's functions found at run time in
// the libsqlite3 the driver loaded (as LibraryBulk.cpp does). So SQLite alone touches the
// library's file and its -wal/-shm companions: no second descriptor on the live file, whose
// closing would drop the process's POSIX locks. The whole backup is one step, one read
// transaction: a consistent snapshot, while writers in WAL mode go on.
#include <dlfcn.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "library/LibraryCopy.h"
#include "library/LibrarySchema.h"
#include "platform/FileAccess.h"
#include "platform/SharedLibrary.h"

namespace hm::library {
namespace {

// How long the backup retries while another connection holds a lock it needs.
constexpr int kBusyRetryMs = 15000;
constexpr int kBusySleepMs = 50;

struct BackupApi {
    decltype(&::sqlite3_sourceid) sourceid = nullptr;
    decltype(&::sqlite3_open_v2) open = nullptr;
    decltype(&::sqlite3_close) close = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_exec) exec = nullptr;
    decltype(&::sqlite3_backup_init) init = nullptr;
    decltype(&::sqlite3_backup_step) step = nullptr;
    decltype(&::sqlite3_backup_finish) finish = nullptr;
    decltype(&::sqlite3_free) free = nullptr;
};

// SQLite's functions in the libsqlite3 that Qt's driver loaded, or null when it loaded none
// (a driver with SQLite built in).
const BackupApi* backupApi() {
    static const std::optional<BackupApi> api = []() -> std::optional<BackupApi> {
        void* lib = openSharedLibrary("libsqlite3.so.0", RTLD_NOLOAD);
        BackupApi f;
        const bool ok = lib != nullptr && findSymbol(lib, "sqlite3_sourceid", f.sourceid) &&
                        findSymbol(lib, "sqlite3_open_v2", f.open) &&
                        findSymbol(lib, "sqlite3_close", f.close) &&
                        findSymbol(lib, "sqlite3_errmsg", f.errmsg) &&
                        findSymbol(lib, "sqlite3_exec", f.exec) &&
                        findSymbol(lib, "sqlite3_backup_init", f.init) &&
                        findSymbol(lib, "sqlite3_backup_step", f.step) &&
                        findSymbol(lib, "sqlite3_backup_finish", f.finish) &&
                        findSymbol(lib, "sqlite3_free", f.free);
        return ok ? std::optional<BackupApi>(f) : std::nullopt;
    }();
    return api ? &*api : nullptr;
}

std::string text(const char* context, const char* pattern) {
    return QCoreApplication::translate(context, pattern).toStdString();
}

// The library's handle in Qt's driver, when the SQLite found is the one that driver runs.
sqlite3* driverHandle(const QSqlDatabase& db, const BackupApi& api) {
    const QVariant handle = db.driver() != nullptr ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT sqlite_source_id()")) || !query.next() ||
        query.value(0).toString() != QLatin1String(api.sourceid())) {
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

// The first column of each row of `sql` on `db`, joined by newlines.
bool queryText(const BackupApi& api, sqlite3* db, const char* sql, std::string& out,
               std::string& error) {
    out.clear();
    char* message = nullptr;
    const int rc = api.exec(
        db, sql,
        [](void* into, int, char** values, char**) {
            auto& s = *static_cast<std::string*>(into);
            s += (s.empty() ? "" : "\n") + std::string(values[0] != nullptr ? values[0] : "");
            return 0;
        },
        &out, &message);
    if (rc != SQLITE_OK) {
        error = message != nullptr ? message : api.errmsg(db);
    }
    api.free(message);
    return rc == SQLITE_OK;
}

// The temporary file of a backup and its journal; removed unless it was renamed into place.
class TempFile {
  public:
    ~TempFile() {
        if (!path.empty()) {
            for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
                ::unlink((path + suffix).c_str());
            }
        }
    }
    // Creates a new empty file beside `target` (mode 0600: a library holds a fleet's history).
    bool create(const std::filesystem::path& target, std::string& error) {
        const std::filesystem::path folder =
            target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        std::string name = (folder / ".hm-backup-XXXXXX").string();
        const int fd = ::mkstemp(name.data());
        if (fd < 0) {
            error = std::strerror(errno);
            return false;
        }
        ::close(fd);
        path = name;
        return true;
    }
    std::string path;
};

// Flushes the file or folder `path` to disk.
bool syncPath(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
}

// Renames `from` to `to` unless `to` exists (also when it appeared meanwhile); a file system
// without RENAME_NOREPLACE gets a hard link and an unlink, which refuse an existing name too.
bool renameNoReplace(const std::string& from, const std::string& to, std::string& error) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno == EINVAL || errno == ENOSYS) {
        if (::link(from.c_str(), to.c_str()) == 0) {
            ::unlink(from.c_str());
            return true;
        }
    }
    error = std::strerror(errno);
    return false;
}

// The whole database in one step (one read transaction: a consistent snapshot), retried while
// a lock it needs is held elsewhere.
bool runBackup(const BackupApi& api, sqlite3* source, sqlite3* target, std::string& error) {
    sqlite3_backup* backup = api.init(target, "main", source, "main");
    if (backup == nullptr) {
        error = api.errmsg(target);
        return false;
    }
    int rc = SQLITE_OK;
    for (int waited = 0;; waited += kBusySleepMs) {
        rc = api.step(backup, -1);
        if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || waited >= kBusyRetryMs) {
            break;
        }
        ::usleep(kBusySleepMs * 1000);
    }
    const int finished = api.finish(backup);
    if (rc != SQLITE_DONE || finished != SQLITE_OK) {
        error = api.errmsg(target);
        return false;
    }
    return true;
}

// Makes the backup one self-contained file, checks it, and counts its downloads.
bool checkBackup(const BackupApi& api, sqlite3* target, std::string& downloads,
                 std::string& error) {
    std::string out;
    if (!queryText(api, target, "PRAGMA journal_mode=DELETE", out, error) ||
        !queryText(api, target, "PRAGMA integrity_check", out, error)) {
        return false;
    }
    if (out != "ok") {
        error = text("hm::Library", "the copy does not pass its integrity check: ") + out;
        return false;
    }
    return queryText(api, target, "SELECT count(*) FROM downloads", downloads, error);
}

// Copies the open library `source` into the new file `temp` and checks the result.
bool backupInto(const BackupApi& api, sqlite3* source, const std::string& temp,
                std::string& downloads, std::string& error) {
    sqlite3* target = nullptr;
    const int rc = api.open(temp.c_str(), &target, SQLITE_OPEN_READWRITE, nullptr);
    bool ok = rc == SQLITE_OK;
    if (!ok) {
        error = target != nullptr ? api.errmsg(target) : std::strerror(ENOMEM);
    }
    ok = ok && runBackup(api, source, target, error) && checkBackup(api, target, downloads, error);
    if (target != nullptr && api.close(target) != SQLITE_OK && ok) {
        error = api.errmsg(target);
        ok = false;
    }
    return ok && syncPath(temp, O_RDONLY);
}

// Points `db` at the library file. A library this process may not write (the file, or its
// folder) is opened read-only, and as immutable unless a writer has its -wal and -shm files
// open already, as the library's own store does: SQLite must not create them from here, where
// they would get the library's read-only mode and refuse every later writer.
void pointAt(QSqlDatabase& db, const std::string& path) {
    const QString file = QString::fromLocal8Bit(path.c_str());
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyRetryMs);
    const bool readOnly = ::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0 ||
                          ::access(path.c_str(), W_OK) != 0;
    const bool walFiles = ::access((path + "-wal").c_str(), F_OK) == 0 &&
                          ::access((path + "-shm").c_str(), F_OK) == 0;
    if (readOnly && walFiles) {
        db.setDatabaseName(file);
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    } else if (readOnly) {
        QUrl uri = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
        uri.setQuery(QStringLiteral("immutable=1"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    } else {
        db.setDatabaseName(file);
    }
    db.setConnectOptions(options);
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("hm-library-backup-%1").arg(counter.fetch_add(1));
}

// Opens the SQLite library `path` through Qt's driver and backs it up into `temp`.
bool backupFile(const std::string& path, const std::string& name, const std::string& temp,
                std::string& downloads, std::string& error) {
    const QString connection = nextConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        pointAt(db, path);
        QSqlQuery probe(db);
        const BackupApi* api = nullptr;
        sqlite3* handle = nullptr;
        if (!db.open()) {
            error = libraryText(QCoreApplication::translate("hm::Library", "cannot open %1: %2"),
                                name, db.lastError().text().toStdString());
        } else if (!probe.exec(QStringLiteral("SELECT version FROM haulmetry_schema"))) {
            error =
                libraryText(QCoreApplication::translate("hm::Library", "%1 is not a library (%2)"),
                            name, probe.lastError().text().toStdString());
        } else if ((api = backupApi()) == nullptr || (handle = driverHandle(db, *api)) == nullptr) {
            error = text("hm::Library",
                         "the SQLite library that Qt's driver uses cannot be reached (a driver "
                         "with SQLite built in); use sqlite3's .backup command instead");
        } else {
            probe.finish();
            ok = backupInto(*api, handle, temp, downloads, error);
            if (!ok) {
                error =
                    libraryText(QCoreApplication::translate("hm::Library", "cannot back up %1: %2"),
                                name, error);
            }
        }
        probe = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

// Why `file` cannot take a backup: it exists (a backup never replaces a file), or its folder
// is missing; empty when it can.
std::string targetProblem(const std::string& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0) {
        return libraryText(QCoreApplication::translate(
                               "hm::Library", "%1 exists already; a backup never replaces a file"),
                           printablePath(file));
    }
    if (errno != ENOENT) {
        return libraryText(QCoreApplication::translate("hm::Library", "cannot write %1: %2"),
                           printablePath(file), std::string(std::strerror(errno)));
    }
    return {};
}

// Why the library file `path` cannot be backed up (missing, not a regular file); empty when it can.
std::string sourceProblem(const std::string& path, const std::string& name) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return libraryText(QCoreApplication::translate("hm::Library", "cannot open %1: %2"), name,
                           std::string(std::strerror(errno)));
    }
    if (!S_ISREG(st.st_mode)) {
        return libraryText(
            QCoreApplication::translate("hm::Library", "%1 is %2, not a regular file"), name,
            fileKindText(st.st_mode));
    }
    return {};
}

}  // namespace

bool backupLibrary(const Location& from, const std::string& file, std::string& summary,
                   std::string& error) {
    if (from.shared) {
        error = libraryText(QCoreApplication::translate(
            "hm::Library",
            "a shared library is backed up on its server with pg_dump; or copy it into an SQLite "
            "file with: haulmetry library copy URL FILE"));
        return false;
    }
    const std::string name =
        libraryText(QCoreApplication::translate("hm::Library", "the library %1"),
                    printablePath(from.sqlitePath));
    if (!(error = sourceProblem(from.sqlitePath, name)).empty() ||
        !(error = targetProblem(file)).empty()) {
        return false;
    }
    TempFile temp;
    std::string downloads;
    if (!temp.create(file, error)) {
        error = libraryText(QCoreApplication::translate("hm::Library", "cannot write %1: %2"),
                            printablePath(file), error);
        return false;
    }
    if (!backupFile(from.sqlitePath, name, temp.path, downloads, error)) {
        return false;
    }
    if (!renameNoReplace(temp.path, file, error)) {
        error = errno == EEXIST
                    ? targetProblem(file)
                    : libraryText(QCoreApplication::translate("hm::Library", "cannot write %1: %2"),
                                  printablePath(file), error);
        return false;
    }
    temp.path.clear();
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    syncPath(folder.empty() ? "." : folder.string(), O_RDONLY | O_DIRECTORY);
    summary = libraryText(
        QCoreApplication::translate("hm::Library", "%1 download(s) of %2 backed up into %3"),
        downloads, name, printablePath(file));
    return true;
}

}  // namespace hm::library
