// `haulmetry findings FILE [--since OLDER] [--rules FILE] [--format text|json]`: the findings of
// a data file by the findings rules, with the change since an older download of the same
// trailer when one is given. Exit 0 without findings, 4 with findings (a script can branch on
// it), 2 for a bad rules file, 1 for any other error.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/cli/DataFileArgs.h"
#include "app/cli/FindingsRules.h"
#include "app/cli/Subcommand.h"
#include "figures/FigureChange.h"
#include "figures/Findings.h"
#include "report/core/FiguresExport.h"
#include "report/core/FleetExport.h"
#include "report/core/TextFormats.h"

namespace hm::cli {
namespace {

constexpr int kFindingsExit = 4;

std::string findingsText(const std::vector<figures::Finding>& findings) {
    if (findings.empty()) {
        return QCoreApplication::translate("hm::cli", "No findings.").toStdString() + "\n";
    }
    std::string out;
    for (const figures::Finding& f : findings) {
        out += figures::severityText(f.severity) + ": " + figures::findingSentence(f) + "\n";
    }
    return out;
}

std::string findingsJson(const FleetDataImage& image, const std::string& fileName,
                         const std::vector<figures::Finding>& findings, bool sinceKnown) {
    std::string out =
        "{\n  \"schemaVersion\": " + std::to_string(kExportSchemaVersion) +
        ",\n  \"fileName\": " + jsonString(toUtf8Text(fileName)) +
        ",\n  \"vehicleIdent\": " + jsonString(toUtf8Text(image.vehicleIdentString())) +
        ",\n  \"sinceLastVisit\": " + (sinceKnown ? "true" : "false") + ",\n";
    out += figuresJsonMember(figures::computeFigures(image), 2) + ",\n";
    return out + findingsJsonMember(findings, 2) + "\n}\n";
}

}  // namespace

int runFindings(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the findings of a data file by the findings rules; exit status 0 without "
        "findings, 4 with findings, 2 for a bad rules file."));
    const QCommandLineOption rules = rulesOption();
    const QCommandLineOption since(
        QStringLiteral("since"),
        QStringLiteral("An older data file of the same trailer: the change since that visit."),
        QStringLiteral("OLDER"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("text (the default) or json."),
                                    QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOptions({rules, since, format});
    const auto file = parseFileArgument(parser, args, "findings");
    if (!file) {
        return 1;
    }
    const QString kind = parser.value(format);
    if (kind != QLatin1String("text") && kind != QLatin1String("json")) {
        printError(QCoreApplication::translate("hm::cli",
                                               "haulmetry %1: unknown format \"%2\" (text or json)")
                       .arg(QStringLiteral("findings"), displayPath(kind)));
        return 1;
    }
    const auto ruleList = loadRulesOrReport(parser, rules, "findings");
    if (!ruleList) {
        return kBadRulesExit;
    }
    FleetDataImage image;
    FleetDataImage older;
    if (!loadImageOrReport(*file, image, "findings") ||
        (parser.isSet(since) && !loadImageOrReport(parser.value(since), older, "findings"))) {
        return 1;
    }
    std::optional<figures::DownloadChange> change;
    if (parser.isSet(since)) {
        change = figures::changeBetween(older, image);
    }
    const auto findings = figures::evaluateFindings(*ruleList, figures::computeFigures(image),
                                                    change ? &*change : nullptr);
    const std::string name = localPath(QFileInfo(*file).fileName());
    const std::string text = kind == QLatin1String("json")
                                 ? findingsJson(image, name, findings, change.has_value())
                                 : findingsText(findings);
    printOut(QString::fromStdString(text));
    return findings.empty() ? 0 : kFindingsExit;
}

}  // namespace hm::cli
