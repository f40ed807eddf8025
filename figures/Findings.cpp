#include "figures/Findings.h"

#include <algorithm>

#include "platform/PrintfText.h"
#include "resources/Strings.h"

// lupdate reads the texts of the tables below; the program translates them with hm::translate.
#define QT_TRANSLATE_NOOP(context, text) text

namespace hm::figures {
namespace {

using enum FigureId;
constexpr const char* kContext = "hm::figures::Findings";

struct MessageTexts {
    MessageId id;
    const char* key;
    const char* download;        // the sentence for the download's own figure
    const char* sinceLastVisit;  // the sentence for its change since the last visit
};

// %1: the figure's value; %2 (Generic: %1 the figure's key, %2 its value; SlpBraking: %2 the
// distance the value covers).
constexpr MessageTexts kMessages[] = {
    {MessageId::Generic, "generic", QT_TRANSLATE_NOOP("hm::figures::Findings", "%1: %2"),
     QT_TRANSLATE_NOOP("hm::figures::Findings", "%1 since the last visit: %2")},
    {MessageId::Overload, "overload",
     QT_TRANSLATE_NOOP("hm::figures::Findings", "Driven overloaded for %1 km"),
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "Driven overloaded for %1 km since the last visit")},
    {MessageId::LowReservoir, "low-reservoir",
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "Driven for %1 km with the reservoir pressure below 6.5 bar"),
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "Driven for %1 km with the reservoir pressure below 6.5 bar since the "
                       "last visit")},
    {MessageId::SlpBraking, "slp-braking",
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "Brake applications on the stop-light supply alone in the last %2 km: %1"),
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "Brake applications on the stop-light supply alone since the last visit: "
                       "%1")},
    {MessageId::Rollover, "rollover",
     QT_TRANSLATE_NOOP("hm::figures::Findings", "Roll-over events: %1"),
     QT_TRANSLATE_NOOP("hm::figures::Findings", "Roll-over events since the last visit: %1")},
    {MessageId::AbsRate, "abs-rate", QT_TRANSLATE_NOOP("hm::figures::Findings", "ABS events: %1"),
     QT_TRANSLATE_NOOP("hm::figures::Findings", "ABS events since the last visit: %1")},
    {MessageId::StabilityRecords, "stability",
     QT_TRANSLATE_NOOP("hm::figures::Findings", "Stability records: %1"),
     QT_TRANSLATE_NOOP("hm::figures::Findings", "New stability records since the last visit: %1")},
    {MessageId::HardBraking, "hard-braking",
     QT_TRANSLATE_NOOP("hm::figures::Findings", "Brake applications at 6 bar and above: %1"),
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "Brake applications at 6 bar and above since the last visit: %1")},
    {MessageId::FleetOutlier, "fleet-outlier", QT_TRANSLATE_NOOP("hm::figures::Findings", "%1: %2"),
     QT_TRANSLATE_NOOP("hm::figures::Findings", "%1 since the last visit: %2")},
    {MessageId::CountersReset, "counters-reset",
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "The ECU's data was erased between the visits: the counts since the last "
                       "visit start at the erase"),
     QT_TRANSLATE_NOOP("hm::figures::Findings",
                       "The ECU's data was erased between the visits: the counts since the last "
                       "visit start at the erase")},
};

// What follows the sentence: the measure that the rule compared.
constexpr const char* kPerThousandKmText =
    QT_TRANSLATE_NOOP("hm::figures::Findings", " (%1 per 1000 km)");
constexpr const char* kShareOfDistance =
    QT_TRANSLATE_NOOP("hm::figures::Findings", " (%1 of the distance)");
constexpr const char* kShareOfBraking =
    QT_TRANSLATE_NOOP("hm::figures::Findings", " (%1 of the brake applications)");
constexpr const char* kShareOfFigure = QT_TRANSLATE_NOOP("hm::figures::Findings", " (%1 of %2)");
constexpr const char* kFleetPercentile =
    QT_TRANSLATE_NOOP("hm::figures::Findings", ", above the fleet's 90th percentile of %1");
constexpr const char* kInfoWord = QT_TRANSLATE_NOOP("hm::figures::Findings", "Info");
constexpr const char* kAttentionWord = QT_TRANSLATE_NOOP("hm::figures::Findings", "Attention");

const MessageTexts& messageTexts(MessageId id) {
    return kMessages[static_cast<size_t>(id)];
}

std::string text(const char* english, bool localize) {
    return localize ? translate(kContext, english) : std::string(english);
}

std::string oneDecimal(double value) {
    return printfText("%.1f", value);
}

// The suffix that names the measure, or empty for a plain value.
std::string measureSuffix(const Finding& finding, bool localize) {
    const std::string measured = oneDecimal(finding.measured);
    switch (finding.measure) {
        case Measure::Value:
            return {};
        case Measure::PerThousandKm:
            return fillPlaceholders(text(kPerThousandKmText, localize), {measured});
        case Measure::ShareOf:
            break;
    }
    // The percent sign goes with the number, so no translation has to keep a bare "%".
    const std::string percent = measured + " %";
    const FigureInfo& whole = figureInfo(finding.shareOf);
    if (whole.unit == FigureUnit::Km) {
        return fillPlaceholders(text(kShareOfDistance, localize), {percent});
    }
    if (whole.id == BrakeApplications || whole.id == RecentBrakeApps ||
        whole.id == BrakeAppsByDistance) {
        return fillPlaceholders(text(kShareOfBraking, localize), {percent});
    }
    return fillPlaceholders(text(kShareOfFigure, localize), {percent, whole.key});
}

std::string sentence(const Finding& finding, bool localize) {
    const MessageTexts& texts = messageTexts(finding.message);
    const char* pattern =
        finding.scope == Scope::SinceLastVisit ? texts.sinceLastVisit : texts.download;
    const std::string value = formatFigure(finding.figure, finding.value);
    std::vector<std::string> args{value, std::to_string(finding.basisKm)};
    if (finding.message == MessageId::Generic || finding.message == MessageId::FleetOutlier) {
        args = {figureInfo(finding.figure).key, value};
    }
    if (finding.message == MessageId::CountersReset) {
        return text(pattern, localize);
    }
    std::string out = fillPlaceholders(text(pattern, localize), args);
    out += measureSuffix(finding, localize);
    if (finding.message == MessageId::FleetOutlier) {
        out += fillPlaceholders(text(kFleetPercentile, localize), {oneDecimal(finding.threshold)});
    }
    return out;
}

double displayValue(FigureId id, uint64_t value) {
    const double v = static_cast<double>(value);
    return figureInfo(id).unit == FigureUnit::Centiseconds ? v / 100.0 : v;
}

bool holds(Comparison comparison, double measured, double threshold) {
    switch (comparison) {
        case Comparison::Greater:
            return measured > threshold;
        case Comparison::GreaterOrEqual:
            return measured >= threshold;
        case Comparison::Less:
            return measured < threshold;
        case Comparison::LessOrEqual:
            return measured <= threshold;
    }
    return false;
}

Rule makeRule(Severity severity, Scope scope, FigureId figure, Measure measure, FigureId shareOf,
              double threshold, MessageId message) {
    Rule rule;
    rule.severity = severity;
    rule.scope = scope;
    rule.figure = figure;
    rule.measure = measure;
    rule.shareOf = shareOf;
    rule.threshold = threshold;
    rule.message = message;
    return rule;
}

}  // namespace

std::vector<Rule> defaultRules() {
    using enum Severity;
    using enum Scope;
    using enum Measure;
    return {
        makeRule(Attention, Download, OverloadKm, ShareOf, LoadKm, 2.0, MessageId::Overload),
        makeRule(Attention, Download, LowReservoirKm, ShareOf, ReservoirKm, 1.0,
                 MessageId::LowReservoir),
        makeRule(Attention, Download, SlpBrakeApps, ShareOf, RecentBrakeApps, 2.0,
                 MessageId::SlpBraking),
        makeRule(Attention, SinceLastVisit, RolloverEvents, Value, RolloverEvents, 0.0,
                 MessageId::Rollover),
        makeRule(Attention, SinceLastVisit, AbsEvents, PerThousandKm, AbsEvents, 5.0,
                 MessageId::AbsRate),
        makeRule(Info, SinceLastVisit, StabilityRecords, Value, StabilityRecords, 0.0,
                 MessageId::StabilityRecords),
        makeRule(Info, Download, HardBrakingApplications, ShareOf, BrakeApplications, 5.0,
                 MessageId::HardBraking),
    };
}

std::optional<Measured> measureRule(const Rule& rule, const Figures& figures,
                                    const DownloadChange* sinceLastVisit) {
    const bool change = rule.scope == Scope::SinceLastVisit;
    if (change && sinceLastVisit == nullptr) {
        return std::nullopt;
    }
    const auto valueOf = [&](FigureId id) {
        return change ? sinceLastVisit->usage(id) : figures.value(id);
    };
    Measured m;
    m.value = valueOf(rule.figure);
    switch (rule.measure) {
        case Measure::Value:
            m.measured = displayValue(rule.figure, m.value);
            return m;
        case Measure::PerThousandKm:
            m.whole =
                change ? sinceLastVisit->usage(DistanceKm) : basisDistanceKm(figures, rule.figure);
            if (m.whole == 0) {
                return std::nullopt;
            }
            m.measured = displayValue(rule.figure, m.value) * 1000.0 / static_cast<double>(m.whole);
            return m;
        case Measure::ShareOf:
            m.whole = valueOf(rule.shareOf);
            break;
    }
    if (m.whole == 0) {
        return std::nullopt;
    }
    m.measured = 100.0 * static_cast<double>(m.value) / static_cast<double>(m.whole);
    return m;
}

std::vector<Finding> evaluateFindings(const std::vector<Rule>& rules, const Figures& figures,
                                      const DownloadChange* sinceLastVisit) {
    std::vector<Finding> findings;
    if (sinceLastVisit != nullptr && sinceLastVisit->anyReset) {
        Finding reset;
        reset.message = MessageId::CountersReset;
        reset.scope = Scope::SinceLastVisit;
        findings.push_back(reset);
    }
    for (const Rule& rule : rules) {
        const std::optional<Measured> m = measureRule(rule, figures, sinceLastVisit);
        if (!m || !holds(rule.comparison, m->measured, rule.threshold)) {
            continue;
        }
        Finding f;
        f.severity = rule.severity;
        f.message = rule.message;
        f.scope = rule.scope;
        f.figure = rule.figure;
        f.measure = rule.measure;
        f.shareOf = rule.shareOf;
        f.value = m->value;
        f.whole = m->whole;
        f.measured = m->measured;
        f.threshold = rule.threshold;
        f.basisKm = rule.scope == Scope::SinceLastVisit ? sinceLastVisit->usage(DistanceKm)
                                                        : basisDistanceKm(figures, rule.figure);
        f.rule = formatRule(rule);
        findings.push_back(f);
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.severity == Severity::Attention && b.severity != Severity::Attention;
    });
    return findings;
}

std::string findingSentence(const Finding& finding) {
    return sentence(finding, true);
}

std::string findingSentenceEnglish(const Finding& finding) {
    return sentence(finding, false);
}

const char* severityKey(Severity severity) {
    return severity == Severity::Attention ? "attention" : "info";
}

const char* scopeKey(Scope scope) {
    return scope == Scope::SinceLastVisit ? "since_last_visit" : "download";
}

const char* messageKey(MessageId message) {
    return messageTexts(message).key;
}

std::optional<MessageId> messageByKey(std::string_view key) {
    for (const MessageTexts& texts : kMessages) {
        if (key == texts.key) {
            return texts.id;
        }
    }
    return std::nullopt;
}

std::string severityText(Severity severity) {
    return translate(kContext, severity == Severity::Attention ? kAttentionWord : kInfoWord);
}

const char* comparisonKey(Comparison comparison) {
    constexpr const char* kKeys[] = {">", ">=", "<", "<="};
    return kKeys[static_cast<size_t>(comparison)];
}

std::string formatThreshold(double threshold) {
    std::string out = printfText("%.6f", threshold);
    while (out.back() == '0') {
        out.pop_back();
    }
    if (out.back() == '.') {
        out.pop_back();
    }
    return out;
}

std::string formatRule(const Rule& rule) {
    std::string out = severityKey(rule.severity);
    out += rule.scope == Scope::SinceLastVisit ? " change " : " ";
    out += figureInfo(rule.figure).key;
    if (rule.measure == Measure::PerThousandKm) {
        out += " per-1000-km";
    } else if (rule.measure == Measure::ShareOf) {
        out += std::string(" share ") + figureInfo(rule.shareOf).key;
    }
    out +=
        std::string(" ") + comparisonKey(rule.comparison) + " " + formatThreshold(rule.threshold);
    out += rule.measure == Measure::ShareOf ? " %" : "";
    if (rule.message != MessageId::Generic) {
        out += std::string(" message ") + messageKey(rule.message);
    }
    return out;
}

}  // namespace hm::figures
