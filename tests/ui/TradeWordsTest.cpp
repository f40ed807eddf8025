// What the stability page and the stability dialog's record summary say in each language: the
// speed in km/h and the signal states in the language's own words; English keeps the system's
// "kph", "ON" and "OFF".
#include <gtest/gtest.h>

#include <string>

#include "app/Language.h"
#include "fleetdata/FleetDataImage.h"
#include "fleetdata/StabilityRecord.h"
#include "print/core/PageLayout.h"
#include "support/SampleData.h"

namespace {

struct Case {
    const char* language;
    const char* speed;  // the sample record's 62
    const char* off;    // its red lamp signal (0)
    const char* on;     // its stop light power (non-zero)
};

TEST(TradeWords, StabilityPageAndSummaryInEveryLanguage) {
    hm::FleetDataImage image;
    image.clear();
    image.stabilityRecords[0] = hmtest::sampleRecord();
    image.stabilityRecordCount = 1;
    const Case cases[] = {
        {"en", "62 kph", "OFF", "ON"},          {"de", "62 km/h", "AUS", "EIN"},
        {"fr", "62 km/h", "INACTIF", "ACTIF"},  {"pl", "62 km/h", "WYŁ.", "WŁ."},
        {"nl", "62 km/h", "UIT", "AAN"},        {"es", "62 km/h", "INACTIVO", "ACTIVO"},
        {"it", "62 km/h", "INATTIVO", "ATTIVO"}};
    for (const Case& c : cases) {
        hm::setRequestedLanguage(QString::fromLatin1(c.language));
        QString error;
        ASSERT_TRUE(hm::installLanguage(error)) << error.toStdString();
        const auto cells = hm::stabilityCells(image, 0);
        ASSERT_EQ(cells.size(), 34u);
        EXPECT_EQ(cells[18].text, c.speed) << c.language;
        EXPECT_EQ(cells[25].text, c.off) << c.language;
        EXPECT_EQ(cells[31].text, c.on) << c.language;
        const std::string summary = hm::FormatRecordSummary(image, 0);
        EXPECT_NE(summary.find(std::string(": ") + c.speed + "\n"), std::string::npos)
            << c.language << ": " << summary;
    }
    hm::setRequestedLanguage(std::nullopt);
    hm::uninstallLanguage();
}

}  // namespace
