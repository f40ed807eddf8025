// `haulmetry export FILE [--format csv|json] [-o OUT|-] [--rules FILE]`: the data of a data file
// for a spreadsheet or a program: identification, saved time, summary totals, every graph's bars
// with the image's raw integers beside them, every stored stability record, the exact figures
// and the findings (columns and schema in docs/export.md).
#include <QCommandLineParser>
#include <QFileInfo>

#include "app/cli/DataFileArgs.h"
#include "app/cli/FindingsRules.h"
#include "app/cli/OutputFile.h"
#include "app/cli/Subcommand.h"
#include "figures/Figures.h"
#include "report/core/FleetExport.h"

namespace hm::cli {

int runExport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the data of a data file as CSV (one table with a header row) or JSON."));
    const hm::cli::FormatOutputOptions options;
    options.addTo(parser);
    const QCommandLineOption rules = rulesOption();
    parser.addOption(rules);
    const auto file = hm::cli::parseFileArgument(parser, args, "export");
    if (!file) {
        return 1;
    }
    const std::optional<bool> json = options.json(parser, "export");
    if (!json) {
        return 1;
    }
    const auto ruleList = loadRulesOrReport(parser, rules, "export");
    if (!ruleList) {
        return kBadRulesExit;
    }
    hm::FleetDataImage image;
    if (!hm::cli::loadImageOrReport(*file, image, "export")) {
        return 1;
    }
    const auto findings =
        figures::evaluateFindings(*ruleList, figures::computeFigures(image), nullptr);
    const std::string name = hm::cli::localPath(QFileInfo(*file).fileName());
    const std::string text =
        *json ? hm::exportJson(image, name, findings) : hm::exportCsv(image, name, findings);
    return hm::cli::writeOutput(parser.value(options.output), text, "export") ? 0 : 1;
}

}  // namespace hm::cli
