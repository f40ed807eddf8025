#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "platform/DataFolder.h"
#include "platform/Settings.h"
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
         {std::string("/srv/data] old/"), std::string("/home/u/data [2024]/"),
          std::string("/a/[MAKE XL FILE]/b/"), std::string("[2024]"), std::string("[MAKE XL FILE]"),
          std::string("/x/ [Yes] /"), "/d/" + std::string(900, 'x'), std::string()}) {
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
    // Linux line ends read the same, also mixed with "\r\n".
    s = parsed("[HLM+]\n/d [1]/\n[MAKE XL FILE]\nYes\n[INFO POP UP]\r\nYes\n");
    EXPECT_EQ(s.dataDirectory, "/d [1]/");
    EXPECT_TRUE(s.makeTextFile);
    EXPECT_TRUE(s.infoPopUp);
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
    // The folder line is the folder even in brackets; an empty one is the default folder.
    EXPECT_EQ(parsed("[HLM+]\r\n[MAKE]\r\n[M]\r\nYes").dataDirectory, "[MAKE]");
    EXPECT_TRUE(parsed("[HLM+]\r\n[MAKE]\r\n[M]\r\nYes").makeTextFile);
    EXPECT_EQ(parsed("[HLM+]\r\n\r\n[MAKE XL FILE]\r\nYes").dataDirectory, "");
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

TEST(Settings, LocationOfTheSettingsFile) {
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
}

TEST(DataFolder, DocumentsFolderFromTheUserDirectories) {
    hmtest::TempDir dir;
    ScopedEnv home("HOME", dir.path().string());
    ScopedEnv xdg("XDG_CONFIG_HOME", (dir / "cfg").string());
    const std::string h = dir.path().string();
    struct Case {
        const char* dirsFile;  // nullptr: no user-dirs file
        std::string documents;
    };
    const Case cases[] = {
        {nullptr, h + "/Documents"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
         h + "/Dokumente"},
        {"# comment\nXDG_DOCUMENTS_DIR=\"/srv/docs/\"\n", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"", h + "/My \"Docs\""},
        // Relative, unquoted or unterminated values are not used.
        {"XDG_DOCUMENTS_DIR=\"docs\"\n", h + "/Documents"},
        {"XDG_DOCUMENTS_DIR=$HOME/x\n", h + "/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/x\n", h + "/Documents"},
        {"XDG_DOCUMENTS_DIRX=\"/elsewhere\"\n", h + "/Documents"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir / "cfg");
        if (c.dirsFile != nullptr) {
            std::filesystem::create_directories(dir / "cfg");
            hmtest::writeFileText(dir / "cfg" / "user-dirs.dirs", c.dirsFile);
        }
        EXPECT_EQ(hm::userDocumentsDirectory(), c.documents) << (c.dirsFile ? c.dirsFile : "none");
        EXPECT_EQ(hm::defaultDataDirectory(), c.documents + "/Haulmetry/Vehicle Data Files/");
    }
    // A FIFO in place of the file is not read (it would block).
    std::filesystem::remove_all(dir / "cfg");
    std::filesystem::create_directories(dir / "cfg");
    ASSERT_EQ(::mkfifo((dir / "cfg" / "user-dirs.dirs").c_str(), 0600), 0);
    EXPECT_EQ(hm::userDocumentsDirectory(), h + "/Documents");
}
