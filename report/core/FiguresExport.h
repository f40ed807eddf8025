#pragma once
// The exact figures and the findings of a download in the exports (`haulmetry export`,
// `haulmetry findings --format json`): figures by their data keys from the table of figures,
// findings with severity, rule and the English sentence (data is never translated).
// Plain functions, any thread.
#include <string>
#include <vector>

#include "fleetdata/FleetDataImage.h"

namespace hm::figures {
struct Figures;
struct Finding;
enum class Measure;
}  // namespace hm::figures

namespace hm {

// The findings of `image` by the default rules (a single download: no change to compare).
std::vector<figures::Finding> defaultImageFindings(const FleetDataImage& image);

// JSON members "figures": {...} and "findings": [...], each line indented by `indent` blanks,
// without a comma after the last.
std::string figuresJsonMember(const figures::Figures& figures, int indent);
std::string findingsJsonMember(const std::vector<figures::Finding>& findings, int indent);
// One finding as a JSON object on one line.
std::string findingJson(const figures::Finding& finding);

// What a finding's rule compared, as data: "value", "per_1000_km" or "share_percent".
const char* measureKey(figures::Measure measure);

// The unit a figure's value is written in as data: "km", "count" or "s".
const char* figureDataUnit(int figureIndex);

// A measured value (per 1,000 km, percent) as data: at most four decimals, a point.
std::string measuredText(double value);

}  // namespace hm
