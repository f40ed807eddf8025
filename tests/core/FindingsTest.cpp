// Findings rules: the default rules on crafted trailers, the rules file's parser with good and
// bad files, and the fleet's percentiles.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "figures/FleetFigures.h"
#include "figures/RulesFile.h"
#include "support/FigureImages.h"
#include "support/TestSupport.h"

using hm::FleetDataImage;
using hm::figures::computeFigures;
using hm::figures::evaluateFindings;
using hm::figures::FigureId;
using hm::figures::Finding;
using hm::figures::MessageId;
using hm::figures::parseRules;
using hm::figures::Severity;

namespace {

std::vector<Finding> defaultFindings(const FleetDataImage& image,
                                     const FleetDataImage* before = nullptr) {
    const auto change =
        before ? std::optional(hm::figures::changeBetween(*before, image)) : std::nullopt;
    return evaluateFindings(hm::figures::defaultRules(), computeFigures(image),
                            change ? &*change : nullptr);
}

std::vector<std::string> sentences(const std::vector<Finding>& findings) {
    std::vector<std::string> out;
    for (const Finding& f : findings) {
        out.push_back(std::string(hm::figures::severityKey(f.severity)) + ": " +
                      hm::figures::findingSentenceEnglish(f));
    }
    return out;
}

std::vector<Finding> findingsOf(std::string_view rules, const FleetDataImage& image) {
    const auto parse = parseRules(rules);
    EXPECT_FALSE(parse.error) << rules;
    return evaluateFindings(parse.rules, computeFigures(image), nullptr);
}

}  // namespace

TEST(Findings, DefaultRulesOnCraftedTrailers) {
    // 380 of 9268 km overloaded: 4.1 %, above the default 2 %.
    EXPECT_EQ(sentences(defaultFindings(hmtest::overloadedImage(9268, 380))),
              std::vector<std::string>{
                  "attention: Driven overloaded for 380 km (4.1 % of the distance)"});
    EXPECT_TRUE(defaultFindings(hmtest::overloadedImage(9268, 185)).empty());  // 1.996 %

    FleetDataImage braking = hmtest::emptyImage();
    hmtest::setDistance(braking, 2, 0);
    braking.brakeCountByPressure[4] = 90;
    braking.brakeCountByPressure[12] = 10;  // 6.0-6.5 bar: hard braking, 10 %
    braking.brakeAppsByDistance[0] = 60;
    braking.slpBrakeAppsByDistance[0] = 3;        // 3 of 60 applications over 1000 km: 5 %
    braking.distanceByReservoirPressure[6] = 20;  // 20 of 1000 km below 6.5 bar
    braking.distanceByReservoirPressure[8] = 980;
    EXPECT_EQ(sentences(defaultFindings(braking)),
              (std::vector<std::string>{
                  "attention: Driven for 20 km with the reservoir pressure below 6.5 bar (2.0 % "
                  "of the distance)",
                  "attention: Brake applications on the stop-light supply alone in the last 1000 "
                  "km: 3 (5.0 % of the brake applications)",
                  "info: Brake applications at 6 bar and above: 10 (10.0 % of the brake "
                  "applications)"}));
}

TEST(Findings, ChangeSinceTheLastVisit) {
    FleetDataImage before = hmtest::emptyImage();
    hmtest::setDistance(before, 10, 0);
    hmtest::setLifetimeTotal(before.absEventsByDistance, 100);
    FleetDataImage after = before;
    hmtest::setDistance(after, 14, 0);                         // 2000 km later
    hmtest::setLifetimeTotal(after.absEventsByDistance, 111);  // 5.5 per 1000 km
    hmtest::setLifetimeTotal(after.rolloverEventsByDistance, 1);
    after.stabilityRecordCount = 1;
    EXPECT_EQ(sentences(defaultFindings(after, &before)),
              (std::vector<std::string>{
                  "attention: Roll-over events since the last visit: 1",
                  "attention: ABS events since the last visit: 11 (5.5 per 1000 km)",
                  "info: New stability records since the last visit: 1"}));
    // One download only: the rules about a change give nothing (no change, not zero).
    EXPECT_TRUE(defaultFindings(after).empty());
    // The ECU erased between the visits: said first, and the usage counts from the erase.
    FleetDataImage erased = hmtest::emptyImage();
    hmtest::setDistance(erased, 0, 400);
    hmtest::setLifetimeTotal(erased.absEventsByDistance, 1);
    const auto findings = sentences(defaultFindings(erased, &after));
    ASSERT_EQ(findings.size(), 1U);
    EXPECT_EQ(findings[0],
              "info: The ECU's data was erased between the visits: the counts since the last "
              "visit start at the erase");
}

TEST(Findings, MeasuresThatWouldDivideByZeroAreNotEvaluated) {
    const FleetDataImage empty = hmtest::emptyImage();
    EXPECT_TRUE(findingsOf("attention abs_events per-1000-km >= 0\n"
                           "attention overload_km share load_km >= 0 %\n"
                           "attention change abs_events per-1000-km >= 0\n",
                           empty)
                    .empty());
    EXPECT_TRUE(defaultFindings(empty).empty());
    // The same rules on a trailer with distance do hold.
    EXPECT_EQ(
        findingsOf("attention abs_events per-1000-km >= 0\n", hmtest::overloadedImage(1000, 0))
            .size(),
        1U);
}

TEST(Findings, SaturatedCountersAreExactInTheSentence) {
    const auto findings = findingsOf(
        "info abs_events > 0 message abs-rate\n"
        "info brake_time_s > 42949672.94\n",
        hmtest::saturatedImage());
    ASSERT_EQ(findings.size(), 2U);
    EXPECT_EQ(hm::figures::findingSentenceEnglish(findings[0]), "ABS events: 281479271612415");
    EXPECT_EQ(hm::figures::findingSentenceEnglish(findings[1]), "brake_time_s: 687194767.20");
}

// ---------------------------------------------------------------------------------------------
// The rules file.

TEST(RulesFile, DefaultRulesReadBackFromTheirLines) {
    std::string text = "# the defaults, written out\n\n";
    for (const auto& rule : hm::figures::defaultRules()) {
        text += formatRule(rule) + "\r\n";
    }
    const auto parse = parseRules(text);
    ASSERT_FALSE(parse.error) << parse.error->message;
    ASSERT_EQ(parse.rules.size(), hm::figures::defaultRules().size());
    for (size_t i = 0; i < parse.rules.size(); ++i) {
        EXPECT_EQ(formatRule(parse.rules[i]), formatRule(hm::figures::defaultRules()[i]));
        EXPECT_EQ(parse.rules[i].line, static_cast<int>(i) + 3);
    }
    EXPECT_TRUE(parse.warnings.empty());
    EXPECT_TRUE(parseRules("# nothing\n  \n").rules.empty());
    const auto bom = parseRules("\xEF\xBB\xBFinfo abs_events > 1\n");
    EXPECT_FALSE(bom.error);
    EXPECT_EQ(bom.rules.size(), 1U);
}

TEST(RulesFile, BadRulesAreErrorsWithTheirLine) {
    struct Case {
        const char* rule;
        const char* error;
    };
    const Case cases[] = {
        {"warning distance_km > 1", "unknown severity \"warning\" (info or attention)"},
        {"attention distance > 1", "unknown figure \"distance\""},
        {"attention distance_km > 2,5", "bad number \"2,5\" (write a decimal point, such as 2.5)"},
        {"attention distance_km > 1e5", "bad number \"1e5\" (write a decimal point, such as 2.5)"},
        {"attention distance_km > nan", "bad number \"nan\" (write a decimal point, such as 2.5)"},
        {"attention distance_km > inf", "bad number \"inf\" (write a decimal point, such as 2.5)"},
        {"attention distance_km => 1", "a comparison (>, >=, < or <=) was expected, not \"=>\""},
        {"attention distance_km", "the rule ends before its comparison (>, >=, < or <=)"},
        {"attention", "the rule ends before its figure"},
        {"attention distance_km >", "the rule ends before its number"},
        {"attention distance_km > 1 %", "\"%\" belongs after the number of a share only"},
        {"attention overload_km share nothing > 1 %", "unknown figure \"nothing\""},
        {"attention change recent_km > 1",
         "\"recent_km\" sums the last 14000 km and has no change since the last visit"},
        {"attention abs_events > 1 message loud", "unknown message \"loud\""},
        {"attention abs_events > 1 message", "the rule ends before its message"},
        {"attention abs_events > 1 or more", "\"or\" after the end of the rule"},
        {"attention abs\x01_events > 1", "unknown figure \"abs\\x01_events\""},
    };
    for (const Case& c : cases) {
        const auto parse = parseRules(std::string("info distance_km > 0\n# comment\n") + c.rule);
        ASSERT_TRUE(parse.error) << c.rule;
        EXPECT_EQ(parse.error->line, 3) << c.rule;
        EXPECT_EQ(parse.error->message, c.error) << c.rule;
        EXPECT_TRUE(parse.rules.empty()) << c.rule;
    }
}

TEST(RulesFile, RulesThatHoldAlwaysOrNeverAreTakenWithAWarning) {
    const auto parse = parseRules(
        "info distance_km >= 0\nattention abs_events > -1\n"
        "info rollover_events < 0\nattention abs_events > 0\n");
    ASSERT_FALSE(parse.error);
    EXPECT_EQ(parse.rules.size(), 4U);
    ASSERT_EQ(parse.warnings.size(), 3U);
    EXPECT_EQ(parse.warnings[0].line, 1);
    EXPECT_EQ(parse.warnings[0].message, "this rule holds for every download");
    EXPECT_EQ(parse.warnings[2].message, "this rule never holds");
    // It does hold for every download, also an empty one.
    EXPECT_EQ(evaluateFindings(parse.rules, computeFigures(hmtest::emptyImage()), nullptr).size(),
              2U);
}

TEST(RulesFile, UserFileOrTheDefaults) {
    hmtest::TempDir dir;
    hmtest::ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().string());
    const std::filesystem::path file = dir / "haulmetry" / "findings.conf";
    EXPECT_EQ(hm::figures::userRulesPath(), file.string());
    auto parse = hm::figures::loadRules("");
    EXPECT_FALSE(parse.error);
    EXPECT_EQ(parse.rules.size(), hm::figures::defaultRules().size());
    EXPECT_TRUE(parse.source.empty());

    std::filesystem::create_directories(file.parent_path());
    hmtest::writeFileText(file, "info abs_events > 3\n");
    parse = hm::figures::loadRules("");
    ASSERT_EQ(parse.rules.size(), 1U);
    EXPECT_EQ(parse.source, file.string());
    hmtest::writeFileText(file, "info abs_events > x\n");
    EXPECT_EQ(hm::figures::loadRules("").error->line, 1);

    // A file named on the command line must be there and be a text file.
    EXPECT_EQ(hm::figures::loadRules((dir / "missing.conf").string()).error->line, 0);
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_TRUE(hm::figures::loadRules((dir / "fifo").string()).error);
    hmtest::writeFileBytes(dir / "binary", {'i', 'n', 'f', 'o', 0, '>'});
    EXPECT_TRUE(hm::figures::loadRules((dir / "binary").string()).error);
}

// ---------------------------------------------------------------------------------------------
// The fleet against itself.

namespace {

// `count` trailers of 1000 km each with 0, 1, 2, ... ABS events.
std::vector<hm::figures::Figures> absFleet(int count) {
    std::vector<hm::figures::Figures> fleet;
    for (int i = 0; i < count; ++i) {
        hm::figures::Figures f;
        f.distanceKm = 1000;
        f.absEvents = static_cast<uint64_t>(i);
        fleet.push_back(f);
    }
    return fleet;
}

}  // namespace

TEST(FleetFigures, MedianAndNinetiethPercentilePerThousandKm) {
    std::vector<hm::figures::Figures> fleet = absFleet(10);
    hm::figures::Figures parked;  // no distance: no measure, not counted
    parked.absEvents = 50;
    fleet.push_back(parked);
    const auto stats = hm::figures::fleetStatistics(fleet);
    EXPECT_EQ(stats.trailers, 11U);
    const auto* abs = stats.of(FigureId::AbsEvents);
    ASSERT_NE(abs, nullptr);
    EXPECT_EQ(abs->trailers, 10U);
    EXPECT_DOUBLE_EQ(abs->median, 4.5);
    EXPECT_DOUBLE_EQ(abs->percentile90, 8.0);            // rank ceil(0.9 * 10) = 9 of 0..9
    EXPECT_EQ(stats.of(FigureId::DistanceKm), nullptr);  // distance is not compared

    const auto outlier = hm::figures::fleetFindings(fleet[9], stats);
    ASSERT_EQ(outlier.size(), 1U);
    EXPECT_EQ(outlier[0].severity, Severity::Attention);
    EXPECT_EQ(hm::figures::findingSentenceEnglish(outlier[0]),
              "abs_events: 9 (9.0 per 1000 km), above the fleet's 90th percentile of 8.0");
    EXPECT_TRUE(hm::figures::fleetFindings(fleet[8], stats).empty());
    EXPECT_TRUE(hm::figures::fleetFindings(parked, stats).empty());
    // Nine trailers are too few for a percentile to mean anything.
    const auto small = hm::figures::fleetStatistics(absFleet(9));
    EXPECT_TRUE(hm::figures::fleetFindings(absFleet(9)[8], small).empty());
}
