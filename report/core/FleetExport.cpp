#include "report/core/FleetExport.h"

#include <algorithm>
#include <cstdio>

#include "figures/Figures.h"
#include "figures/Findings.h"
#include "graphs/GraphDisplay.h"
#include "graphs/GraphFacts.h"
#include "platform/PrintfText.h"
#include "report/core/FiguresExport.h"
#include "report/core/TextFormats.h"
#include "resources/Strings.h"

namespace hm {
namespace {

// Units of the graphs 1..10: the displayed value and the horizontal axis.
constexpr const char* kValueUnits[kGraphCount + 1] = {
    "", "s", "count", "s", "bar", "count", "count", "count", "count", "km", "km"};
constexpr const char* kRangeUnits[kGraphCount + 1] = {"",   "bar", "bar", "bar", "km/h", "km/h",
                                                      "km", "km",  "km",  "%",   "bar"};

constexpr const char* kRawUnits[kGraphCount + 1] = {
    "", "0.01 s", "count", "0.01 s", "0.05 bar", "count", "count", "count", "count", "km", "km"};

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// `units` hundredths as an exact decimal with two places ("-0.35", "1234.56").
std::string hundredths(int64_t units) {
    const bool negative = units < 0;
    const uint64_t magnitude =
        negative ? static_cast<uint64_t>(-units) : static_cast<uint64_t>(units);
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 100),
                  static_cast<unsigned long long>(magnitude % 100));
    return text;
}

std::string decimal(uint64_t value) {
    return std::to_string(value);
}

const char* boolText(uint32_t flag) {
    return flag != 0 ? "true" : "false";
}

// The image's integers under bar `i` of graph `g`, straight from its blocks.
void fillRaw(const FleetDataImage& image, int g, int i, ExportBar& bar) {
    const auto word = [&](int block, int index) { return decimal(image.block(block)[index]); };
    const int slot = isDistanceGraph(g) ? image.ringSlot(i) : i;
    constexpr int kBlockOfGraph[kGraphCount + 1] = {-1, 0, 1, 0, 2, 3, 4, 6, 7, 8, 9};
    bar.rawValue = word(kBlockOfGraph[g], slot);
    if (g == 1 || g == 4) {
        bar.rawCount = word(g == 1 ? 1 : 3, i);
    }
    if (g == 6) {
        bar.rawSecondValue = word(5, slot);
    }
}

}  // namespace

std::array<SummaryField, 8> summaryFields(const FleetDataImage& image) {
    const SummaryTotals t = summaryTotals(image);
    return {{
        {"distanceKm", "DISTANCE", t.distanceKm, "km"},
        {"reservoirDistanceKm", "RESV v DIST", t.reservoirDistanceKm, "km"},
        {"loadDistanceKm", "LOAD v DIST", t.loadDistanceKm, "km"},
        {"appsByPressure", "APPS v PRESS", t.appsByPressure, ""},
        {"appsBySpeed", "APPS v SPEED", t.appsBySpeed, ""},
        {"appsByDistance", "APPS v DIST", t.appsByDistance, ""},
        {"absByDistance", "ABS v DIST", t.absByDistance, ""},
        {"rollByDistance", "ROLL v DIST", t.rollByDistance, ""},
    }};
}

std::string rangeNumber(double value) {
    return printfText("%.10g", value);
}

ExportGraph exportGraph(const FleetDataImage& image, int graphNumber) {
    ExportGraph graph;
    if (graphNumber < 1 || graphNumber > kGraphCount) {
        return graph;
    }
    GraphDisplayRecord record;
    uint32_t shownIntervals = 0;
    const GraphTexts texts = computeGraphDisplay(image, graphNumber, record, shownIntervals);
    graph.number = graphNumber;
    // The English title whatever language the window shows: an export is data, not a page.
    graph.title = englishStr(sid::kGraphTitleFirst + graphNumber - 1);
    graph.valueUnit = kValueUnits[graphNumber];
    graph.rangeUnit = kRangeUnits[graphNumber];
    graph.rawUnit = kRawUnits[graphNumber];
    const bool distance = isDistanceGraph(graphNumber);
    for (int i = 0; i < record.barCount; ++i) {
        ExportBar bar;
        bar.index = i;
        const BarRange range = barRange(graphNumber, i, shownIntervals);
        bar.rangeKnown = range.known;
        bar.from = range.from;
        bar.to = range.to;
        bar.label = distance ? distanceLabel(i, shownIntervals) : barRangeText(graphNumber, i);
        if (distance && !range.known) {
            bar.label = englishStr(sid::kNoData);  // data, not the window's language
        }
        if (graphNumber == 6) {
            // The window's tooltip of graph 6 shows both values unscaled as "%1.0f".
            bar.value = formatValue("%1.0f", static_cast<double>(record.barValues[i]));
            bar.secondValue = formatValue("%1.0f", static_cast<double>(record.secondValues[i]));
        } else {
            bar.value = trimmed(barTipText(record, i));
        }
        fillRaw(image, graphNumber, i, bar);
        graph.bars.push_back(std::move(bar));
    }
    return graph;
}

std::vector<RecordField> recordFields(const StabilityRecord& r) {
    const bool dated = !monthAbbreviation(r.month).empty();
    auto pressure = [](uint8_t count) { return hundredths(int64_t{count} * 5); };
    const bool isoKnown = r.isoDemandPressure < 254;
    return {
        {"day", dated ? decimal(r.day) : std::string(), "", true},
        {"month", dated ? decimal(r.month) : std::string(), "", true},
        {"stabilitySensorOutput", hundredths(r.stabilitySensorOutput), "g", true},
        {"timeSinceStartup", decimal(r.timeSinceStartup), "s", true},
        {"odometer", hundredths(r.odometer), "km", true},
        {"voltage", hundredths(int64_t{r.voltage} * 20), "V", true},
        {"reservoirPressure", pressure(r.reservoirPressure), "bar", true},
        {"suspensionPressure", pressure(r.suspensionPressure), "bar", true},
        {"vehicleSpeed", decimal(r.vehicleSpeed), "km/h", true},
        {"isoDemandPressure", isoKnown ? pressure(r.isoDemandPressure) : std::string(), "bar",
         true},
        {"isoDemandPressureState",
         r.isoDemandPressure == 255   ? "not connected"
         : r.isoDemandPressure == 254 ? "error"
                                      : "connected",
         "", false},
        {"controlLinePressure", pressure(r.controlLinePressure), "bar", true},
        {"redLampSignal", boolText(r.redLampSignal), "", false},
        {"cabLampSignal", boolText(r.cabLampSignal), "", false},
        {"serviceLampSignal", boolText(r.serviceLampSignal), "", false},
        {"stopLightPower", boolText(r.stopLightPower), "", false},
        {"brakeApply", boolText(r.brakeApply), "", false},
    };
}

int storedRecordCount(const FleetDataImage& image) {
    return static_cast<int>(
        std::min(image.stabilityRecordCount, static_cast<uint32_t>(kStabilitySlots)));
}

namespace {

// The columns of the export's CSV table, in order.
enum CsvColumn {
    kKind,
    kGraph,
    kIndex,
    kName,
    kLabel,
    kFrom,
    kTo,
    kRangeUnit,
    kValue,
    kSecondValue,
    kUnit,
    kRawValue,
    kRawSecondValue,
    kRawCount,
    kRawUnit,
    kSeverity,
    kRule,
    kCsvColumns
};
constexpr const char* kCsvHeader =
    "kind,graph,index,name,label,from,to,range_unit,value,second_value,unit,raw_value,"
    "raw_second_value,raw_count,raw_unit,severity,rule\r\n";

struct CsvTable {
    std::string out = kCsvHeader;
    using Row = std::array<std::string, kCsvColumns>;
    void add(const Row& row) {
        for (size_t c = 0; c < row.size(); ++c) {
            out += (c == 0 ? "" : ",") + row[c];
        }
        out += "\r\n";
    }
};

void csvIdentification(CsvTable& table, const FleetDataImage& image, const std::string& fileName) {
    const std::pair<const char*, std::string> rows[] = {
        {"fileName", csvTextField(fileName)},
        {"vehicleIdent", csvTextField(image.vehicleIdentString())},
        {"savedAt", isoSavedAt(image.savedAt)},
        {"stabilityRecordCount", decimal(static_cast<uint64_t>(storedRecordCount(image)))},
    };
    for (const auto& [name, value] : rows) {
        CsvTable::Row row;
        row[kKind] = "identification";
        row[kName] = name;
        row[kValue] = value;
        table.add(row);
    }
    for (const SummaryField& f : summaryFields(image)) {
        CsvTable::Row row;
        row[kKind] = "total";
        row[kName] = f.key;
        row[kLabel] = csvField(f.label);
        row[kValue] = decimal(f.value);
        row[kUnit] = f.unit;
        table.add(row);
    }
}

void csvBars(CsvTable& table, const FleetDataImage& image) {
    for (int g = 1; g <= kGraphCount; ++g) {
        const ExportGraph graph = exportGraph(image, g);
        for (const ExportBar& b : graph.bars) {
            CsvTable::Row row;
            row[kKind] = "bar";
            row[kGraph] = decimal(static_cast<uint64_t>(g));
            row[kIndex] = decimal(static_cast<uint64_t>(b.index));
            row[kName] = csvField(graph.title);
            row[kLabel] = csvField(b.label);
            row[kFrom] = b.rangeKnown ? rangeNumber(b.from) : std::string();
            row[kTo] = b.rangeKnown ? rangeNumber(b.to) : std::string();
            row[kRangeUnit] = graph.rangeUnit;
            row[kValue] = b.value;
            row[kSecondValue] = b.secondValue;
            row[kUnit] = graph.valueUnit;
            row[kRawValue] = b.rawValue;
            row[kRawSecondValue] = b.rawSecondValue;
            row[kRawCount] = b.rawCount;
            row[kRawUnit] = graph.rawUnit;
            table.add(row);
        }
    }
}

void csvRecords(CsvTable& table, const FleetDataImage& image) {
    for (int slot = 0; slot < storedRecordCount(image); ++slot) {
        for (const RecordField& f : recordFields(image.stabilityRecords[slot])) {
            CsvTable::Row row;
            row[kKind] = "record";
            row[kIndex] = decimal(static_cast<uint64_t>(slot) + 1);
            row[kName] = f.key;
            row[kValue] = csvField(f.value);
            row[kUnit] = f.unit;
            table.add(row);
        }
    }
}

void csvFiguresAndFindings(CsvTable& table, const FleetDataImage& image,
                           const std::vector<figures::Finding>& findings) {
    const figures::Figures values = figures::computeFigures(image);
    for (const figures::FigureInfo& info : figures::figureTable()) {
        CsvTable::Row row;
        row[kKind] = "figure";
        row[kName] = info.key;
        row[kValue] = figures::formatFigure(info.id, values.value(info.id));
        row[kUnit] = figureDataUnit(static_cast<int>(info.id));
        table.add(row);
    }
    for (size_t i = 0; i < findings.size(); ++i) {
        const figures::Finding& f = findings[i];
        const bool reset = f.message == figures::MessageId::CountersReset;
        CsvTable::Row row;
        row[kKind] = "finding";
        row[kIndex] = decimal(i + 1);
        row[kName] = figures::messageKey(f.message);
        row[kLabel] = csvField(figures::findingSentenceEnglish(f));
        row[kValue] = reset ? std::string() : figures::formatFigure(f.figure, f.value);
        row[kUnit] = reset ? "" : figureDataUnit(static_cast<int>(f.figure));
        row[kSeverity] = figures::severityKey(f.severity);
        row[kRule] = csvField(f.rule);
        table.add(row);
    }
}

std::string jsonIdentification(const FleetDataImage& image, const std::string& fileName) {
    std::string out = "  \"schemaVersion\": " + std::to_string(kExportSchemaVersion) + ",\n";
    out += "  \"fileName\": " + jsonString(toUtf8Text(fileName)) + ",\n";
    out += "  \"vehicleIdent\": " + jsonString(toUtf8Text(image.vehicleIdentString())) + ",\n";
    const std::string saved = isoSavedAt(image.savedAt);
    out += "  \"savedAt\": " + (saved.empty() ? std::string("null") : jsonString(saved)) + ",\n";
    out += "  \"summary\": {";
    bool first = true;
    for (const SummaryField& f : summaryFields(image)) {
        out += first ? "\n" : ",\n";
        out += "    " + jsonString(f.key) + ": " + decimal(f.value);
        first = false;
    }
    return out + "\n  }";
}

std::string jsonOrNull(const std::string& decimalText) {
    return decimalText.empty() ? std::string("null") : decimalText;
}

std::string jsonBar(const ExportBar& b) {
    return "      {\"index\": " + std::to_string(b.index) + ", \"label\": " + jsonString(b.label) +
           ", \"from\": " + (b.rangeKnown ? rangeNumber(b.from) : "null") +
           ", \"to\": " + (b.rangeKnown ? rangeNumber(b.to) : "null") +
           ", \"value\": " + jsonNumber(b.value) +
           ", \"secondValue\": " + (b.secondValue.empty() ? "null" : jsonNumber(b.secondValue)) +
           ", \"rawValue\": " + jsonOrNull(b.rawValue) +
           ", \"rawSecondValue\": " + jsonOrNull(b.rawSecondValue) +
           ", \"rawCount\": " + jsonOrNull(b.rawCount) + "}";
}

std::string jsonGraphs(const FleetDataImage& image) {
    std::string out = "  \"graphs\": [";
    for (int g = 1; g <= kGraphCount; ++g) {
        const ExportGraph graph = exportGraph(image, g);
        out += g == 1 ? "\n" : ",\n";
        out += "    {\"number\": " + std::to_string(g) + ", \"title\": " + jsonString(graph.title) +
               ", \"valueUnit\": " + jsonString(graph.valueUnit) +
               ", \"rangeUnit\": " + jsonString(graph.rangeUnit) +
               ", \"rawUnit\": " + jsonString(graph.rawUnit) + ", \"bars\": [";
        for (const ExportBar& b : graph.bars) {
            out += (b.index == 0 ? "\n" : ",\n") + jsonBar(b);
        }
        out += "\n    ]}";
    }
    return out + "\n  ]";
}

std::string jsonRecordValue(const RecordField& f) {
    if (f.value.empty()) {
        return "null";
    }
    if (!f.numeric) {
        return (f.value == "true" || f.value == "false") ? f.value : jsonString(f.value);
    }
    return jsonNumber(f.value);
}

std::string jsonRecords(const FleetDataImage& image) {
    std::string out = "  \"stabilityRecords\": [";
    for (int slot = 0; slot < storedRecordCount(image); ++slot) {
        out += slot == 0 ? "\n" : ",\n";
        out += "    {\"number\": " + std::to_string(slot + 1);
        for (const RecordField& f : recordFields(image.stabilityRecords[slot])) {
            out += ", " + jsonString(f.key) + ": " + jsonRecordValue(f);
        }
        out += "}";
    }
    return out + (storedRecordCount(image) > 0 ? "\n  ]" : "]");
}

}  // namespace

std::string exportCsv(const FleetDataImage& image, const std::string& fileName,
                      const std::vector<figures::Finding>& findings) {
    CsvTable table;
    csvIdentification(table, image, fileName);
    csvBars(table, image);
    csvRecords(table, image);
    csvFiguresAndFindings(table, image, findings);
    return table.out;
}

std::string exportJson(const FleetDataImage& image, const std::string& fileName,
                       const std::vector<figures::Finding>& findings) {
    return "{\n" + jsonIdentification(image, fileName) + ",\n" + jsonGraphs(image) + ",\n" +
           jsonRecords(image) + ",\n" + figuresJsonMember(figures::computeFigures(image), 2) +
           ",\n" + findingsJsonMember(findings, 2) + "\n}\n";
}

std::string exportCsv(const FleetDataImage& image, const std::string& fileName) {
    return exportCsv(image, fileName, defaultImageFindings(image));
}

std::string exportJson(const FleetDataImage& image, const std::string& fileName) {
    return exportJson(image, fileName, defaultImageFindings(image));
}

}  // namespace hm
