// `haulmetry export FILE [--format csv|json|xlsx] [-o OUT|-] [--rules FILE]`: the data of a data
// file for a spreadsheet or a program: identification, saved time, summary totals, every graph's
// bars with the image's raw integers beside them, every stored stability record, the exact figures
// and the findings (columns and schema in docs/export.md).
#include <QCommandLineParser>
#include <QFileInfo>

#include "app/cli/DataFileArgs.h"
#include "app/cli/FindingsRules.h"
#include "app/cli/OutputFile.h"
#include "app/cli/SpreadsheetOutput.h"
#include "app/cli/Subcommand.h"
#include "figures/Figures.h"
#include "report/core/ExportSheets.h"
#include "report/core/FleetExport.h"

namespace hm::cli {

int runExport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the data of a data file as CSV (one table with a header row), JSON or an xlsx "
        "spreadsheet (sheets Figures, Graph 1 to Graph 10, Records and Findings)."));
    const hm::cli::FormatOutputOptions options;
    options.addTo(parser);
    const QCommandLineOption rules = rulesOption();
    parser.addOption(rules);
    const auto file = hm::cli::parseFileArgument(parser, args, "export");
    if (!file) {
        return 1;
    }
    const std::optional<OutputFormat> kind = options.kind(parser, "export");
    if (!kind) {
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
    const QString out = parser.value(options.output);
    if (*kind == OutputFormat::Xlsx) {
        return writeSpreadsheet(out, hm::exportSheets(image, name, findings), "export") ? 0 : 1;
    }
    const std::string text = *kind == OutputFormat::Json ? hm::exportJson(image, name, findings)
                                                         : hm::exportCsv(image, name, findings);
    return hm::cli::writeOutput(out, text, "export") ? 0 : 1;
}

}  // namespace hm::cli
