// `haulmetry report FILE -o OUT.pdf`: the full report of a data file as one PDF: a cover page,
// the ten graph pages and one page per stored stability record, numbered "n of N".
#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "report/ReportRenderer.h"

namespace hm::cli {

int runReport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the full report of a data file to OUT as a PDF: a cover page with the "
        "identification and summary totals, the ten graph pages and one page per stability "
        "record."));
    const QCommandLineOption output = hm::cli::requiredOutputOption(
        QStringLiteral("PDF file to write (replaced when it exists)."), QStringLiteral("OUT.pdf"));
    parser.addOption(output);
    hm::FleetDataImage image;
    const auto given = hm::cli::parseAndLoadWithOutput(parser, args, "report", output, image);
    if (!given) {
        return 1;
    }
    // The cover and the page headers show the file name from its exact bytes (those that are not
    // text as \xNN), as `haulmetry page` does.
    const std::string name =
        std::filesystem::path(hm::cli::localPath(given->file)).filename().string();
    const hm::ReportSource source{image, name, {}};
    QString error;
    // The output name goes to the file system byte for byte, as for every other subcommand.
    if (!hm::writeReportPdf(source, hm::cli::localPath(given->output), &error)) {
        hm::cli::printError(
            QCoreApplication::translate("hm::cli", "haulmetry report: %1").arg(error));
        return 1;
    }
    return 0;
}

}  // namespace hm::cli
