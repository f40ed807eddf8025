#include "report/core/FleetTable.h"

#include "report/core/FleetExport.h"
#include "report/core/TextFormats.h"

namespace hm {

std::string fleetTableCsvHeader() {
    std::string header = "path,vehicleIdent,savedAt";
    for (const SummaryField& f : summaryFields(FleetDataImage{})) {
        header += ',';
        header += f.key;
    }
    return header + ",stabilityRecords\r\n";
}

std::string fleetTableCsvRow(const std::string& path, const FleetDataImage& image) {
    std::string row = csvTextField(path);
    row += ',';
    row += csvTextField(image.vehicleIdentString());
    row += ',';
    row += isoSavedAt(image.savedAt);
    for (const SummaryField& f : summaryFields(image)) {
        row += ',';
        row += std::to_string(f.value);
    }
    row += ',';
    row += std::to_string(storedRecordCount(image));
    row += "\r\n";
    return row;
}

std::string fleetTableJsonBegin() {
    return "{\"schemaVersion\": " + std::to_string(kExportSchemaVersion) + ", \"files\": [\n";
}

std::string fleetTableJsonRow(const std::string& path, const FleetDataImage& image) {
    const std::string saved = isoSavedAt(image.savedAt);
    std::string row = "  {\"path\": " + jsonString(toUtf8Text(path)) +
                      ", \"vehicleIdent\": " + jsonString(toUtf8Text(image.vehicleIdentString())) +
                      ", \"savedAt\": " + (saved.empty() ? std::string("null") : jsonString(saved));
    for (const SummaryField& f : summaryFields(image)) {
        row += ", " + jsonString(f.key) + ": " + std::to_string(f.value);
    }
    row += ", \"stabilityRecords\": " + std::to_string(storedRecordCount(image)) + "}";
    return row;
}

std::string fleetTableJsonEnd() {
    return "\n]}\n";
}

}  // namespace hm
