// `haulmetry summary FILE`: the summary message text of a data file on standard output.
#include <QCommandLineParser>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/FleetDataImage.h"

namespace hm::cli {

int runSummary(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the summary totals of a data file, eight lines."));
    const auto file = hm::cli::parseFileArgument(parser, args, "summary");
    if (!file) {
        return 1;
    }
    hm::FleetDataImage image;
    if (!hm::cli::loadImageOrReport(*file, image, "summary")) {
        return 1;
    }
    hm::cli::printOut(QString::fromStdString(hm::summaryText(image)));
    return 0;
}

}  // namespace hm::cli
