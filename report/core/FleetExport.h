#pragma once
// The content of a data file as plain values for machine-readable output (`haulmetry export`,
// `haulmetry table`) and the cover of the full report: identification, the eight summary
// totals, every graph's bars with their ranges and units, and every stored stability record
// with its fields in plain units. The numbers are those the window, `haulmetry graph` and
// `haulmetry summary` show; nothing here computes them anew. Plain functions, any thread.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fleetdata/FleetDataImage.h"

namespace hm::figures {
struct Finding;
}  // namespace hm::figures

namespace hm {

// Version of the JSON layouts written by exportJson and the fleet table; raised whenever a
// member changes meaning or goes away (new members may be added without a new version).
constexpr int kExportSchemaVersion = 1;

// One of the eight summary totals: the key used in CSV and JSON, the label of the summary
// message ("DISTANCE", ...), the value (the unsigned 32-bit total) and its unit ("km" or "").
struct SummaryField {
    const char* key;
    const char* label;
    uint32_t value;
    const char* unit;
};
std::array<SummaryField, 8> summaryFields(const FleetDataImage& image);

// One bar of a graph. `value` and `secondValue` are decimal texts in the graph's displayed unit
// with the precision the window shows (graph 6 also has its second, stacked value; empty for
// the other graphs). `label` is the range text printed under the bar on the graph page.
struct ExportBar {
    int index = 0;
    std::string label;
    bool rangeKnown = false;  // false for a distance column without data
    double from = 0.0;
    double to = 0.0;
    std::string value;
    std::string secondValue;
    // The image's own integers under the bar, exact (the values above pass through the graph's
    // floats, as the window shows them): the counter or sum, graph 6's second counter, and for
    // the averages (graphs 1 and 4) the count they divide by; empty where a graph has none.
    std::string rawValue;
    std::string rawSecondValue;
    std::string rawCount;
};

struct ExportGraph {
    int number = 0;
    std::string title;
    const char* valueUnit = "";  // "s", "count", "bar" or "km"
    const char* rangeUnit = "";  // "bar", "km/h", "%" or "km"
    const char* rawUnit = "";    // unit of rawValue: "0.01 s", "count", "0.05 bar" or "km"
    std::vector<ExportBar> bars;
};
// Graph 1..10 of the image as the window shows it; an empty graph for any other number.
ExportGraph exportGraph(const FleetDataImage& image, int graphNumber);

// One field of a stability record: key, value as text in plain units (empty when the record
// holds no value, e.g. a date without a valid month), unit, and whether the value is a number
// (else a word such as "true").
struct RecordField {
    const char* key;
    std::string value;
    const char* unit;
    bool numeric;
};
std::vector<RecordField> recordFields(const StabilityRecord& record);

// Records that are stored: slots below the record count and below 32.
int storedRecordCount(const FleetDataImage& image);

// The whole export of one data file; `fileName` is the name shown for it. CSV: one table with
// a header row (columns documented in docs/export.md); JSON: one object with schemaVersion.
// Both carry the exact figures of the download and `findings` (without them: the findings of
// the default rules).
std::string exportCsv(const FleetDataImage& image, const std::string& fileName);
std::string exportJson(const FleetDataImage& image, const std::string& fileName);
std::string exportCsv(const FleetDataImage& image, const std::string& fileName,
                      const std::vector<figures::Finding>& findings);
std::string exportJson(const FleetDataImage& image, const std::string& fileName,
                       const std::vector<figures::Finding>& findings);

// The decimal text of a range end (no trailing zeros beyond one decimal: "3.5", "10", "0.5").
std::string rangeNumber(double value);

}  // namespace hm
