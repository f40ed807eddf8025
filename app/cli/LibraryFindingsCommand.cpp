// `haulmetry library findings [IDENT] [--rules FILE] [--format text|json]`: the findings of
// each trailer's latest download against the one before it and against the fleet (the fleet's
// median and 90th percentile per figure follow), or of one trailer. Exit status as `findings`:
// 0 when there is no finding, 4 when there is one or more, 1 when the library cannot be read
// or an argument is bad.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/FindingsRules.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "figures/FleetFigures.h"
#include "library/LibraryFindings.h"
#include "platform/FileAccess.h"
#include "platform/PrintfText.h"
#include "report/core/TextFormats.h"

namespace hm::cli {
namespace {

constexpr int kFindingsFound = 4;

// A measure with two decimals, the same in every locale.
std::string decimal(double value) {
    return QString::number(value, 'f', 2).toStdString();
}

const char* measureKey(figures::FleetMeasure measure) {
    return measure == figures::FleetMeasure::PerThousandKm ? "per_1000_km"
           : measure == figures::FleetMeasure::ShareOf     ? "percent"
                                                           : "value";
}

std::string textReport(const std::vector<library::FleetRow>& rows,
                       const library::FleetFindings& found, bool withFleet) {
    std::string out;
    for (size_t r = 0; r < rows.size(); ++r) {
        out += printablePath(rows[r].latest.ident) + "  " + rows[r].latest.visitAt + "\n";
        if (found.byRow[r].empty()) {
            out +=
                "  " + QCoreApplication::translate("hm::cli", "no findings").toStdString() + "\n";
        }
        for (const figures::Finding& f : found.byRow[r]) {
            out += "  " + figures::severityText(f.severity) + ": " + figures::findingSentence(f) +
                   "\n";
        }
    }
    if (!withFleet) {
        return out;
    }
    out += QCoreApplication::translate(
               "hm::cli", "Fleet of %1 trailer(s): median and 90th percentile per figure")
               .arg(found.statistics.trailers)
               .toStdString() +
           "\n";
    for (const figures::FleetStatistic& s : found.statistics.figures) {
        out += printfText("  %-26s %-12s %4zu  %12s %12s\n", figures::figureInfo(s.id).key,
                          measureKey(s.measure), s.trailers, decimal(s.median).c_str(),
                          decimal(s.percentile90).c_str());
    }
    return out;
}

std::string jsonFinding(const figures::Finding& f) {
    return printfText(
               "{\"severity\": \"%s\", \"message\": \"%s\", \"scope\": \"%s\", "
               "\"figure\": \"%s\", \"value\": %llu, \"measured\": %s, "
               "\"threshold\": %s, \"text\": ",
               figures::severityKey(f.severity), figures::messageKey(f.message),
               figures::scopeKey(f.scope), figures::figureInfo(f.figure).key,
               static_cast<unsigned long long>(f.value), decimal(f.measured).c_str(),
               decimal(f.threshold).c_str()) +
           jsonString(figures::findingSentenceEnglish(f)) + "}";
}

std::string jsonReport(const std::vector<library::FleetRow>& rows,
                       const library::FleetFindings& found) {
    std::string out = "{\"schemaVersion\": 1, \"trailers\": [";
    for (size_t r = 0; r < rows.size(); ++r) {
        out += (r > 0 ? ",\n  {" : "\n  {") + std::string("\"ident\": ") +
               jsonString(printableText(rows[r].latest.ident)) +
               ", \"last_visit\": " + jsonString(rows[r].latest.visitAt) + ", \"findings\": [";
        for (size_t i = 0; i < found.byRow[r].size(); ++i) {
            out += (i > 0 ? ", " : "") + jsonFinding(found.byRow[r][i]);
        }
        out += "]}";
    }
    out +=
        printfText("\n], \"fleet\": {\"trailers\": %zu, \"figures\": [", found.statistics.trailers);
    for (size_t i = 0; i < found.statistics.figures.size(); ++i) {
        const figures::FleetStatistic& s = found.statistics.figures[i];
        out += printfText(
            "%s\n  {\"figure\": \"%s\", \"measure\": \"%s\", \"trailers\": %zu, "
            "\"median\": %s, \"p90\": %s}",
            i > 0 ? "," : "", figures::figureInfo(s.id).key, measureKey(s.measure), s.trailers,
            decimal(s.median).c_str(), decimal(s.percentile90).c_str());
    }
    return out + "]}}\n";
}

// Keeps of `rows` (and their findings) only the trailer `ident`.
void keepTrailer(const std::string& ident, std::vector<library::FleetRow>& rows,
                 library::FleetFindings& found) {
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].latest.ident == ident) {
            rows = {rows[r]};
            found.byRow = {found.byRow[r]};
            return;
        }
    }
    rows.clear();
    found.byRow.clear();
}

// False after an error for a format other than text or json, or more than one IDENT.
bool argumentsValid(const QCommandLineParser& parser, const QString& kind) {
    if (parser.positionalArguments().size() > 1) {
        libraryError("findings", QCoreApplication::translate(
                                     "hm::cli", "expected at most one trailer identification")
                                     .toStdString());
        return false;
    }
    if (kind != QLatin1String("text") && kind != QLatin1String("json")) {
        libraryError("findings",
                     QCoreApplication::translate("hm::cli", "unknown format %1 (text or json)")
                         .arg(shown(kind.toStdString()))
                         .toStdString());
        return false;
    }
    return true;
}

}  // namespace

int runLibraryFindings(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Gives the findings of every trailer's latest download (against the download before it "
        "and against the fleet), then the fleet's median and 90th percentile per figure; with "
        "IDENT, the findings of that trailer only. Exit status 0: no findings, 4: findings."));
    addHelpOption(parser);
    parser.addOption(libraryOption());
    const QCommandLineOption rulesFile = rulesOption();
    parser.addOption(rulesFile);
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("text (the default) or json."),
                                    QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOption(format);
    parser.addPositionalArgument(QStringLiteral("IDENT"),
                                 QStringLiteral("A trailer's identification (\\xNN for a byte)."),
                                 QStringLiteral("[IDENT]"));
    processArguments(parser, args, QStringLiteral("library findings"));
    if (!argumentsValid(parser, parser.value(format))) {
        return 1;
    }
    const QString kind = parser.value(format);
    const std::optional<std::vector<figures::Rule>> rules =
        loadRulesOrReport(parser, rulesFile, "library findings");
    if (!rules) {
        return kBadRulesExit;
    }
    auto lib = openLibrary(parser, "findings");
    std::vector<library::FleetRow> rows;
    std::string error;
    if (!lib || !lib->fleet(rows, error)) {
        if (lib) {
            libraryError("findings", error);
        }
        return 1;
    }
    library::FleetFindings found = library::fleetFindings(rows, *rules);
    const bool one = !parser.positionalArguments().isEmpty();
    std::vector<library::Entry> entries;
    if (one) {
        if (!trailerHistory(*lib, parser.positionalArguments().first(), "findings", entries)) {
            return 1;
        }
        keepTrailer(entries.front().ident, rows, found);
    }
    printOut(QString::fromStdString(kind == QLatin1String("json") ? jsonReport(rows, found)
                                                                  : textReport(rows, found, !one)));
    for (const auto& findings : found.byRow) {
        if (!findings.empty()) {
            return kFindingsFound;
        }
    }
    return 0;
}

}  // namespace hm::cli
