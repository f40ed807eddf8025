// `haulmetry library list [--format text|csv|json|xlsx] [-o OUT|-]`: one row per trailer of the
// library.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <string>
#include <vector>

#include "app/cli/LibraryArgs.h"
#include "app/cli/OutputFile.h"
#include "app/cli/SpreadsheetOutput.h"
#include "app/cli/Subcommand.h"
#include "platform/FileAccess.h"
#include "platform/PrintfText.h"
#include "report/core/TextFormats.h"
#include "report/core/XlsxWorkbook.h"

namespace hm::cli {
namespace {

const char* const kColumns[] = {"ident",
                                "last_visit",
                                "downloads",
                                "distance_km",
                                "records",
                                "distance_since_km",
                                "brake_applications_since",
                                "new_records",
                                "workshop"};
constexpr size_t kColumnCount = std::size(kColumns);

std::string number(int64_t value) {
    return printfText("%lld", static_cast<long long>(value));
}

// The cells of one row, as text: the identification and workshop still raw.
std::vector<std::string> cells(const library::FleetRow& row) {
    const std::string none;
    return {row.latest.ident,
            row.latest.visitAt,
            number(row.downloads),
            number(row.latest.distanceKm),
            number(row.latest.records),
            row.hasPrevious ? number(row.distanceSinceKm) : none,
            row.hasPrevious ? number(row.brakeApplicationsSince) : none,
            number(row.newRecords),
            row.latest.workshop};
}

// Characters of printable UTF-8 text, for lining up columns.
size_t shownWidth(const std::string& text) {
    return static_cast<size_t>(QString::fromStdString(text).size());
}

bool isTextColumn(size_t column) {
    return column == 0 || column == 1 || column == 8;
}

bool isDateColumn(size_t column) {
    return std::string_view(kColumns[column]) == "last_visit";
}

// The sheet "Trailers": text columns as text cells, the visit as a date, the rest as numbers.
XlsxSheet trailerSheet(const std::vector<library::FleetRow>& rows) {
    XlsxSheet sheet{"Trailers", {}, {std::begin(kColumns), std::end(kColumns)}, {}};
    for (const library::FleetRow& row : rows) {
        const std::vector<std::string> cell = cells(row);
        std::vector<XlsxCell> line;
        for (size_t c = 0; c < kColumnCount; ++c) {
            line.push_back(isDateColumn(c)   ? XlsxCell::fromDateTime(cell[c])
                           : isTextColumn(c) ? XlsxCell::fromText(cell[c])
                                             : XlsxCell::fromDecimal(cell[c]));
        }
        sheet.rows.push_back(std::move(line));
    }
    return sheet;
}

std::string csvTable(const std::vector<library::FleetRow>& rows) {
    std::string out;
    for (size_t c = 0; c < kColumnCount; ++c) {
        out += std::string(c > 0 ? "," : "") + kColumns[c];
    }
    out += "\r\n";
    for (const library::FleetRow& row : rows) {
        const std::vector<std::string> cell = cells(row);
        for (size_t c = 0; c < kColumnCount; ++c) {
            // The visit is a time a spreadsheet may read as one; the other text is always quoted.
            out += (c > 0 ? "," : "") + (isDateColumn(c)   ? csvField(printableText(cell[c]))
                                         : isTextColumn(c) ? csvTextField(cell[c])
                                                           : cell[c]);
        }
        out += "\r\n";
    }
    return out;
}

std::string jsonTable(const std::vector<library::FleetRow>& rows) {
    std::string out = "{\"schemaVersion\": 1, \"trailers\": [";
    for (size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> cell = cells(rows[r]);
        out += r > 0 ? ",\n  {" : "\n  {";
        for (size_t c = 0; c < kColumnCount; ++c) {
            const std::string value = isTextColumn(c)
                                          ? jsonString(printableText(cell[c]))
                                          : (cell[c].empty() ? std::string("null") : cell[c]);
            out += (c > 0 ? ", \"" : "\"") + std::string(kColumns[c]) + "\": " + value;
        }
        out += "}";
    }
    return out + (rows.empty() ? "]}\n" : "\n]}\n");
}

// Columns padded to their widest cell, two blanks apart; "-" where there is no value.
std::string textTable(const std::vector<library::FleetRow>& rows) {
    std::vector<std::vector<std::string>> table;
    table.emplace_back(std::begin(kColumns), std::end(kColumns));
    for (const library::FleetRow& row : rows) {
        std::vector<std::string> cell = cells(row);
        for (size_t c = 0; c < kColumnCount; ++c) {
            cell[c] = isTextColumn(c) ? printablePath(cell[c]) : cell[c];
            cell[c] = cell[c].empty() ? "-" : cell[c];
        }
        table.push_back(std::move(cell));
    }
    std::vector<size_t> width(kColumnCount, 0);
    for (const auto& line : table) {
        for (size_t c = 0; c < kColumnCount; ++c) {
            width[c] = std::max(width[c], shownWidth(line[c]));
        }
    }
    std::string out;
    for (const auto& line : table) {
        std::string text;
        for (size_t c = 0; c < kColumnCount; ++c) {
            const size_t pad = c + 1 < kColumnCount ? width[c] - shownWidth(line[c]) + 2 : 0;
            text += line[c] + std::string(pad, ' ');
        }
        out += text + "\n";
    }
    return out;
}

// Writes the list in `kind` to `out` ("-": standard output, as text always went).
bool writeList(const QString& kind, const std::vector<library::FleetRow>& rows,
               const QString& out) {
    if (kind == QLatin1String("xlsx")) {
        return writeSpreadsheet(out, {trailerSheet(rows)}, "library list");
    }
    const std::string text = kind == QLatin1String("csv")    ? csvTable(rows)
                             : kind == QLatin1String("json") ? jsonTable(rows)
                                                             : textTable(rows);
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
        "distance and stability records of the latest download, and what changed since the "
        "download before it."));
    addHelpOption(parser);
    parser.addOption(libraryOption());
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("text (the default), csv, json or xlsx."),
                                    QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOption(format);
    const FormatOutputOptions outputOption;
    parser.addOption(outputOption.output);
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
    auto lib = openLibrary(parser, "list");
    std::vector<library::FleetRow> rows;
    std::string error;
    if (!lib || !lib->fleet(rows, error)) {
        if (lib) {
            libraryError("list", error);
        }
        return 1;
    }
    return writeList(kind, rows, parser.value(outputOption.output)) ? 0 : 1;
}

}  // namespace hm::cli
