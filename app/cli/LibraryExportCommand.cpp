// `haulmetry library export IDENT -o FOLDER`: a trailer's downloads written back out as data
// files, each the 2484 stored bytes unchanged, named as a save names them; an existing file is
// never replaced (the name gets " (2)" and so on).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/DataFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"

namespace hm::cli {
namespace {

LocalTime savedTime(const FleetDataImage& image) {
    const uint16_t* t = image.savedAt;
    return LocalTime{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]};
}

// `name` in `folder`, or "stem (n).asc" for the first n from 2 that is free.
std::filesystem::path freePath(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::path path = folder / name;
    const std::string stem = std::filesystem::path(name).stem().string();
    std::error_code ec;
    for (int n = 2;
         std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
         ++n) {
        path = folder / (stem + " (" + std::to_string(n) + ").asc");
    }
    return path;
}

// Writes one download; prints its path. False after a one-line error.
bool exportEntry(library::Library& lib, const library::Entry& e,
                 const std::filesystem::path& folder) {
    ImageBytes bytes{};
    std::string error;
    if (!lib.data(e.id, bytes, error)) {
        libraryError("export", error);
        return false;
    }
    FleetDataImage image;
    deserialiseImage(bytes, image);
    const std::filesystem::path path =
        freePath(folder, dataFileName(image, savedTime(image), ".asc"));
    if (!writeFileAtomic(path, bytes.data(), bytes.size(), error)) {
        libraryError("export", printablePath(path.string()) + ": " + error);
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
        "stored, named as a save names them; existing files are never replaced."));
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
    for (const library::Entry& e : entries) {
        if (!exportEntry(*lib, e, folder)) {
            return 1;
        }
    }
    return 0;
}

}  // namespace hm::cli
