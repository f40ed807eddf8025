// `haulmetry table PATH... [--format csv|json|xlsx] [-o OUT|-] [--recursive]`: one row per valid
// data file among the files and folders given (folders: their ".asc" files, with --recursive
// also those of every sub-folder). Files that cannot be read or are not data files are listed
// on standard error with the reason and skipped, as are folders that cannot be listed. Exit 0
// when at least one file was read, 3 when a folder could not be listed as well, else 1.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/DataFileWalk.h"
#include "app/cli/OutputFile.h"
#include "app/cli/SpreadsheetOutput.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/DataFile.h"
#include "platform/FileAccess.h"
#include "report/core/ExportSheets.h"
#include "report/core/FleetTable.h"

namespace {

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

// The table as it grows: a row per path that reads as a valid data file, every data file of a
// folder path; what cannot be read is reported on standard error and skipped.
class TableText {
  public:
    explicit TableText(hm::cli::OutputFormat format)
        : format_(format),
          text_(format == hm::cli::OutputFormat::Json ? hm::fleetTableJsonBegin()
                                                      : hm::fleetTableCsvHeader()) {}

    void addPath(const std::string& path, bool recursive) {
        if (hm::cli::isFolder(path)) {
            for (const std::string& file :
                 hm::cli::folderDataFiles(path, recursive, unlisted_, reportSkipped)) {
                addFile(file);
            }
        } else {
            addFile(path);
        }
    }
    int rows() const { return rows_; }
    int unlistedFolders() const { return unlisted_; }
    std::string finish() const {
        return format_ == hm::cli::OutputFormat::Json ? text_ + hm::fleetTableJsonEnd() : text_;
    }
    const hm::XlsxSheet& sheet() const { return sheet_; }

  private:
    void addFile(const std::string& path) {
        std::string reason;
        if (!readImage(path, image_, reason)) {
            reportSkipped(path, reason);
            return;
        }
        if (format_ == hm::cli::OutputFormat::Xlsx) {
            sheet_.rows.push_back(hm::fleetTableXlsxRow(path, image_));
        } else if (format_ == hm::cli::OutputFormat::Json) {
            text_ += (rows_ > 0 ? ",\n" : "") + hm::fleetTableJsonRow(path, image_);
        } else {
            text_ += hm::fleetTableCsvRow(path, image_);
        }
        ++rows_;
    }

    hm::cli::OutputFormat format_;
    std::string text_;
    hm::XlsxSheet sheet_ = hm::fleetTableSheet();
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
    hm::cli::addHelpOption(parser);
    const hm::cli::FormatOutputOptions options;
    const QCommandLineOption recursive({QStringLiteral("r"), QStringLiteral("recursive")},
                                       QStringLiteral("Also read the sub-folders of folders."));
    options.addTo(parser);
    parser.addOption(recursive);
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("Data files and folders"),
                                 QStringLiteral("PATH..."));
    hm::cli::processArguments(parser, args, QStringLiteral("table"));
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty()) {
        hm::cli::printError(QCoreApplication::translate(
            "hm::cli",
            "haulmetry table: expected at least one file or folder (see haulmetry "
            "table --help)"));
        return 1;
    }
    const std::optional<OutputFormat> format = options.kind(parser, "table");
    if (!format) {
        return 1;
    }
    TableText table(*format);
    for (const QString& arg : paths) {
        table.addPath(hm::cli::localPath(arg), parser.isSet(recursive));
    }
    const QString out = parser.value(options.output);
    if (*format == OutputFormat::Xlsx ? !writeSpreadsheet(out, {table.sheet()}, "table")
                                      : !hm::cli::writeOutput(out, table.finish(), "table")) {
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
