// `haulmetry library SUBCOMMAND ...`: the trailer library on the command line. `import` and
// `list` are here; `history`, `diff` and `export` in LibraryTrailerCommand.cpp.
//
// Exit status: 0 when everything asked for was done; 3 when part of it was (files skipped, a
// folder not listed, or downloads waiting in the local queue of a shared library whose server
// cannot be reached); 1 when nothing was (and for bad arguments).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <string>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/DataFileWalk.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/DataFile.h"
#include "platform/FileAccess.h"
#include "platform/ParallelFor.h"

namespace hm::cli {
namespace {

constexpr int kPartly = 3;

struct Action {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

constexpr Action kActions[] = {
    {"import", "PATH... [--recursive]: store data files and folders of them", &runLibraryImport},
    {"list", "[--format text|csv|json] [--rules FILE]: one row per trailer with its figures",
     &runLibraryList},
    {"history", "IDENT: every download of one trailer", &runLibraryHistory},
    {"diff", "IDENT [--from DATE] [--to DATE]: what changed between two downloads",
     &runLibraryDiff},
    {"export", "IDENT -o FOLDER: write a trailer's downloads as data files", &runLibraryExport},
    {"setup", "--library OWNER-URL: the shared library's schema, workshop group and rights",
     &runLibrarySetup},
    {"grant", "WORKSHOP: a login role for a workshop (password from standard input)",
     &runLibraryGrant},
    {"revoke", "WORKSHOP: the workshop's role may no longer log in or add", &runLibraryRevoke},
    {"findings", "[IDENT] [--rules FILE] [--format text|json]: the findings of the trailers",
     &runLibraryFindings},
    {"copy", "FROM TO: copy every download of one library into another", &runLibraryCopy},
    {"backup", "FILE: write a checked copy of the SQLite library into a new file",
     &runLibraryBackup},
    {"set", "IDENT [--plate P] [--fleet-number N] [--customer C] [--notes T]: a trailer's details",
     &runLibrarySet},
};

void printUsage() {
    QString text = QStringLiteral("Usage: haulmetry library SUBCOMMAND [--library URL] ...\n");
    for (const Action& a : kActions) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(a.name), -8)
                    .arg(QString::fromUtf8(a.usage));
    }
    printOut(text);
}

// Threads that read the files of an import, and the fewest files worth a thread.
constexpr size_t kReadThreads = 4;
constexpr size_t kFilesPerThread = 256;

// Reads the data file `file` into `item` as its bytes (the first 2484, as a data file holds
// them); false with `reason` when it is not a valid data file.
bool readItem(const std::string& file, library::Item& item, std::string& reason) {
    std::string bytes;
    if (!readRegularFile(file, kImageSize, bytes, reason)) {
        return false;
    }
    item.source = library::Source::Import;
    item.path = file;
    if (bytes.size() == item.bytes.size()) {
        std::copy(bytes.begin(), bytes.end(), item.bytes.begin());
        if (validateImageBytes(item.bytes) == DataFileStatus::Valid) {
            return true;
        }
    }
    FleetDataImage image;
    reason = parseDataFileBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image)
                 .reason;
    return false;
}

// The files that `paths` name; reads each valid one into `items`, reports the others.
void collectItems(const QStringList& paths, bool recursive, std::vector<library::Item>& items,
                  int& skipped, int& unlisted) {
    std::vector<std::string> files;
    for (const QString& arg : paths) {
        const std::string path = localPath(arg);
        if (isFolder(path)) {
            const auto found = folderDataFiles(
                path, recursive, unlisted, [](const auto& skipped, const auto& why) {
                    reportSkippedPath("library import", skipped, why);
                });
            files.insert(files.end(), found.begin(), found.end());
        } else {
            files.push_back(path);
        }
    }
    // Read on a few threads (opening many small files is mostly waiting for the system), then
    // reported and kept in the order named.
    std::vector<library::Item> read(files.size());
    std::vector<std::string> reasons(files.size());
    std::vector<char> valid(files.size(), 0);
    parallelFor(files.size(), kReadThreads, kFilesPerThread,
                [&](size_t i) { valid[i] = readItem(files[i], read[i], reasons[i]) ? 1 : 0; });
    size_t kept = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        if (valid[i] == 0) {
            reportSkippedPath("library import", files[i], reasons[i]);
            ++skipped;
        } else if (kept++ != i) {
            read[kept - 1] = std::move(read[i]);
        }
    }
    read.resize(kept);
    items = std::move(read);
}

}  // namespace

int runLibrary(const QStringList& args) {
    const QString action = args.size() > 1 ? args[1] : QString();
    for (const Action& a : kActions) {
        if (action == QLatin1String(a.name)) {
            return a.run(args.mid(1));
        }
    }
    if (action == QLatin1String("--help") || action == QLatin1String("-h")) {
        printUsage();
        return 0;
    }
    printError(
        action.isEmpty()
            ? QCoreApplication::translate("hm::cli",
                                          "haulmetry library: expected a subcommand (see haulmetry "
                                          "library --help)")
            : QCoreApplication::translate("hm::cli",
                                          "haulmetry library: unknown subcommand %1 (see haulmetry "
                                          "library --help)")
                  .arg(displayPath(action)));
    return 1;
}

namespace {

// The import's summary line, and the saved copies that were the same visit as a stored one.
void printImportSummary(const library::StoreResult& result, int skipped) {
    const QString summary =
        result.notStored > 0
            ? QCoreApplication::translate("hm::cli",
                                          "%1 added, %2 already in the library, %3 waiting in the "
                                          "local queue, %4 not stored, %5 skipped")
                  .arg(QString::number(result.added), QString::number(result.duplicates),
                       QString::number(result.queued), QString::number(result.notStored),
                       QString::number(skipped))
            : QCoreApplication::translate("hm::cli",
                                          "%1 added, %2 already in the library, %3 waiting in the "
                                          "local queue, %4 skipped")
                  .arg(QString::number(result.added), QString::number(result.duplicates),
                       QString::number(result.queued), QString::number(skipped));
    printOut(summary + QLatin1Char('\n'));
    if (result.sameVisits > 0) {
        // Saved copies of a download stored before (the window's, or another save of it).
        printOut(
            QCoreApplication::translate("hm::cli", "%1 already in the library as the same visit")
                .arg(result.sameVisits) +
            QLatin1Char('\n'));
    }
}

}  // namespace

int runLibraryImport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Stores data files in the trailer library, in one transaction; data already there, or a "
        "saved copy of a download already there (the same visit), is not stored twice. Folders "
        "contribute their .asc files. Files that are not data files "
        "are named on standard error and skipped."));
    addHelpOption(parser);
    parser.addOption(libraryOption());
    const QCommandLineOption recursive({QStringLiteral("r"), QStringLiteral("recursive")},
                                       QStringLiteral("Also read the sub-folders of folders."));
    parser.addOption(recursive);
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("Data files and folders"),
                                 QStringLiteral("PATH..."));
    processArguments(parser, args, QStringLiteral("library import"));
    if (parser.positionalArguments().isEmpty()) {
        libraryError("import",
                     QCoreApplication::translate("hm::cli", "expected at least one file or folder")
                         .toStdString());
        return 1;
    }
    std::vector<library::Item> items;
    int skipped = 0;
    int unlisted = 0;
    collectItems(parser.positionalArguments(), parser.isSet(recursive), items, skipped, unlisted);
    if (items.empty()) {
        libraryError(
            "import",
            QCoreApplication::translate("hm::cli", "no data file could be read").toStdString());
        return 1;
    }
    auto lib = openLibrary(parser, "import");
    if (!lib) {
        return 1;
    }
    const library::StoreResult result = lib->store(items);
    if (!result.message.empty()) {
        libraryError("import", result.message);
    }
    printImportSummary(result, skipped);
    if (!result.ok) {
        return result.queued > 0 ? kPartly : 1;
    }
    return (skipped > 0 || unlisted > 0 || result.queued > 0) ? kPartly : 0;
}

}  // namespace hm::cli
