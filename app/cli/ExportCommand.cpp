// `haulmetry export FILE [--format csv|json] [-o OUT|-]`: the data of a data file for a
// spreadsheet or a program: identification, saved time, summary totals, every graph's bars and
// every stored stability record (columns and schema in docs/export.md).
#include <QCommandLineParser>
#include <QFileInfo>

#include "app/cli/DataFileArgs.h"
#include "app/cli/OutputFile.h"
#include "app/cli/Subcommand.h"
#include "report/core/FleetExport.h"

namespace {

int runExport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the data of a data file as CSV (one table with a header row) or JSON."));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("csv (the default) or json."),
                                    QStringLiteral("FORMAT"), QStringLiteral("csv"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("File to write (replaced when it exists); - or none: standard output."),
        QStringLiteral("OUT"), QStringLiteral("-"));
    parser.addOption(format);
    parser.addOption(output);
    const auto file = hm::cli::parseFileArgument(parser, args, "export");
    if (!file) {
        return 1;
    }
    const QString kind = parser.value(format);
    if (kind != QLatin1String("csv") && kind != QLatin1String("json")) {
        hm::cli::printError(
            QStringLiteral("haulmetry export: --format must be csv or json, not '%1'").arg(kind));
        return 1;
    }
    hm::FleetDataImage image;
    if (!hm::cli::loadImageOrReport(*file, image, "export")) {
        return 1;
    }
    const std::string name = hm::cli::localPath(QFileInfo(*file).fileName());
    const std::string text =
        kind == QLatin1String("csv") ? hm::exportCsv(image, name) : hm::exportJson(image, name);
    return hm::cli::writeOutput(parser.value(output), text, "export") ? 0 : 1;
}

}  // namespace

HM_REGISTER_SUBCOMMAND(export_data,
                       {"export",
                        "FILE [--format csv|json] [-o OUT|-]: write the data as CSV or JSON", false,
                        &runExport});
