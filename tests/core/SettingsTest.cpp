#include <gtest/gtest.h>

#include "fleetdata/Settings.h"
#include "support/TestSupport.h"

using hm::Settings;

namespace {

Settings parsed(std::string_view text, std::string startDirectory = "start") {
    Settings s;
    s.dataDirectory = std::move(startDirectory);
    s.makeTextFile = true;  // reading always starts with both options off
    s.infoPopUp = true;
    hm::parseSettings(text, s);
    return s;
}

using hmtest::ScopedEnv;

}  // namespace

TEST(Settings, TextIsExactAndReadsBack) {
    Settings s;
    s.dataDirectory = "/home/ann/Trailers/";
    s.makeTextFile = true;
    const std::string text = hm::settingsText(s);
    EXPECT_EQ(text,
              "[HLM+]\r\n/home/ann/Trailers/\r\n[MAKE XL FILE]\r\nYes\r\n[INFO POP UP]\r\nNo");
    const Settings back = parsed(text);
    EXPECT_EQ(back.dataDirectory, s.dataDirectory);
    EXPECT_TRUE(back.makeTextFile);
    EXPECT_FALSE(back.infoPopUp);

    // Read then written again gives the same bytes, for a path longer than 512 bytes too and
    // for a folder with a ']' in its name.
    for (const std::string& dir :
         {std::string("/srv/data] old/"), "/d/" + std::string(900, 'x'), std::string()}) {
        s.dataDirectory = dir;
        s.makeTextFile = false;
        s.infoPopUp = true;
        hmtest::TempDir tmp;
        std::string error;
        ASSERT_TRUE(hm::writeSettingsFile(tmp / "cfg" / "h.ini", s, error)) << error;
        Settings read;
        ASSERT_TRUE(hm::readSettingsFile(tmp / "cfg" / "h.ini", read));
        EXPECT_EQ(read.dataDirectory, dir);
        EXPECT_FALSE(read.makeTextFile);
        EXPECT_TRUE(read.infoPopUp);
        ASSERT_TRUE(hm::writeSettingsFile(tmp / "again.ini", read, error));
        EXPECT_EQ(hmtest::readFileBytes(tmp / "again.ini"),
                  hmtest::readFileBytes(tmp / "cfg" / "h.ini"));
    }
}

TEST(Settings, OnlyPositionsAndTheExactWordYesCount) {
    // Marker names are not compared; "yes" in lower case is not Yes.
    Settings s = parsed("[ABCD]\r\nC:\\data\\\r\n[X]\r\nYes\r\n[Y]\r\nYesterday");
    EXPECT_EQ(s.dataDirectory, "C:\\data\\");
    EXPECT_TRUE(s.makeTextFile);
    EXPECT_TRUE(s.infoPopUp);
    s = parsed("[HLM+]\r\n/d/\r\n[MAKE XL FILE]\r\nyes\r\n[INFO POP UP]\r\nYES");
    EXPECT_FALSE(s.makeTextFile);
    EXPECT_FALSE(s.infoPopUp);
    // Unix line ends shift the positions: the option word loses its first character.
    s = parsed("[HLM+]\n/d/\n[MAKE XL FILE]\nYes\n[INFO POP UP]\nYes");
    EXPECT_FALSE(s.makeTextFile);
}

TEST(Settings, AnyContentIsReadSafely) {
    // Nothing the steps can find: the folder keeps its value, the options stay off.
    for (const std::string& text :
         {std::string(), std::string("[HLM"), std::string("[HLM+]\r\n"),
          std::string("no brackets at all, just text"), std::string(5000, '['),
          std::string(5000, ']'), std::string("[HLM+]\r\n]]]]"), std::string("\0\0\0[]", 6)}) {
        const Settings s = parsed(text, "keep");
        EXPECT_FALSE(s.makeTextFile);
        EXPECT_FALSE(s.infoPopUp);
        if (text.find('[', std::min<size_t>(8, text.size())) == std::string::npos) {
            EXPECT_EQ(s.dataDirectory, "keep");
        }
    }
    // A '[' right at the start of the folder text: the folder is empty, not a crash.
    EXPECT_EQ(parsed("[HLM+]\r\n[MAKE]\r\nYes").dataDirectory, "");
    EXPECT_TRUE(parsed("[HLM+]\r\n[MAKE]\r\nYes").makeTextFile);
    // Options beyond the read limit are not seen.
    const std::string farAway =
        "[HLM+]\r\n" + std::string(hm::kSettingsReadLimit, 'a') + "\r\n[M]\r\nYes\r\n[I]\r\nYes";
    EXPECT_FALSE(parsed(farAway).makeTextFile);

    std::string binary;
    for (int i = 0; i < 3000; ++i) {
        binary += static_cast<char>((i * 37 + 11) % 256);
    }
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "bin.ini", binary);
    Settings s;
    EXPECT_TRUE(hm::readSettingsFile(dir / "bin.ini", s));
    EXPECT_FALSE(hm::readSettingsFile(dir / "missing.ini", s));
    EXPECT_FALSE(hm::readSettingsFile(dir.path(), s));
}

TEST(Settings, LocationOfTheSettingsFileAndTheDefaultDataFolder) {
    hmtest::TempDir dir;
    ScopedEnv home("HOME", dir.path().string());
    ScopedEnv xdg("XDG_CONFIG_HOME", (dir / "config").string());
    const std::filesystem::path inConfig = dir / "config" / "haulmetry" / "haulmetry.ini";
    // An installed program, or a writable folder without a settings file: the config folder.
    EXPECT_EQ(hm::settingsPathFor("/nonexistent-folder/bin/haulmetry"), inConfig);
    EXPECT_EQ(hm::settingsPathFor(dir / "haulmetry"), inConfig);
    // A portable copy: the settings file beside the executable exists and may be rewritten.
    hmtest::writeFileText(dir / "haulmetry.ini", "");
    EXPECT_EQ(hm::settingsPathFor(dir / "haulmetry"), dir / "haulmetry.ini");
    EXPECT_EQ(hm::settingsPathFor(dir / "haulmetry.bin"), dir / "haulmetry.ini");
    {
        ScopedEnv relative("XDG_CONFIG_HOME", "relative/ignored");
        EXPECT_EQ(hm::settingsPathFor("/nonexistent-folder/bin/haulmetry"),
                  dir / ".config" / "haulmetry" / "haulmetry.ini");
    }

    // Data: the XDG documents folder, which xdg-user-dirs may have localised.
    EXPECT_EQ(hm::defaultDataDirectory(),
              (dir / "Documents" / "Haulmetry" / "Vehicle Data Files").string());
    const struct {
        const char* line;
        std::filesystem::path documents;
    } cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", dir / "Dokumente"},
        {"XDG_DOCUMENTS_DIR=\"/srv/docs\"", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"", dir / "Documents"},     // disabled: the fallback
        {"XDG_DOCUMENTS_DIR=\"relative\"", dir / "Documents"},  // not a path we can use
        {"# XDG_DOCUMENTS_DIR=\"/commented\"", dir / "Documents"},
    };
    std::filesystem::create_directories(dir / "config");
    for (const auto& c : cases) {
        hmtest::writeFileText(dir / "config" / "user-dirs.dirs",
                              std::string("XDG_DESKTOP_DIR=\"$HOME/Desk\"\n") + c.line + "\n");
        EXPECT_EQ(hm::defaultDataDirectory(),
                  (c.documents / "Haulmetry" / "Vehicle Data Files").string())
            << c.line;
    }
}
