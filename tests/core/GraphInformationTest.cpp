#include <gtest/gtest.h>

#include <cstring>

#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphInformation.h"

using hm::FleetDataImage;
using hm::graphInformationTexts;
using hm::InterimValues;
using hm::interimValuesFor;

namespace {

constexpr const char* kNoInterim = "No Interim Data for this graph";

FleetDataImage imageWithInterimCounters() {
    FleetDataImage image;
    image.clear();
    image.brakeAppsByDistance[29] = 321;    // km in current interval
    image.slpBrakeAppsByDistance[29] = 37;  // interval count
    image.brakeAppsByDistance[28] = 11;
    image.slpBrakeAppsByDistance[28] = 4;
    image.absEventsByDistance[28] = 7;
    image.rolloverEventsByDistance[28] = 2;
    return image;
}

void expectDefaultRows(const hm::GraphInformationTexts& t, int from) {
    for (int row = from; row < hm::kInterimRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        EXPECT_EQ(t.labels[r], row == 0 ? kNoInterim : "---") << "row " << row;
        EXPECT_EQ(t.values[r], "---") << "row " << row;
    }
}

}  // namespace

TEST(GraphInformation, GraphSixShowsAllFourCounters) {
    const auto t = graphInformationTexts(interimValuesFor(imageWithInterimCounters(), 6));
    EXPECT_EQ(t.labels[0], "Number of 500km intervals");
    EXPECT_EQ(t.values[0], "37");
    EXPECT_EQ(t.labels[1], "Km(s) in current interval (0..500)");
    EXPECT_EQ(t.values[1], "321");
    EXPECT_EQ(t.labels[2], "Brake Apps in current interval");
    EXPECT_EQ(t.values[2], "11");
    EXPECT_EQ(t.labels[3], "SLP Brake Apps in current interval");
    EXPECT_EQ(t.values[3], "4");
    EXPECT_NE(t.explanation.find("24N supply"), std::string::npos);
}

TEST(GraphInformation, GraphSevenAndEightKeepTheFourthRowEmpty) {
    const FleetDataImage image = imageWithInterimCounters();
    const auto abs = graphInformationTexts(interimValuesFor(image, 7));
    EXPECT_EQ(abs.values[0], "37");
    EXPECT_EQ(abs.values[1], "321");
    EXPECT_EQ(abs.labels[2], "ABS Events in current interval");
    EXPECT_EQ(abs.values[2], "7");
    expectDefaultRows(abs, 3);
    EXPECT_EQ(abs.explanation.rfind("The data shows the total number of ABS events", 0), 0u);

    const auto roll = graphInformationTexts(interimValuesFor(image, 8));
    EXPECT_EQ(roll.labels[2], "Rollover Events in current interval");
    EXPECT_EQ(roll.values[2], "2");
    expectDefaultRows(roll, 3);
}

TEST(GraphInformation, OtherGraphsShowDefaultsAndTheirExplanation) {
    const FleetDataImage image = imageWithInterimCounters();
    for (int graph : {1, 2, 3, 4, 5, 9, 10}) {
        const InterimValues v = interimValuesFor(image, graph);
        // The counters of graphs 6..8 are not copied for the others.
        EXPECT_EQ(v.kmInCurrentInterval, 0) << graph;
        EXPECT_EQ(v.intervalCount, 0) << graph;
        const auto t = graphInformationTexts(v);
        expectDefaultRows(t, 0);
        EXPECT_FALSE(t.explanation.empty()) << graph;
    }
    EXPECT_EQ(graphInformationTexts(interimValuesFor(image, 2))
                  .explanation.rfind("For each brake application, the peak demand pressure", 0),
              0u);
    EXPECT_EQ(graphInformationTexts(interimValuesFor(image, 10))
                  .explanation.rfind("The data shows the how the reservoir pressure", 0),
              0u);
    for (int graph : {0, 11, -1}) {
        const auto t = graphInformationTexts(interimValuesFor(image, graph));
        EXPECT_TRUE(t.explanation.empty()) << graph;
        expectDefaultRows(t, 0);
    }
}

TEST(GraphInformation, ValuesAreSignedDecimalsWithoutPadding) {
    FleetDataImage image = imageWithInterimCounters();
    image.slpBrakeAppsByDistance[29] = 0xFFFFFFFFu;  // shown through the dialog's int
    image.brakeAppsByDistance[29] = 0;
    image.absEventsByDistance[28] = 500;
    const auto t = graphInformationTexts(interimValuesFor(image, 7));
    EXPECT_EQ(t.values[0], "-1");
    EXPECT_EQ(t.values[1], "0");
    EXPECT_EQ(t.values[2], "500");
}
