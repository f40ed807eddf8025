// `haulmetry table PATH... [--format csv|json] [-o OUT|-] [--recursive]`: one row per valid
// data file among the files and folders given (folders: their ".asc" files, with --recursive
// also those of every sub-folder). Files that cannot be read or are not data files are listed
// on standard error with the reason and skipped. Exit 0 when at least one file was read.
#include <sys/stat.h>

#include <QCommandLineParser>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/OutputFile.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/DataFile.h"
#include "fleetdata/FileAccess.h"
#include "report/core/FleetTable.h"

namespace {

namespace fs = std::filesystem;

void reportSkipped(const std::string& path, const std::string& reason) {
    hm::cli::printError(
        QStringLiteral("haulmetry table: %1: %2")
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

// The data files of a folder (".asc", any case), sorted by name; sub-folders too when
// `recursive` (symbolic links to folders are not followed, so no loop is possible).
std::vector<std::string> folderFiles(const std::string& folder, bool recursive) {
    std::vector<std::string> files;
    std::error_code ec;
    auto take = [&files](const fs::directory_entry& entry) {
        std::error_code typeError;
        if (hasDataFileExtension(entry.path()) && !entry.is_directory(typeError)) {
            files.push_back(entry.path().native());
        }
    };
    const auto options = fs::directory_options::skip_permission_denied;
    if (recursive) {
        fs::recursive_directory_iterator it(folder, options, ec);
        for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            take(*it);
        }
    } else {
        fs::directory_iterator it(folder, options, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            take(*it);
        }
    }
    if (ec) {
        reportSkipped(folder, "cannot list the folder: " + ec.message());
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
            for (const std::string& file : folderFiles(path, recursive)) {
                addFile(file);
            }
        } else {
            addFile(path);
        }
    }
    int rows() const { return rows_; }
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
    hm::FleetDataImage image_;
};

}  // namespace

namespace hm::cli {

int runTable(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes one row per valid data file among the files and folders given: path, vehicle "
        "identification, saved at, the eight summary totals and the number of stability "
        "records. Folders contribute their .asc files."));
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
        hm::cli::printError(
            QStringLiteral("haulmetry table: expected at least one file or folder (see haulmetry "
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
        hm::cli::printError(QStringLiteral("haulmetry table: no data file could be read"));
        return 1;
    }
    return 0;
}

}  // namespace hm::cli
