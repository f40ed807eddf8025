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
    hm::FleetDataImage image;
    if (!hm::cli::parseAndLoadFile(parser, args, "summary", image)) {
        return 1;
    }
    hm::cli::printOut(QString::fromStdString(hm::summaryText(image)));
    return 0;
}

}  // namespace hm::cli
