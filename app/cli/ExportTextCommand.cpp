// `haulmetry export-text FILE -o OUT`: writes the text export of a data file, byte for byte as a
// save with the text export option writes it.
#include <QCommandLineParser>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/TextExport.h"

namespace hm::cli {

int runExportText(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the text export (.txt) of a data file to OUT."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("File to write (replaced when it exists)."),
                                    QStringLiteral("OUT"));
    parser.addOption(output);
    const auto file = hm::cli::parseFileArgument(parser, args, "export-text");
    if (!file) {
        return 1;
    }
    const QString out = parser.value(output);
    if (out.isEmpty()) {
        hm::cli::printError(
            QStringLiteral("haulmetry export-text: missing -o OUT (see haulmetry export-text "
                           "--help)"));
        return 1;
    }
    hm::FleetDataImage image;
    if (!hm::cli::loadImageOrReport(*file, image, "export-text")) {
        return 1;
    }
    std::string error;
    if (!hm::writeTextExport(hm::cli::localPath(out), image, error)) {
        hm::cli::printError(QStringLiteral("haulmetry export-text: %1: %2")
                                .arg(hm::cli::displayPath(out), QString::fromStdString(error)));
        return 1;
    }
    return 0;
}

}  // namespace hm::cli
