#include "report/core/ExportSheets.h"

#include "figures/Figures.h"
#include "figures/Findings.h"
#include "graphs/GraphFacts.h"
#include "report/core/FiguresExport.h"
#include "report/core/FleetExport.h"
#include "report/core/TextFormats.h"

namespace hm {
namespace {

XlsxSheet figuresSheet(const FleetDataImage& image, const std::string& fileName) {
    XlsxSheet sheet{"Figures", {}, {"name", "label", "value", "unit"}, {}};
    const XlsxCell none;
    sheet.rows.push_back(
        {XlsxCell::fromText("fileName"), none, XlsxCell::fromText(fileName), none});
    sheet.rows.push_back({XlsxCell::fromText("vehicleIdent"), none,
                          XlsxCell::fromText(image.vehicleIdentString()), none});
    sheet.rows.push_back({XlsxCell::fromText("savedAt"), none,
                          XlsxCell::fromDateTime(isoSavedAt(image.savedAt)), none});
    sheet.rows.push_back({XlsxCell::fromText("stabilityRecordCount"), none,
                          XlsxCell::fromNumber(storedRecordCount(image)), none});
    for (const SummaryField& f : summaryFields(image)) {
        sheet.rows.push_back({XlsxCell::fromText(f.key), XlsxCell::fromText(f.label),
                              XlsxCell::fromNumber(f.value), XlsxCell::fromText(f.unit)});
    }
    // The exact figures, by their data keys: every one is below 2^53, so a number cell holds
    // it exactly (the brake time with its two decimals).
    const figures::Figures values = figures::computeFigures(image);
    for (const figures::FigureInfo& info : figures::figureTable()) {
        sheet.rows.push_back(
            {XlsxCell::fromText(info.key), none,
             XlsxCell::fromDecimal(figures::formatFigure(info.id, values.value(info.id))),
             XlsxCell::fromText(figureDataUnit(static_cast<int>(info.id)))});
    }
    return sheet;
}

XlsxSheet findingsSheet(const std::vector<figures::Finding>& findings) {
    XlsxSheet sheet{"Findings",
                    {},
                    {"number", "severity", "message", "scope", "text", "figure", "value", "unit",
                     "measure", "measured", "threshold", "rule"},
                    {}};
    for (size_t i = 0; i < findings.size(); ++i) {
        const figures::Finding& f = findings[i];
        std::vector<XlsxCell> row{XlsxCell::fromNumber(static_cast<double>(i + 1)),
                                  XlsxCell::fromText(figures::severityKey(f.severity)),
                                  XlsxCell::fromText(figures::messageKey(f.message)),
                                  XlsxCell::fromText(figures::scopeKey(f.scope)),
                                  XlsxCell::fromText(figures::findingSentenceEnglish(f))};
        if (f.message != figures::MessageId::CountersReset) {  // a reset looks at no figure
            const int figure = static_cast<int>(f.figure);
            row.insert(row.end(), {XlsxCell::fromText(figures::figureInfo(f.figure).key),
                                   XlsxCell::fromDecimal(figures::formatFigure(f.figure, f.value)),
                                   XlsxCell::fromText(figureDataUnit(figure)),
                                   XlsxCell::fromText(measureKey(f.measure)),
                                   XlsxCell::fromDecimal(measuredText(f.measured)),
                                   XlsxCell::fromDecimal(measuredText(f.threshold)),
                                   XlsxCell::fromText(f.rule)});
        }
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

XlsxSheet graphSheet(const FleetDataImage& image, int number) {
    const ExportGraph graph = exportGraph(image, number);
    XlsxSheet sheet{"Graph " + std::to_string(number),
                    graph.title,
                    {"index", "label", "from", "to", "range_unit", "value", "second_value", "unit"},
                    {}};
    for (const ExportBar& b : graph.bars) {
        const XlsxCell none;
        sheet.rows.push_back({XlsxCell::fromNumber(b.index), XlsxCell::fromText(b.label),
                              b.rangeKnown ? XlsxCell::fromNumber(b.from) : none,
                              b.rangeKnown ? XlsxCell::fromNumber(b.to) : none,
                              XlsxCell::fromText(graph.rangeUnit), XlsxCell::fromDecimal(b.value),
                              XlsxCell::fromDecimal(b.secondValue),
                              XlsxCell::fromText(graph.valueUnit)});
    }
    return sheet;
}

XlsxSheet recordsSheet(const FleetDataImage& image) {
    XlsxSheet sheet{"Records", {}, {"number"}, {}};
    for (const RecordField& f : recordFields(StabilityRecord{})) {
        sheet.header.emplace_back(f.unit[0] != '\0' ? std::string(f.key) + " (" + f.unit + ")"
                                                    : std::string(f.key));
    }
    for (int slot = 0; slot < storedRecordCount(image); ++slot) {
        std::vector<XlsxCell> row{XlsxCell::fromNumber(slot + 1)};
        for (const RecordField& f : recordFields(image.stabilityRecords[slot])) {
            if (f.numeric) {
                row.push_back(XlsxCell::fromDecimal(f.value));
            } else if (f.value == "true" || f.value == "false") {
                row.push_back(XlsxCell::fromBoolean(f.value == "true"));
            } else {
                row.push_back(XlsxCell::fromText(f.value));
            }
        }
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

}  // namespace

std::vector<XlsxSheet> exportSheets(const FleetDataImage& image, const std::string& fileName,
                                    const std::vector<figures::Finding>& findings) {
    std::vector<XlsxSheet> sheets{figuresSheet(image, fileName)};
    for (int g = 1; g <= kGraphCount; ++g) {
        sheets.push_back(graphSheet(image, g));
    }
    sheets.push_back(recordsSheet(image));
    sheets.push_back(findingsSheet(findings));
    return sheets;
}

XlsxSheet fleetTableSheet() {
    XlsxSheet sheet{"Files", {}, {"path", "vehicleIdent", "savedAt"}, {}};
    for (const SummaryField& f : summaryFields(FleetDataImage{})) {
        sheet.header.emplace_back(f.key);
    }
    sheet.header.emplace_back("stabilityRecords");
    return sheet;
}

std::vector<XlsxCell> fleetTableXlsxRow(const std::string& path, const FleetDataImage& image) {
    std::vector<XlsxCell> row{XlsxCell::fromText(path),
                              XlsxCell::fromText(image.vehicleIdentString()),
                              XlsxCell::fromDateTime(isoSavedAt(image.savedAt))};
    for (const SummaryField& f : summaryFields(image)) {
        row.push_back(XlsxCell::fromNumber(f.value));
    }
    row.push_back(XlsxCell::fromNumber(storedRecordCount(image)));
    return row;
}

}  // namespace hm
