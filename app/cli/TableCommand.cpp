// `haulmetry table PATH... [--format csv|json] [-o OUT|-] [--recursive]`: one row per valid
// data file among the files and folders given (folders: their ".asc" files, with --recursive
// also those of every sub-folder). Files that cannot be read or are not data files are listed
// on standard error with the reason and skipped, as are folders that cannot be listed. Exit 0
// when at least one file was read, 3 when a folder could not be listed as well, else 1.
#include <sys/stat.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/OutputFile.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/DataFile.h"
#include "platform/FileAccess.h"
#include "report/core/FleetTable.h"

namespace {

namespace fs = std::filesystem;

// The exit status of a table written without the files of a folder that could not be listed.
constexpr int kIncompleteTable = 3;

void reportSkipped(const std::string& path, const std::string& reason) {
    hm::cli::printError(
        QCoreApplication::translate("hm::cli", "haulmetry table: %1: %2")
            .arg(QString::fromStdString(hm::printablePath(path)), QString::fromStdString(reason)));
}

// Reads one data file through the shared reader, which never blocks on a FIFO or device.
bool readImage(const std::string& path, hm::FleetDataImage& image, std::string& reason) {
    const hm::DataFileRead read = hm::readDataFile(path, image);
    reason = read.reason;
    return read.ok();
}

bool hasDataFileExtension(const fs::path& path) {
    std::string ext = path.extension().native();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".asc";
}

// What one folder holds: its data files (".asc", any case, also symbolic links to files) and its
// sub-folders (never a symbolic link to a folder, so a walk cannot loop).
struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// Lists `folder` into `out`. When the folder cannot be opened, or its listing breaks off, returns
// false with the reason; what was listed before the break is kept.
bool listFolder(const std::string& folder, FolderListing& out, std::string& reason) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_symlink(typeError) && it->is_directory(typeError)) {
            out.folders.push_back(it->path().native());
        } else if (hasDataFileExtension(it->path()) && !it->is_directory(typeError)) {
            out.files.push_back(it->path().native());
        }
    }
    if (ec) {
        reason = "cannot list the folder: " + ec.message();
        return false;
    }
    return true;
}

// The data files of `folder`, with `recursive` those of every sub-folder too, sorted by path. A
// folder that cannot be listed is named on standard error and counted in `unlisted`; the walk
// goes on with the others. Only one folder is open at a time, however deep the tree.
std::vector<std::string> folderFiles(const std::string& folder, bool recursive, int& unlisted) {
    std::vector<std::string> files;
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
        const std::string next = std::move(pending.back());
        pending.pop_back();
        FolderListing listing;
        std::string reason;
        if (!listFolder(next, listing, reason)) {
            reportSkipped(next, reason);
            ++unlisted;
        }
        files.insert(files.end(), listing.files.begin(), listing.files.end());
        if (recursive) {
            pending.insert(pending.end(), listing.folders.begin(), listing.folders.end());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The table as it grows: a row per path that reads as a valid data file, every data file of a
// folder path; what cannot be read is reported on standard error and skipped.
class TableText {
  public:
    explicit TableText(bool json)
        : json_(json), text_(json ? hm::fleetTableJsonBegin() : hm::fleetTableCsvHeader()) {}

    void addPath(const std::string& path, bool recursive) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            for (const std::string& file : folderFiles(path, recursive, unlisted_)) {
                addFile(file);
            }
        } else {
            addFile(path);
        }
    }
    int rows() const { return rows_; }
    int unlistedFolders() const { return unlisted_; }
    std::string finish() const { return json_ ? text_ + hm::fleetTableJsonEnd() : text_; }

  private:
    void addFile(const std::string& path) {
        std::string reason;
        if (!readImage(path, image_, reason)) {
            reportSkipped(path, reason);
            return;
        }
        if (json_) {
            text_ += (rows_ > 0 ? ",\n" : "") + hm::fleetTableJsonRow(path, image_);
        } else {
            text_ += hm::fleetTableCsvRow(path, image_);
        }
        ++rows_;
    }

    bool json_;
    std::string text_;
    int rows_ = 0;
    int unlisted_ = 0;
    hm::FleetDataImage image_;
};

}  // namespace

namespace hm::cli {

int runTable(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes one row per valid data file among the files and folders given: path, vehicle "
        "identification, saved at, the eight summary totals and the number of stability "
        "records. Folders contribute their .asc files.\n"
        "Files that cannot be read or are not data files, and folders that cannot be listed, "
        "are named on standard error and skipped.\n"
        "Exit status: 0 when at least one file was read and every folder listed; 3 when at "
        "least one file was read but a folder could not be listed (the table is incomplete); "
        "1 when no file could be read or OUT could not be written."));
    parser.addHelpOption();
    const hm::cli::FormatOutputOptions options;
    const QCommandLineOption recursive({QStringLiteral("r"), QStringLiteral("recursive")},
                                       QStringLiteral("Also read the sub-folders of folders."));
    options.addTo(parser);
    parser.addOption(recursive);
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("Data files and folders"),
                                 QStringLiteral("PATH..."));
    parser.process(args);
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty()) {
        hm::cli::printError(QCoreApplication::translate(
            "hm::cli",
            "haulmetry table: expected at least one file or folder (see haulmetry "
            "table --help)"));
        return 1;
    }
    const std::optional<bool> wantsJson = options.json(parser, "table");
    if (!wantsJson) {
        return 1;
    }
    TableText table(*wantsJson);
    for (const QString& arg : paths) {
        table.addPath(hm::cli::localPath(arg), parser.isSet(recursive));
    }
    const std::string text = table.finish();
    if (!hm::cli::writeOutput(parser.value(options.output), text, "table")) {
        return 1;
    }
    if (table.rows() == 0) {
        hm::cli::printError(
            QCoreApplication::translate("hm::cli", "haulmetry table: no data file could be read"));
        return 1;
    }
    if (table.unlistedFolders() > 0) {
        hm::cli::printError(
            QCoreApplication::translate(
                "hm::cli",
                "haulmetry table: %1 folder(s) could not be listed; their files are "
                "missing from the table")
                .arg(table.unlistedFolders()));
        return kIncompleteTable;
    }
    return 0;
}

}  // namespace hm::cli
