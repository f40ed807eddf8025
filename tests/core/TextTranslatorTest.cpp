// The string table's translator hook: the texts people read change with the installed language,
// what is data (exports, the text export, the fleet table) stays English whatever is installed.
#include <gtest/gtest.h>

#include <string>

#include "fleetdata/FleetDataImage.h"
#include "fleetdata/TextExport.h"
#include "report/core/FleetExport.h"
#include "report/core/FleetTable.h"
#include "resources/Strings.h"
#include "support/SampleData.h"

namespace hm {
namespace {

// Marks every text, so that a translated text anywhere in the output is seen.
std::string markingTranslator(const char* context, const char* disambiguation,
                              const char* english) {
    std::string text = std::string("<") + context + "|" +
                       (disambiguation != nullptr ? disambiguation : "") + "> " + english;
    return text;
}

struct Installed {
    explicit Installed(TextTranslator t) { setTextTranslator(t); }
    ~Installed() { setTextTranslator(nullptr); }
};

FleetDataImage sampleImage() {
    FleetDataImage image;
    image.clear();
    for (int g = 0; g < 16; ++g) {
        image.brakeCountByPressure[g] = static_cast<uint32_t>(7 * g + 1);
    }
    image.stabilityRecords[0] = hmtest::sampleRecord();
    image.stabilityRecordCount = 1;
    return image;
}

TEST(TextTranslator, TableTextsFollowTheInstalledLanguageByTheirOwnId) {
    const std::string english(str(sid::kTipClose));
    {
        Installed on(&markingTranslator);
        // The id is the disambiguation: two ids with one English text stay apart.
        EXPECT_EQ(str(sid::kTipClose), "<hm::str|239> " + english);
        EXPECT_EQ(str(219), "<hm::str|219> (Bar)");
        EXPECT_EQ(str(224), "<hm::str|224> (Bar)");
        EXPECT_EQ(englishStr(sid::kTipClose), english);
        EXPECT_EQ(str(99999), "");
        EXPECT_EQ(translate("ctx", "text"), "<ctx|> text");
    }
    EXPECT_EQ(str(sid::kTipClose), english);
    EXPECT_EQ(translate("ctx", "text"), "text");
    for (int id : stringIds()) {
        EXPECT_EQ(str(id), englishStr(id)) << id;
    }
}

TEST(TextTranslator, DataOutputStaysEnglishInEveryLanguage) {
    const FleetDataImage image = sampleImage();
    const auto outputs = [&image] {
        const TextExportBuffer text = formatTextExport(image);
        return std::string(exportCsv(image, "a.asc") + exportJson(image, "a.asc") +
                           fleetTableCsvRow("a.asc", image) + fleetTableJsonRow("a.asc", image) +
                           textExportFileBytes(text));
    };
    const std::string english = outputs();
    Installed on(&markingTranslator);
    EXPECT_EQ(outputs(), english);
}

}  // namespace
}  // namespace hm
