#pragma once
// Findings: rules over a download's figures and their change since the last visit, each giving
// a finding with a severity and a sentence for people ("Driven overloaded for 380 km (4.1 % of
// the distance)").
//
// A rule looks at one figure, of the download itself or of its change since the download before
// (`Scope`), as it is, per 1,000 km of the distance it was gathered over, or as a percentage of
// another figure (`Measure`), compares that with a threshold and, when the comparison holds,
// gives a finding of its severity with the sentence of its message. A rule whose measure would
// divide by zero (no distance, no brake applications) is not evaluated, and a rule about the
// change is not evaluated for a download without one before it: both give no finding, never a
// made-up one. The default rules are a workshop's starting point that a user may change in the
// rules file (RulesFile.h), not limits set by the maker of the brake system.
// Plain functions and values; any thread.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "figures/FigureChange.h"
#include "figures/Figures.h"

namespace hm::figures {

enum class Severity { Info, Attention };
enum class Scope { Download, SinceLastVisit };
enum class Measure { Value, PerThousandKm, ShareOf };
enum class Comparison { Greater, GreaterOrEqual, Less, LessOrEqual };

// The sentence a finding is told with. Generic names the figure and the rule; the others are
// the sentences of the default rules, which a user's rule may name too (`message` in the file).
enum class MessageId {
    Generic,
    Overload,          // "Driven overloaded for %1 km (%2 % of the distance)"
    LowReservoir,      // distance below 6.5 bar reservoir pressure
    SlpBraking,        // brake applications on the stop-light supply alone
    Rollover,          // roll-over events since the last visit
    AbsRate,           // ABS events per 1,000 km since the last visit
    StabilityRecords,  // new stability records
    HardBraking,       // share of brake applications at 6 bar and above
    FleetOutlier,      // above the fleet's 90th percentile (FleetFigures.h)
    CountersReset,     // the ECU was erased between the visits (given with such a change)
};

struct Rule {
    Severity severity = Severity::Attention;
    Scope scope = Scope::Download;
    FigureId figure = FigureId::DistanceKm;
    Measure measure = Measure::Value;
    FigureId shareOf = FigureId::DistanceKm;  // the whole, for Measure::ShareOf
    Comparison comparison = Comparison::Greater;
    double threshold = 0.0;  // in the measure's unit: a count, per 1,000 km, or percent
    MessageId message = MessageId::Generic;
    int line = 0;  // line of the rules file (0: a default rule)
};

struct Finding {
    Severity severity = Severity::Info;
    MessageId message = MessageId::Generic;
    Scope scope = Scope::Download;
    FigureId figure = FigureId::DistanceKm;
    Measure measure = Measure::Value;
    FigureId shareOf = FigureId::DistanceKm;
    uint64_t value = 0;      // the figure's value (or its usage since the last visit)
    uint64_t whole = 0;      // the distance or figure divided by (per 1,000 km, share)
    uint64_t basisKm = 0;    // the distance the value was gathered over
    double measured = 0.0;   // what the rule compared: value, per 1,000 km, or percent
    double threshold = 0.0;  // the rule's threshold (for the fleet: its 90th percentile)
    std::string rule;        // the rule as a line of the rules file (formatRule)
};

// The default rules of a workshop, with the reason of each in docs/findings.md.
std::vector<Rule> defaultRules();

// The findings of a download: every rule that holds, in the rules' order, attention first.
// `sinceLastVisit` is the change from the download before, or null when there is none. A change
// with a reset gives a CountersReset finding, the first of the info findings.
std::vector<Finding> evaluateFindings(const std::vector<Rule>& rules, const Figures& figures,
                                      const DownloadChange* sinceLastVisit);

// The measure of `rule` for these figures, or nothing when it cannot be evaluated (division by
// zero, no change). The finding holds when the comparison with the threshold is true.
struct Measured {
    uint64_t value = 0;
    uint64_t whole = 0;
    double measured = 0.0;
};
std::optional<Measured> measureRule(const Rule& rule, const Figures& figures,
                                    const DownloadChange* sinceLastVisit);

// The finding's sentence in the user's language (through hm::translate), numbers written the
// same in every language.
std::string findingSentence(const Finding& finding);
// The same sentence in English, for data (JSON and CSV exports are never translated).
std::string findingSentenceEnglish(const Finding& finding);

// Data keys: "info", "attention"; "download", "since_last_visit"; "overload", ...
const char* severityKey(Severity severity);
const char* scopeKey(Scope scope);
const char* messageKey(MessageId message);
std::optional<MessageId> messageByKey(std::string_view key);
// ">", ">=", "<", "<=".
const char* comparisonKey(Comparison comparison);
// A threshold as the rules file writes it: "2", "0.25" (at most six decimals, a point).
std::string formatThreshold(double threshold);
// The severity word for people, in the user's language ("Attention", "Info").
std::string severityText(Severity severity);

// A rule as a line of the rules file: "attention overload_km share load_km > 2 % message
// overload". parseRules() of the line gives the rule back.
std::string formatRule(const Rule& rule);

}  // namespace hm::figures
