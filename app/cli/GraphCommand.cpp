// `haulmetry graph FILE N`: what the display update shows for graph N (0..10) of a data file:
// the window texts, then the tooltip text of every bar.
#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "graphs/GraphDisplay.h"

namespace hm::cli {

int runGraph(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the title, axis texts, scale text, axis values and bar tooltips that the main "
        "window shows for graph N (0 = blank, 1..10) of a data file."));
    hm::cli::addHelpOption(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Haulmetry data file"));
    parser.addPositionalArgument(QStringLiteral("N"), QStringLiteral("graph number 0..10"));
    hm::cli::processArguments(parser, args, QStringLiteral("graph"));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        hm::cli::printError(
            QCoreApplication::translate("hm::cli",
                                        "haulmetry graph: expected a data file and a graph "
                                        "number, got %1 argument(s) (see haulmetry graph "
                                        "--help)")
                .arg(positional.size()));
        return 1;
    }
    bool isNumber = false;
    const int n = positional[1].toInt(&isNumber);
    if (!isNumber || n < 0 || n > hm::kGraphCount) {
        hm::cli::printError(
            QCoreApplication::translate("hm::cli",
                                        "haulmetry graph: graph number must be 0 to 10, not '%1'")
                .arg(positional[1]));
        return 1;
    }
    hm::FleetDataImage image;
    if (!hm::cli::loadImageOrReport(positional[0], image, "graph")) {
        return 1;
    }
    hm::GraphDisplayRecord record;
    uint32_t intervals = 0;
    const hm::GraphTexts t = hm::computeGraphDisplay(image, n, record, intervals);
    auto line = [](const char* key, const std::string& value) {
        return QStringLiteral("%1=%2\n").arg(QLatin1String(key), QString::fromStdString(value));
    };
    QString out;
    out += line("title", t.title);
    out += line("horizontal", t.horizontalUnit);
    out += line("vertical", t.verticalUnit);
    out += line("scale", t.scaleTextVisible ? t.scaleText : std::string());
    out += line("top", t.topValue);
    out += line("bottom", t.bottomValue);
    out += line("left", t.distanceLabelsVisible ? t.leftDistance : std::string());
    out += line("right", t.distanceLabelsVisible ? t.rightDistance : std::string());
    for (int i = 0; i < record.barCount; ++i) {
        out += QStringLiteral("bar %1=%2\n")
                   .arg(i)
                   .arg(QString::fromStdString(hm::barTipText(record, i)));
    }
    hm::cli::printOut(out);
    return 0;
}

}  // namespace hm::cli
