// `haulmetry report FILE -o OUT.pdf [--library URL] [--rules FILE]`: the full report of a data
// file as one PDF/A: a cover page, the findings, the ten graph pages, one page per stored
// stability record and a page to sign, numbered "n of N". The findings and the change since the
// previous visit come from the trailer library when it knows the trailer.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>

#include "app/ReportFacts.h"
#include "app/cli/DataFileArgs.h"
#include "app/cli/FindingsRules.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "printing/PrintModule.h"
#include "report/core/ReportContext.h"

namespace hm::cli {
namespace {

// The context of the report: the findings from the library when it can be read, else those of
// the download alone (the library's problem said on standard error).
ReportContext reportContext(const QCommandLineParser& parser, const FleetDataImage& image,
                            const std::vector<figures::Rule>& rules) {
    const std::string library = parser.isSet(QStringLiteral("library"))
                                    ? localPath(parser.value(QStringLiteral("library")))
                                    : std::string();
    ReportContext context;
    std::vector<std::string> problems;
    fillReportFacts(library, image, rules, context, problems);
    for (const std::string& problem : problems) {
        printError(QCoreApplication::translate("hm::cli", "haulmetry report: %1")
                       .arg(QString::fromStdString(problem)));
    }
    return context;
}

}  // namespace

int runReport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the full report of a data file to OUT as a PDF/A: a cover page with the "
        "identification and summary totals, the findings (with the change since the previous "
        "visit when the trailer library knows the trailer), the ten graph pages, one page per "
        "stability record and a page for the technician's signature."));
    const QCommandLineOption output = hm::cli::requiredOutputOption(
        QStringLiteral("PDF file to write (replaced when it exists)."), QStringLiteral("OUT.pdf"));
    const QCommandLineOption rules = rulesOption();
    parser.addOptions({output, libraryOption(), rules});
    hm::FleetDataImage image;
    const auto given = hm::cli::parseAndLoadWithOutput(parser, args, "report", output, image);
    if (!given) {
        return 1;
    }
    const auto ruleList = loadRulesOrReport(parser, rules, "report");
    if (!ruleList) {
        return kBadRulesExit;
    }
    const ReportContext context = reportContext(parser, image, *ruleList);
    // The cover and the page headers show the file name from its exact bytes (those that are not
    // text as \xNN), as `haulmetry page` does.
    const std::string name =
        std::filesystem::path(hm::cli::localPath(given->file)).filename().string();
    const hm::ReportSource source{image, name, {}, &context};
    QString error;
    QString warning;
    const hm::PrintModule* printing = hm::printModule(&error);
    // The output name goes to the file system byte for byte, as for every other subcommand.
    if (printing == nullptr ||
        !printing->writeReportPdf(source, hm::cli::localPath(given->output), &error, &warning)) {
        hm::cli::printError(
            QCoreApplication::translate("hm::cli", "haulmetry report: %1").arg(error));
        return 1;
    }
    if (!warning.isEmpty()) {
        hm::cli::printError(
            QCoreApplication::translate("hm::cli", "haulmetry report: %1").arg(warning));
    }
    return 0;
}

}  // namespace hm::cli
