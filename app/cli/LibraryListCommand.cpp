// `haulmetry library list [--format text|csv|json|xlsx] [-o OUT|-] [--rules FILE]`: one row per
// trailer of the library, with the figures of its latest download, their change since the download
// before, and the number of findings.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/FindingsRules.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/OutputFile.h"
#include "app/cli/SpreadsheetOutput.h"
#include "app/cli/Subcommand.h"
#include "figures/Figures.h"
#include "library/LibraryFindings.h"
#include "platform/FileAccess.h"
#include "platform/PrintfText.h"
#include "report/core/TextFormats.h"
#include "report/core/XlsxWorkbook.h"

namespace hm::cli {
namespace {

// One column of the list: its data key, whether it is text (quoted in CSV and JSON, escaped in
// the text table), whether the text table shows it, and its cell.
struct Column {
    std::string key;
    bool text = false;
    bool inTextTable = false;
    std::function<std::string(const library::FleetRow&, const std::vector<figures::Finding>&)> cell;
};

std::string number(int64_t value) {
    return printfText("%lld", static_cast<long long>(value));
}

// Shown in the text table besides the columns of earlier versions (the rest: csv and json).
bool inTextTable(const std::string& key) {
    return key == "abs_events_since" || key == "rollover_events_since" || key == "overload_km";
}

// Every figure but the distance (a column already), then the change of each counting figure
// but the two that have columns of their own.
void addFigureColumns(std::vector<Column>& c) {
    using Row = library::FleetRow;
    using Found = std::vector<figures::Finding>;
    using figures::FigureId;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        if (info.id == FigureId::DistanceKm) {
            continue;
        }
        c.push_back(
            {info.key, false, inTextTable(info.key), [id = info.id](const Row& r, const Found&) {
                 return figures::formatFigure(id, r.latest.figures.value(id));
             }});
    }
    for (const figures::FigureInfo& info : figures::figureTable()) {
        if (info.kind != figures::FigureKind::Counting || info.id == FigureId::DistanceKm ||
            info.id == FigureId::BrakeApplications) {
            continue;
        }
        const std::string key = std::string(info.key) + "_since";
        c.push_back({key, false, inTextTable(key), [id = info.id](const Row& r, const Found&) {
                         return r.hasPrevious ? figures::formatFigure(id, r.change.usage(id))
                                              : std::string();
                     }});
    }
}

// The trailer's details, last, so that the columns before keep their places; free text,
// quoted and guarded as the identification is.
void addDetailsColumns(std::vector<Column>& c) {
    using Row = library::FleetRow;
    using Found = std::vector<figures::Finding>;
    c.push_back({"plate", true, true, [](const Row& r, const Found&) { return r.details.plate; }});
    c.push_back({"fleet_number", true, true,
                 [](const Row& r, const Found&) { return r.details.fleetNumber; }});
    c.push_back(
        {"customer", true, true, [](const Row& r, const Found&) { return r.details.customer; }});
    c.push_back({"notes", true, false, [](const Row& r, const Found&) { return r.details.notes; }});
}

// The columns of earlier versions first (scripts read them by name or place), then every figure,
// its change since the visit before, and the findings.
std::vector<Column> makeColumns() {
    using Row = library::FleetRow;
    using Found = std::vector<figures::Finding>;
    const auto since = [](const Row& r, std::string value) {
        return r.hasPrevious ? value : std::string();
    };
    std::vector<Column> c = {
        {"ident", true, true, [](const Row& r, const Found&) { return r.latest.ident; }},
        {"last_visit", true, true, [](const Row& r, const Found&) { return r.latest.visitAt; }},
        {"downloads", false, true, [](const Row& r, const Found&) { return number(r.downloads); }},
        {"distance_km", false, true,
         [](const Row& r, const Found&) { return std::to_string(r.latest.figures.distanceKm); }},
        {"records", false, true,
         [](const Row& r, const Found&) { return number(r.latest.records); }},
        {"distance_since_km", false, true,
         [since](const Row& r, const Found&) { return since(r, number(r.distanceSinceKm)); }},
        {"brake_applications_since", false, true,
         [since](const Row& r, const Found&) {
             return since(r, number(r.brakeApplicationsSince));
         }},
        {"new_records", false, true,
         [](const Row& r, const Found&) { return number(r.newRecords); }},
        {"workshop", true, true, [](const Row& r, const Found&) { return r.latest.workshop; }},
    };
    addFigureColumns(c);
    c.push_back({"counters_reset", false, false, [](const Row& r, const Found&) {
                     return r.hasPrevious ? std::string(r.change.anyReset ? "1" : "0")
                                          : std::string();
                 }});
    c.push_back({"findings", false, true, [](const Row&, const Found& f) {
                     return number(static_cast<int64_t>(f.size()));
                 }});
    c.push_back({"attention", false, true,
                 [](const Row&, const Found& f) { return number(library::attentionCount(f)); }});
    addDetailsColumns(c);
    return c;
}

// Characters of printable UTF-8 text, for lining up columns.
size_t shownWidth(const std::string& text) {
    return static_cast<size_t>(QString::fromStdString(text).size());
}

// The cells of every row in `columns`, the identification and workshop still raw.
struct Table {
    std::vector<Column> columns = makeColumns();
    std::vector<std::vector<std::string>> rows;
};

Table makeTable(const std::vector<library::FleetRow>& fleet, const library::FleetFindings& found) {
    Table t;
    for (size_t r = 0; r < fleet.size(); ++r) {
        std::vector<std::string> cells;
        for (const Column& column : t.columns) {
            cells.push_back(column.cell(fleet[r], found.byRow[r]));
        }
        t.rows.push_back(std::move(cells));
    }
    return t;
}

bool isDateColumn(const Column& column) {
    return column.key == "last_visit";
}

// The sheet "Trailers": text columns as text cells, the visit as a date, the rest as numbers.
XlsxSheet trailerSheet(const Table& t) {
    XlsxSheet sheet{"Trailers", {}, {}, {}};
    for (const Column& column : t.columns) {
        sheet.header.push_back(column.key);
    }
    for (const auto& cell : t.rows) {
        std::vector<XlsxCell> line;
        for (size_t c = 0; c < t.columns.size(); ++c) {
            const Column& column = t.columns[c];
            line.push_back(isDateColumn(column) ? XlsxCell::fromDateTime(cell[c])
                           : column.text        ? XlsxCell::fromText(cell[c])
                                                : XlsxCell::fromDecimal(cell[c]));
        }
        sheet.rows.push_back(std::move(line));
    }
    return sheet;
}

std::string csvTable(const Table& t) {
    std::string out;
    for (size_t c = 0; c < t.columns.size(); ++c) {
        out += (c > 0 ? "," : "") + t.columns[c].key;
    }
    out += "\r\n";
    for (const auto& cell : t.rows) {
        for (size_t c = 0; c < t.columns.size(); ++c) {
            // The visit is a time a spreadsheet may read as one; the other text is always quoted.
            const Column& column = t.columns[c];
            out += (c > 0 ? "," : "") + (isDateColumn(column) ? csvField(printableText(cell[c]))
                                         : column.text        ? csvTextField(cell[c])
                                                              : cell[c]);
        }
        out += "\r\n";
    }
    return out;
}

std::string jsonTable(const Table& t) {
    std::string out = "{\"schemaVersion\": 2, \"trailers\": [";
    for (size_t r = 0; r < t.rows.size(); ++r) {
        const std::vector<std::string>& cell = t.rows[r];
        out += r > 0 ? ",\n  {" : "\n  {";
        for (size_t c = 0; c < t.columns.size(); ++c) {
            const std::string value = t.columns[c].text
                                          ? jsonString(printableText(cell[c]))
                                          : (cell[c].empty() ? std::string("null") : cell[c]);
            out += (c > 0 ? ", \"" : "\"") + t.columns[c].key + "\": " + value;
        }
        out += "}";
    }
    return out + (t.rows.empty() ? "]}\n" : "\n]}\n");
}

// The text table's columns padded to their widest cell, two blanks apart; "-" where there is
// no value.
std::string textTable(const Table& t) {
    std::vector<size_t> shownColumns;
    for (size_t c = 0; c < t.columns.size(); ++c) {
        if (t.columns[c].inTextTable) {
            shownColumns.push_back(c);
        }
    }
    std::vector<std::vector<std::string>> table(1);
    for (size_t c : shownColumns) {
        table[0].push_back(t.columns[c].key);
    }
    for (const auto& row : t.rows) {
        std::vector<std::string> cell;
        for (size_t c : shownColumns) {
            const std::string text = t.columns[c].text ? printablePath(row[c]) : row[c];
            cell.push_back(text.empty() ? "-" : text);
        }
        table.push_back(std::move(cell));
    }
    const size_t n = shownColumns.size();
    std::vector<size_t> width(n, 0);
    for (const auto& line : table) {
        for (size_t c = 0; c < n; ++c) {
            width[c] = std::max(width[c], shownWidth(line[c]));
        }
    }
    std::string out;
    for (const auto& line : table) {
        for (size_t c = 0; c < n; ++c) {
            const size_t pad = c + 1 < n ? width[c] - shownWidth(line[c]) + 2 : 0;
            out += line[c] + std::string(pad, ' ');
        }
        out += "\n";
    }
    return out;
}

// Writes the list in `kind` to `out` ("-": standard output, as text always went).
bool writeList(const QString& kind, const Table& table, const QString& out) {
    if (kind == QLatin1String("xlsx")) {
        return writeSpreadsheet(out, {trailerSheet(table)}, "library list");
    }
    const std::string text = kind == QLatin1String("csv")    ? csvTable(table)
                             : kind == QLatin1String("json") ? jsonTable(table)
                                                             : textTable(table);
    if (out == QLatin1String("-")) {
        printOut(QString::fromStdString(text));
        return true;
    }
    return writeOutput(out, text, "library list");
}

}  // namespace

int runLibraryList(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the trailers of the library: identification, last visit, number of downloads, "
        "the figures of the latest download, what changed since the download before it, and "
        "how many findings the rules give, then its plate, fleet number and customer (csv, json "
        "and xlsx carry every figure and the notes too)."));
    addHelpOption(parser);
    parser.addOption(libraryOption());
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("text (the default), csv, json or xlsx."),
                                    QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOption(format);
    const FormatOutputOptions outputOption;
    parser.addOption(outputOption.output);
    const QCommandLineOption rulesFile = rulesOption();
    parser.addOption(rulesFile);
    processArguments(parser, args, QStringLiteral("library list"));
    const QString kind = parser.value(format);
    if (kind != QLatin1String("text") && kind != QLatin1String("csv") &&
        kind != QLatin1String("json") && kind != QLatin1String("xlsx")) {
        libraryError("list", QCoreApplication::translate(
                                 "hm::cli", "unknown format %1 (text, csv, json or xlsx)")
                                 .arg(shown(kind.toStdString()))
                                 .toStdString());
        return 1;
    }
    const std::optional<std::vector<figures::Rule>> rules =
        loadRulesOrReport(parser, rulesFile, "library list");
    if (!rules) {
        return kBadRulesExit;
    }
    auto lib = openLibrary(parser, "list");
    std::vector<library::FleetRow> rows;
    std::string error;
    if (!lib || !lib->fleet(rows, error)) {
        if (lib) {
            libraryError("list", error);
        }
        return 1;
    }
    const Table table = makeTable(rows, library::fleetFindings(rows, *rules));
    return writeList(kind, table, parser.value(outputOption.output)) ? 0 : 1;
}

}  // namespace hm::cli
