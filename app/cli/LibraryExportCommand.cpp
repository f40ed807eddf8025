// `haulmetry library export IDENT -o FOLDER`: a trailer's downloads written back out as data
// files, each the 2484 stored bytes unchanged, named as a save names them; an existing file is
// never replaced, also when another export writes into the folder at the same moment (the name
// gets " (2)" and so on, above every number in use).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "library/LibraryExport.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"

namespace hm::cli {
namespace {

// Writes one download; prints its path. False after a one-line error.
bool exportEntry(library::Library& lib, const library::Entry& e,
                 const std::filesystem::path& folder, library::ExportNames& names) {
    std::filesystem::path path;
    std::string error;
    if (!library::exportDownload(lib, e, folder, path, error, &names)) {
        libraryError("export", error);
        return false;
    }
    printOut(QString::fromStdString(printablePath(path.string()) + "\n"));
    return true;
}

}  // namespace

int runLibraryExport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes every download of one trailer into FOLDER as data files, byte for byte as "
        "stored, named as a save names them; existing files are never replaced. IDENT may also be "
        "the "
        "trailer's plate or fleet number."));
    const QCommandLineOption output = requiredOutputOption(
        QStringLiteral("Folder to write into (created when missing)."), QStringLiteral("FOLDER"));
    parser.addOption(output);
    const std::optional<QString> ident = parseIdent(parser, args, "export");
    if (ident && !parser.isSet(output)) {
        libraryError("export",
                     QCoreApplication::translate(
                         "hm::cli", "missing -o FOLDER (see haulmetry library export --help)")
                         .toStdString());
        return 1;
    }
    auto lib = ident ? openLibrary(parser, "export") : nullptr;
    std::vector<library::Entry> entries;
    if (!lib || !trailerHistory(*lib, *ident, "export", entries)) {
        return 1;
    }
    const std::filesystem::path folder = localPath(parser.value(output));
    std::string error;
    if (!ensureDirectory(folder, error)) {
        libraryError("export", printablePath(folder.string()) + ": " + error);
        return 1;
    }
    library::ExportNames names;
    for (const library::Entry& e : entries) {
        if (!exportEntry(*lib, e, folder, names)) {
            return 1;
        }
    }
    return 0;
}

}  // namespace hm::cli
