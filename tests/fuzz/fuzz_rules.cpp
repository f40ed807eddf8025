// libFuzzer target: a findings rules file of any content. Whatever parses must write back as a
// rule line that parses to the same line, and evaluate on any figures without a crash.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "figures/RulesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const hm::figures::RulesParse parse = hm::figures::parseRules(text);
    if (parse.error && (!parse.rules.empty() || parse.error->line < 1)) {
        std::abort();
    }
    for (const hm::figures::Rule& rule : parse.rules) {
        const std::string line = hm::figures::formatRule(rule);
        const hm::figures::RulesParse back = hm::figures::parseRules(line);
        if (back.error || back.rules.size() != 1 ||
            hm::figures::formatRule(back.rules[0]) != line) {
            std::abort();
        }
    }
    hm::figures::Figures figures;
    figures.distanceKm = size;
    figures.absEvents = UINT64_C(281479271612415);
    const hm::figures::DownloadChange change =
        hm::figures::changeBetween(hm::FleetDataImage{}, hm::FleetDataImage{});
    for (const auto& finding : hm::figures::evaluateFindings(parse.rules, figures, &change)) {
        if (hm::figures::findingSentenceEnglish(finding).empty()) {
            std::abort();
        }
    }
    return 0;
}
