#include "report/core/FiguresExport.h"

#include "figures/Figures.h"
#include "figures/Findings.h"
#include "platform/PrintfText.h"
#include "report/core/TextFormats.h"

namespace hm {

const char* measureKey(figures::Measure measure) {
    switch (measure) {
        case figures::Measure::Value:
            return "value";
        case figures::Measure::PerThousandKm:
            return "per_1000_km";
        case figures::Measure::ShareOf:
            return "share_percent";
    }
    return "value";
}

std::vector<figures::Finding> defaultImageFindings(const FleetDataImage& image) {
    return figures::evaluateFindings(figures::defaultRules(), figures::computeFigures(image),
                                     nullptr);
}

const char* figureDataUnit(int figureIndex) {
    const auto& info = figures::figureTable()[static_cast<size_t>(figureIndex)];
    switch (info.unit) {
        case figures::FigureUnit::Km:
            return "km";
        case figures::FigureUnit::Count:
            return "count";
        case figures::FigureUnit::Centiseconds:
            return "s";
    }
    return "";
}

std::string measuredText(double value) {
    std::string text = printfText("%.4f", value);
    while (text.size() > 1 && text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string figuresJsonMember(const figures::Figures& values, int indent) {
    const std::string pad(static_cast<size_t>(indent), ' ');
    std::string out = pad + "\"figures\": {";
    bool first = true;
    for (const figures::FigureInfo& info : figures::figureTable()) {
        out += first ? "\n" : ",\n";
        out += pad + "  " + jsonString(info.key) + ": " +
               figures::formatFigure(info.id, values.value(info.id));
        first = false;
    }
    return out + "\n" + pad + "}";
}

std::string findingJson(const figures::Finding& f) {
    const bool reset = f.message == figures::MessageId::CountersReset;
    const auto& figure = figures::figureInfo(f.figure);
    std::string out = "{\"severity\": " + jsonString(figures::severityKey(f.severity)) +
                      ", \"message\": " + jsonString(figures::messageKey(f.message)) +
                      ", \"scope\": " + jsonString(figures::scopeKey(f.scope));
    if (!reset) {
        out += ", \"figure\": " + jsonString(figure.key) +
               ", \"value\": " + figures::formatFigure(f.figure, f.value) +
               ", \"measure\": " + jsonString(measureKey(f.measure)) +
               ", \"measured\": " + jsonNumber(measuredText(f.measured)) +
               ", \"threshold\": " + jsonNumber(measuredText(f.threshold)) +
               ", \"rule\": " + jsonString(f.rule);
    }
    return out + ", \"text\": " + jsonString(figures::findingSentenceEnglish(f)) + "}";
}

std::string findingsJsonMember(const std::vector<figures::Finding>& findings, int indent) {
    const std::string pad(static_cast<size_t>(indent), ' ');
    std::string out = pad + "\"findings\": [";
    for (size_t i = 0; i < findings.size(); ++i) {
        out += (i == 0 ? "\n" : ",\n") + pad + "  " + findingJson(findings[i]);
    }
    return out + (findings.empty() ? "]" : "\n" + pad + "]");
}

}  // namespace hm
