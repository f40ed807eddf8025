// `haulmetry library history|diff|export IDENT ...`: one trailer's downloads.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "figures/FigureChange.h"
#include "fleetdata/DataFile.h"
#include "graphs/GraphDisplay.h"
#include "graphs/GraphFacts.h"
#include "library/LibraryDiff.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"
#include "platform/PrintfText.h"

namespace hm::cli {
namespace {}  // namespace

std::optional<QString> parseIdent(QCommandLineParser& parser, const QStringList& args,
                                  const char* subcommand) {
    addHelpOption(parser);
    parser.addOption(libraryOption());
    parser.addPositionalArgument(
        QStringLiteral("IDENT"),
        QStringLiteral("The trailer's identification (\\xNN for a byte)."));
    processArguments(parser, args, QStringLiteral("library ") + QLatin1String(subcommand));
    if (parser.positionalArguments().size() != 1) {
        libraryError(subcommand, QCoreApplication::translate(
                                     "hm::cli",
                                     "expected one trailer identification (see haulmetry "
                                     "library %1 --help)")
                                     .arg(QString::fromLatin1(subcommand))
                                     .toStdString());
        return std::nullopt;
    }
    return parser.positionalArguments().first();
}

namespace {

std::string historyLine(const library::Entry& e) {
    return printfText("%-6lld %-19s %-8s %10u km %3d records  ", static_cast<long long>(e.id),
                      e.visitAt.c_str(), e.source.c_str(), e.distanceKm, e.records) +
           printablePath(e.workshop.empty() ? std::string("-") : e.workshop) + "  " +
           printablePath(e.host) + "  " + printablePath(e.path.empty() ? "-" : e.path) + "\n";
}

// One change of a trailer's details: when, by whom, and every field it left set.
std::string detailsChangeLine(const library::TrailerDetails& d) {
    std::string fields;
    const std::pair<QString, const std::string*> named[] = {
        {QCoreApplication::translate("hm::cli", "plate"), &d.plate},
        {QCoreApplication::translate("hm::cli", "fleet number"), &d.fleetNumber},
        {QCoreApplication::translate("hm::cli", "customer"), &d.customer},
        {QCoreApplication::translate("hm::cli", "notes"), &d.notes},
    };
    for (const auto& [name, value] : named) {
        if (!value->empty()) {
            fields +=
                (fields.empty() ? "" : "; ") + name.toStdString() + ": " + printablePath(*value);
        }
    }
    if (fields.empty()) {
        fields = QCoreApplication::translate("hm::cli", "no details").toStdString();
    }
    return "  " + d.changedAt + "  " + printablePath(d.changedBy.empty() ? "-" : d.changedBy) +
           "  " + fields + "\n";
}

// The changes of the trailer's details after its downloads, oldest first; nothing when its
// details were never set. False after a one-line error.
bool appendDetailsHistory(library::Library& lib, const std::string& ident, std::string& text) {
    std::vector<library::TrailerDetails> changes;
    std::string error;
    if (!lib.detailsHistory(ident, changes, error)) {
        libraryError("history", error);
        return false;
    }
    if (changes.empty()) {
        return true;
    }
    text += QCoreApplication::translate("hm::cli", "changes of the details:").toStdString() + "\n";
    for (const library::TrailerDetails& d : changes) {
        text += detailsChangeLine(d);
    }
    return true;
}

std::string value(const library::GraphDiff& g, double v) {
    const std::string text = formatValue(g.valueFormat, v);
    const size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? text : text.substr(start);
}

// The whole usage of a distance graph's block since the older visit, from the interval that
// was running at that visit to the newer download's current one (which no bar shows), with the
// intervals no download holds any more named, never counted as zero.
std::string distanceUsageText(const library::GraphDiff& g, const FleetDataImage& older,
                              const FleetDataImage& newer) {
    constexpr int kBlockOfGraph[] = {4, 6, 7};  // graphs 6, 7, 8
    const figures::DistanceBlockChange change =
        figures::distanceBlockChange(older, newer, kBlockOfGraph[g.graph - 6]);
    const uint64_t current = change.intervals.empty() || !change.intervals.back().current
                                 ? 0
                                 : change.intervals.back().usage;
    std::string out = "  " + QCoreApplication::translate(
                                 "hm::cli",
                                 "since the older download: %1, of them %2 in the current "
                                 "interval")
                                 .arg(QString::number(change.usage), QString::number(current))
                                 .toStdString();
    if (change.missingIntervals > 0) {
        out += QCoreApplication::translate(
                   "hm::cli", "; %1 intervals driven in between are no longer held (missing)")
                   .arg(change.missingIntervals)
                   .toStdString();
    }
    return out + "\n";
}

std::string graphText(const library::GraphDiff& g, const FleetDataImage& older,
                      const FleetDataImage& newer) {
    const QString kind =
        !g.counting
            ? QCoreApplication::translate("hm::cli", "averages, older and newer side by side")
        : g.countersReset
            ? QCoreApplication::translate("hm::cli",
                                          "usage; counters were reset between the downloads, "
                                          "counted since")
            : QCoreApplication::translate("hm::cli", "usage between the downloads");
    std::string out = QCoreApplication::translate("hm::cli", "graph %1: %2 (%3)")
                          .arg(QString::number(g.graph), QString::fromStdString(g.title), kind)
                          .toStdString() +
                      "\n";
    const bool distance = g.graph >= 6 && g.graph <= 8;
    for (size_t column = 0; column < g.bars.size(); ++column) {
        const library::BarDiff& bar = g.bars[column];
        // A column before the newer download's first interval holds no interval at all.
        if (distance && !barRange(g.graph, static_cast<int>(column), newer.intervalCount()).known) {
            continue;
        }
        std::string line = "  " + bar.range + ": ";
        if (g.counting) {
            line += value(g, bar.usage) + " (" + value(g, bar.older) + " -> " +
                    value(g, bar.newer) + ")";
            if (g.paired) {
                line += QCoreApplication::translate("hm::cli", ", with SLP %1 (%2 -> %3)")
                            .arg(QString::fromStdString(printfText("%.0f", bar.usageSecond)),
                                 QString::fromStdString(printfText("%.0f", bar.olderSecond)),
                                 QString::fromStdString(printfText("%.0f", bar.newerSecond)))
                            .toStdString();
            }
        } else {
            line += value(g, bar.older) + " | " + value(g, bar.newer);
        }
        out += line + "\n";
    }
    return distance && g.counting ? out + distanceUsageText(g, older, newer) : out;
}

// YYYY-MM-DD, optionally with THH:MM or THH:MM:SS.
bool isDate(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}(T\\d{2}:\\d{2}(:\\d{2})?)?$"));
    return pattern.match(text).hasMatch();
}

// The downloads whose visit lies between `from` and `to` (either empty: open); a date without
// a time includes that whole day.
std::vector<library::Entry> inRange(const std::vector<library::Entry>& all, const std::string& from,
                                    const std::string& to) {
    std::vector<library::Entry> out;
    for (const library::Entry& e : all) {
        if ((from.empty() || e.visitAt >= from) &&
            (to.empty() || e.visitAt.substr(0, to.size()) <= to)) {
            out.push_back(e);
        }
    }
    return out;
}

bool readImage(library::Library& lib, const library::Entry& e, FleetDataImage& image,
               ImageBytes& bytes) {
    std::string error;
    if (!lib.data(e.id, bytes, error)) {
        libraryError("diff", error);
        return false;
    }
    deserialiseImage(bytes, image);
    return true;
}

}  // namespace

int runLibraryHistory(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists every download of one trailer, oldest visit first: number, visit, how it came "
        "in, distance, stability records, workshop, computer and file; then every change of its "
        "details (when, by whom, plate, fleet number, customer, notes). IDENT may also be the "
        "trailer's plate or fleet number."));
    const std::optional<QString> ident = parseIdent(parser, args, "history");
    auto lib = ident ? openLibrary(parser, "history") : nullptr;
    std::vector<library::Entry> entries;
    if (!lib || !trailerHistory(*lib, *ident, "history", entries)) {
        return 1;
    }
    std::string text;
    for (const library::Entry& e : entries) {
        text += historyLine(e);
    }
    if (!appendDetailsHistory(*lib, entries.front().ident, text)) {
        return 1;
    }
    printOut(QString::fromStdString(text));
    return 0;
}

int runLibraryDiff(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows, graph by graph, what changed between the first and the last download of a "
        "trailer whose visit lies between --from and --to (default: the last two downloads). "
        "Counting graphs give the usage between the downloads; graphs of averages give both "
        "values side by side."));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("First day (YYYY-MM-DD)."),
                                  QStringLiteral("DATE"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("Last day (YYYY-MM-DD)."),
                                QStringLiteral("DATE"));
    parser.addOptions({from, to});
    const std::optional<QString> ident = parseIdent(parser, args, "diff");
    for (const QCommandLineOption& o : {from, to}) {
        if (ident && parser.isSet(o) && !isDate(parser.value(o))) {
            libraryError("diff", QCoreApplication::translate(
                                     "hm::cli", "--%1 expects a date YYYY-MM-DD[THH:MM[:SS]]")
                                     .arg(o.names().first())
                                     .toStdString());
            return 1;
        }
    }
    auto lib = ident ? openLibrary(parser, "diff") : nullptr;
    std::vector<library::Entry> entries;
    if (!lib || !trailerHistory(*lib, *ident, "diff", entries)) {
        return 1;
    }
    const bool ranged = parser.isSet(from) || parser.isSet(to);
    entries = inRange(entries, parser.value(from).toStdString(), parser.value(to).toStdString());
    if (entries.size() < 2) {
        libraryError("diff", QCoreApplication::translate(
                                 "hm::cli", "fewer than two downloads of that trailer to compare")
                                 .toStdString());
        return 1;
    }
    const library::Entry& older = ranged ? entries.front() : entries[entries.size() - 2];
    const library::Entry& newer = entries.back();
    FleetDataImage olderImage;
    FleetDataImage newerImage;
    ImageBytes bytes{};
    if (!readImage(*lib, older, olderImage, bytes) || !readImage(*lib, newer, newerImage, bytes)) {
        return 1;
    }
    const auto line = [](const QString& pattern, const library::Entry& e) {
        return pattern.arg(QString::number(e.id), QString::fromStdString(e.visitAt)).toStdString() +
               "\n";
    };
    std::string text =
        QCoreApplication::translate("hm::cli", "trailer %1").arg(shown(newer.ident)).toStdString() +
        "\n" + line(QCoreApplication::translate("hm::cli", "older: %1 %2"), older) +
        line(QCoreApplication::translate("hm::cli", "newer: %1 %2"), newer);
    for (const library::GraphDiff& g : library::diffImages(olderImage, newerImage)) {
        text += graphText(g, olderImage, newerImage);
    }
    printOut(QString::fromStdString(text));
    return 0;
}

}  // namespace hm::cli
