// `haulmetry export-text FILE -o OUT`: writes the text export of a data file, byte for byte as a
// save with the text export option writes it.
#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/TextExport.h"

namespace hm::cli {

int runExportText(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the text export (.txt) of a data file to OUT."));
    const QCommandLineOption output =
        hm::cli::requiredOutputOption(QStringLiteral("File to write (replaced when it exists)."));
    parser.addOption(output);
    hm::FleetDataImage image;
    const auto given = hm::cli::parseAndLoadWithOutput(parser, args, "export-text", output, image);
    if (!given) {
        return 1;
    }
    std::string error;
    if (!hm::writeTextExport(hm::cli::localPath(given->output), image, error)) {
        hm::cli::printError(
            QCoreApplication::translate("hm::cli", "haulmetry export-text: %1: %2")
                .arg(hm::cli::displayPath(given->output), QString::fromStdString(error)));
        return 1;
    }
    return 0;
}

}  // namespace hm::cli
