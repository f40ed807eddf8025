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
    const QCommandLineOption output =
        hm::cli::requiredOutputOption(QStringLiteral("File to write (replaced when it exists)."));
    parser.addOption(output);
    const auto file = hm::cli::parseFileArgument(parser, args, "export-text");
    if (!file) {
        return 1;
    }
    const auto out = hm::cli::requiredOutput(parser, output, "export-text");
    hm::FleetDataImage image;
    if (!out || !hm::cli::loadImageOrReport(*file, image, "export-text")) {
        return 1;
    }
    std::string error;
    if (!hm::writeTextExport(hm::cli::localPath(*out), image, error)) {
        hm::cli::printError(QStringLiteral("haulmetry export-text: %1: %2")
                                .arg(hm::cli::displayPath(*out), QString::fromStdString(error)));
        return 1;
    }
    return 0;
}

}  // namespace hm::cli
