// `haulmetry records FILE`: the summary text of each valid stability record of a data file.
#include <QCommandLineParser>
#include <algorithm>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/StabilityRecord.h"

namespace hm::cli {

int runRecords(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the summary of each valid stability record (slot order), each followed by an "
        "empty line."));
    hm::FleetDataImage image;
    if (!hm::cli::parseAndLoadFile(parser, args, "records", image)) {
        return 1;
    }
    const uint32_t count =
        std::min(image.stabilityRecordCount, static_cast<uint32_t>(hm::kStabilitySlots));
    std::string text;
    for (uint32_t slot = 0; slot < count; ++slot) {
        text += hm::FormatRecordSummary(image, static_cast<int>(slot));
        text += "\n\n";
    }
    hm::cli::printOut(QString::fromStdString(text));
    return 0;
}

}  // namespace hm::cli
