// Numbers in every text the core makes read the same in a locale whose decimal separator is a
// comma (the window program runs in the user's locale): the shared printf helper, and through it
// graph values, record summaries and the export (e2e/locale_numbers.sh checks every command).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "fleetdata/StabilityRecord.h"
#include "graphs/GraphDisplay.h"  // formatValue
#include "platform/PrintfText.h"
#include "report/core/FleetExport.h"
#include "support/CommaLocale.h"
#include "support/SampleData.h"

namespace hm {
namespace {

FleetDataImage imageWithRecord() {
    FleetDataImage image{};
    image.clear();
    image.stabilityRecords[0] = hmtest::sampleRecord();
    image.stabilityRecords[0].stabilitySensorOutput = -128;
    image.stabilityRecordCount = 1;
    image.brakeCountByPressure[3] = 4;
    image.brakeTimeByPressure[3] = 1000;
    return image;
}

TEST(LocaleNumbers, TextsAreTheSameUnderACommaLocale) {
    const FleetDataImage image = imageWithRecord();
    const std::vector<std::function<std::string()>> texts = {
        [] { return printfText("%2.2f %g %.10g %e", 1.25, 0.5, 2.5, 1e-3); },
        [] { return formatValue("%2.1f", 0.5); },
        [] { return rangeNumber(3.5); },
        [&] { return FormatRecordSummary(image, 0); },
        [&] { return exportJson(image, "a.asc"); },
    };
    std::vector<std::string> inC;
    for (const auto& text : texts) {
        inC.push_back(text());
    }
    EXPECT_EQ(inC[0], "1.25 0.5 2.5 1.000000e-03");
    EXPECT_NE(inC[3].find("-1.28g"), std::string::npos) << inC[3];

    const hmtest::ScopedCommaLocale comma;
    if (!comma.available()) {
        GTEST_SKIP() << comma.why();
    }
    char probe[8];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5");  // the locale really writes a comma
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i](), inC[i]) << "text " << i;
    }
}

}  // namespace
}  // namespace hm
