// `haulmetry library set IDENT [--plate P] [--fleet-number N] [--customer C] [--notes T]`: a
// trailer's details. Only the fields given change; an empty value clears one.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <string>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "platform/FileAccess.h"

namespace hm::cli {
namespace {

struct FieldOption {
    QCommandLineOption option;
    std::string library::TrailerDetails::*field;
};

// The identification `arg` stands for in `lib`: with "\xNN" read as bytes when that trailer is
// in the library, else the bytes as given (which setTrailerDetails then refuses when unknown).
std::string identOf(library::Library& lib, const QString& arg) {
    const std::string given = localPath(arg);
    const std::string escaped = unescapedIdent(given);
    std::vector<library::Entry> entries;
    std::string error;
    if (escaped != given && (!lib.history(escaped, entries, error) || entries.empty())) {
        return given;
    }
    return escaped;
}

// The options of the four fields, each with the field it sets.
std::vector<FieldOption> fieldOptions() {
    return {
        {QCommandLineOption(QStringLiteral("plate"), QStringLiteral("The number plate."),
                            QStringLiteral("PLATE")),
         &library::TrailerDetails::plate},
        {QCommandLineOption(QStringLiteral("fleet-number"),
                            QStringLiteral("The fleet operator's number of the trailer."),
                            QStringLiteral("NUMBER")),
         &library::TrailerDetails::fleetNumber},
        {QCommandLineOption(QStringLiteral("customer"),
                            QStringLiteral("The customer (the fleet operator)."),
                            QStringLiteral("NAME")),
         &library::TrailerDetails::customer},
        {QCommandLineOption(QStringLiteral("notes"), QStringLiteral("Notes, one line."),
                            QStringLiteral("TEXT")),
         &library::TrailerDetails::notes},
    };
}

}  // namespace

int runLibrarySet(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sets a trailer's details in the library: its plate, fleet number, customer and notes. "
        "Only the fields given change; an empty value (--notes '') clears a field. Every change "
        "is kept with who made it and when (library history shows them)."));
    const std::vector<FieldOption> fields = fieldOptions();
    for (const FieldOption& f : fields) {
        parser.addOption(f.option);
    }
    const std::optional<QString> identArg = parseIdent(parser, args, "set");
    if (!identArg) {
        return 1;
    }
    bool any = false;
    for (const FieldOption& f : fields) {
        any = any || parser.isSet(f.option);
    }
    if (!any) {
        libraryError("set", QCoreApplication::translate(
                                "hm::cli",
                                "nothing to set: give --plate, --fleet-number, --customer or "
                                "--notes (see haulmetry library set --help)")
                                .toStdString());
        return 1;
    }
    auto lib = openLibrary(parser, "set");
    if (!lib) {
        return 1;
    }
    const std::string ident = identOf(*lib, *identArg);
    library::TrailerDetails details;
    std::string error;
    if (!lib->trailerDetails(ident, details, error)) {
        libraryError("set", error);
        return 1;
    }
    for (const FieldOption& f : fields) {
        if (parser.isSet(f.option)) {
            details.*f.field = localPath(parser.value(f.option));
        }
    }
    if (!lib->setTrailerDetails(ident, details, error)) {
        libraryError("set", error);
        return 1;
    }
    printOut(QString::fromStdString(detailsText(ident, details)));
    return 0;
}

}  // namespace hm::cli
