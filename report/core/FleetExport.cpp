#include "report/core/FleetExport.h"

#include <algorithm>
#include <cstdio>

#include "graphs/GraphDisplay.h"
#include "graphs/GraphFacts.h"
#include "platform/PrintfText.h"
#include "report/core/TextFormats.h"
#include "resources/Strings.h"

namespace hm {
namespace {

// Units of the graphs 1..10: the displayed value and the horizontal axis.
constexpr const char* kValueUnits[kGraphCount + 1] = {
    "", "s", "count", "s", "bar", "count", "count", "count", "count", "km", "km"};
constexpr const char* kRangeUnits[kGraphCount + 1] = {"",   "bar", "bar", "bar", "km/h", "km/h",
                                                      "km", "km",  "km",  "%",   "bar"};

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

std::string exportCsv(const FleetDataImage& image, const std::string& fileName) {
    std::string out = "kind,graph,index,name,label,from,to,range_unit,value,second_value,unit\r\n";
    auto row = [&out](std::initializer_list<std::string> fields) {
        bool first = true;
        for (const std::string& f : fields) {
            if (!first) {
                out += ',';
            }
            out += f;
            first = false;
        }
        out += "\r\n";
    };
    const std::string none;
    row({"identification", none, none, "fileName", none, none, none, none, csvTextField(fileName),
         none, none});
    row({"identification", none, none, "vehicleIdent", none, none, none, none,
         csvTextField(image.vehicleIdentString()), none, none});
    row({"identification", none, none, "savedAt", none, none, none, none, isoSavedAt(image.savedAt),
         none, none});
    row({"identification", none, none, "stabilityRecordCount", none, none, none, none,
         decimal(static_cast<uint64_t>(storedRecordCount(image))), none, none});
    for (const SummaryField& f : summaryFields(image)) {
        row({"total", none, none, f.key, csvField(f.label), none, none, none, decimal(f.value),
             none, f.unit});
    }
    for (int g = 1; g <= kGraphCount; ++g) {
        const ExportGraph graph = exportGraph(image, g);
        for (const ExportBar& b : graph.bars) {
            row({"bar", decimal(static_cast<uint64_t>(g)), decimal(static_cast<uint64_t>(b.index)),
                 csvField(graph.title), csvField(b.label),
                 b.rangeKnown ? rangeNumber(b.from) : none, b.rangeKnown ? rangeNumber(b.to) : none,
                 graph.rangeUnit, b.value, b.secondValue, graph.valueUnit});
        }
    }
    for (int slot = 0; slot < storedRecordCount(image); ++slot) {
        for (const RecordField& f : recordFields(image.stabilityRecords[slot])) {
            row({"record", none, decimal(static_cast<uint64_t>(slot) + 1), f.key, none, none, none,
                 none, csvField(f.value), none, f.unit});
        }
    }
    return out;
}

std::string exportJson(const FleetDataImage& image, const std::string& fileName) {
    std::string out = "{\n";
    out += "  \"schemaVersion\": " + std::to_string(kExportSchemaVersion) + ",\n";
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
    out += "\n  },\n  \"graphs\": [";
    for (int g = 1; g <= kGraphCount; ++g) {
        const ExportGraph graph = exportGraph(image, g);
        out += g == 1 ? "\n" : ",\n";
        out += "    {\"number\": " + std::to_string(g) + ", \"title\": " + jsonString(graph.title) +
               ", \"valueUnit\": " + jsonString(graph.valueUnit) +
               ", \"rangeUnit\": " + jsonString(graph.rangeUnit) + ", \"bars\": [";
        for (const ExportBar& b : graph.bars) {
            out += b.index == 0 ? "\n" : ",\n";
            out += "      {\"index\": " + std::to_string(b.index) +
                   ", \"label\": " + jsonString(b.label) +
                   ", \"from\": " + (b.rangeKnown ? rangeNumber(b.from) : "null") +
                   ", \"to\": " + (b.rangeKnown ? rangeNumber(b.to) : "null") +
                   ", \"value\": " + jsonNumber(b.value) + ", \"secondValue\": " +
                   (b.secondValue.empty() ? "null" : jsonNumber(b.secondValue)) + "}";
        }
        out += "\n    ]}";
    }
    out += "\n  ],\n  \"stabilityRecords\": [";
    for (int slot = 0; slot < storedRecordCount(image); ++slot) {
        out += slot == 0 ? "\n" : ",\n";
        out += "    {\"number\": " + std::to_string(slot + 1);
        for (const RecordField& f : recordFields(image.stabilityRecords[slot])) {
            std::string value;
            if (f.value.empty()) {
                value = "null";
            } else if (!f.numeric) {
                value = (f.value == "true" || f.value == "false") ? f.value : jsonString(f.value);
            } else {
                value = jsonNumber(f.value);
            }
            out += ", " + jsonString(f.key) + ": " + value;
        }
        out += "}";
    }
    out += storedRecordCount(image) > 0 ? "\n  ]\n}\n" : "]\n}\n";
    return out;
}

}  // namespace hm
