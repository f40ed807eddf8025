// The library settings file written back and the workshop identity read from it: other lines
// kept byte for byte, the file rules on writing (symbolic link, FIFO, another user's, too long,
// modes), and the logo check over hostile files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <string>

#include "library/LibraryLocation.h"
#include "library/LibrarySettingsFile.h"
#include "library/WorkshopIdentity.h"
#include "support/HostileFiles.h"
#include "support/TestSupport.h"

namespace {

using namespace hm::library;
using namespace std::string_literals;
namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    const std::vector<uint8_t> bytes = hmtest::readFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

mode_t modeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

// A configuration folder of its own, with the library settings file's path.
struct ConfigFolder {
    hmtest::TempDir dir;
    hmtest::ScopedEnv config{"XDG_CONFIG_HOME", (dir / "config").string()};
    fs::path conf = dir / "config/haulmetry/library.conf";
    void write(const std::string& text,
               fs::perms perms = fs::perms::owner_read | fs::perms::owner_write) {
        fs::create_directories(conf.parent_path());
        hmtest::writeFileText(conf, text);
        fs::permissions(conf, perms);
    }
};

TEST(LibrarySettings, WritingKeepsEveryOtherLineByteForByte) {
    const struct {
        const char* what;
        std::string before;
        SettingLines values;
        std::string after;
    } cases[] = {
        {"comments, other keys and odd lines stay; the key is changed in its place",
         "# fleet\nworkshop=North\nno equals sign\n=empty key\nworkshop_name=Old\nsslmode=require",
         {{"workshop_name", "New"}},
         "# fleet\nworkshop=North\nno equals sign\n=empty key\nworkshop_name=New\nsslmode=require"},
        {"a new key goes at the end, after a last line without a line end",
         "library=/srv/a.sqlite",
         {{"workshop_phone", "+49 40 1"}},
         "library=/srv/a.sqlite\nworkshop_phone=+49 40 1\n"},
        {"CRLF files stay CRLF, also for changed and added lines",
         "library=x\r\nworkshop_name=A\r\n",
         {{"workshop_name", "B"}, {"workshop_logo", "/l.svg"}},
         "library=x\r\nworkshop_name=B\r\nworkshop_logo=/l.svg\r\n"},
        {"a second line of the key goes, an empty value removes the key",
         "workshop_name=A\nworkshop_logo=/x.png\nworkshop_name=B\n",
         {{"workshop_name", "C"}, {"workshop_logo", ""}},
         "workshop_name=C\n"},
        {"bytes that are no text are kept",
         "k=\xff\xfe\x01\nworkshop=\xe9t\xe9\n"s,
         {{"workshop_name", "N"}},
         "k=\xff\xfe\x01\nworkshop=\xe9t\xe9\nworkshop_name=N\n"s},
        {"an empty file gets the keys", "", {{"workshop_name", "N"}}, "workshop_name=N\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(withSettings(c.before, c.values), c.after) << c.what;
    }
}

TEST(LibrarySettings, IdentityRoundTripsThroughTheFileAndKeepsTheRoleName) {
    ConfigFolder folder;
    folder.write("workshop=shop_north\r\n# our server\r\nlibrary=/srv/fleet.sqlite\r\n");
    WorkshopIdentity identity;
    identity.name = "Brakes & Axles Ltd";
    identity.address = {"Dock 4", "C:\\not\\a\\line\\nbreak", "", "20457 Hamburg"};
    identity.phone = "+49 40 123";
    identity.logoPath = "/srv/logo.svg";
    std::string error;
    ASSERT_TRUE(writeLibrarySettings(identitySettings(identity), error)) << error;
    const WorkshopIdentity back = workshopIdentity();
    EXPECT_EQ(back.name, identity.name);
    EXPECT_EQ(back.address, identity.address);
    EXPECT_EQ(back.phone, identity.phone);
    EXPECT_EQ(back.logoPath, identity.logoPath);
    EXPECT_EQ(librarySetting("workshop"), "shop_north");
    EXPECT_EQ(librarySetting("library"), "/srv/fleet.sqlite");
    EXPECT_TRUE(fileText(folder.conf).starts_with("workshop=shop_north\r\n# our server\r\n"));
    // Line ends typed into a field never make a line of their own.
    identity.name = "Two\nlines";
    ASSERT_TRUE(writeLibrarySettings(identitySettings(identity), error)) << error;
    EXPECT_EQ(workshopIdentity().name, "Two lines");
    EXPECT_EQ(librarySetting("lines"), "");
}

TEST(LibrarySettings, ReadingIgnoresBadShapesAndRefusesHugeFiles) {
    ConfigFolder folder;
    EXPECT_TRUE(workshopIdentity().empty());  // no file
    folder.write(
        "\x00\x01garbage\nno equals\r\nworkshop_name=North\r\n"
        "workshop_address=a\\nb\\\\nc\r\n"s);
    const WorkshopIdentity identity = workshopIdentity();
    EXPECT_EQ(identity.name, "North");  // no '\r' left from the CRLF
    EXPECT_EQ(identity.address, (std::vector<std::string>{"a", "b\\nc"}));
    folder.write(std::string(kLibrarySettingsLimit + 1, '#') + "\nworkshop_name=Late\n");
    EXPECT_TRUE(workshopIdentity().empty());
    EXPECT_NE(librarySettingsProblem().find("longer than"), std::string::npos);
    // A file that is too long is not written either: what it holds would be lost.
    const std::string before = fileText(folder.conf);
    std::string error;
    EXPECT_FALSE(writeLibrarySettings({{"workshop_name", "X"}}, error));
    EXPECT_NE(error.find("longer than"), std::string::npos) << error;
    EXPECT_EQ(fileText(folder.conf), before);
}

TEST(LibrarySettings, WritingFollowsTheFileRules) {
    ConfigFolder folder;
    std::string error;
    // A new file (and folder) is the user's, readable by others while it holds no password.
    ASSERT_TRUE(writeLibrarySettings({{"workshop_name", "N"}}, error)) << error;
    EXPECT_EQ(modeOf(folder.conf), 0644u);
    // A password makes it 0600; the reader then takes it.
    ASSERT_TRUE(writeLibrarySettings({{"password", "pw"}}, error)) << error;
    EXPECT_EQ(modeOf(folder.conf), 0600u);
    EXPECT_EQ(librarySettingsProblem(), "");
    ASSERT_TRUE(
        writeLibrarySettings({{"library", "postgresql://a:pw@db/x"}, {"password", ""}}, error));
    EXPECT_EQ(modeOf(folder.conf), 0600u);
    // A file others may write loses that right when it is written.
    folder.write("workshop_name=N\n", fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read | fs::perms::group_write);
    ASSERT_TRUE(writeLibrarySettings({{"workshop_phone", "1"}}, error)) << error;
    EXPECT_EQ(modeOf(folder.conf), 0640u);
    // Values that would make lines of their own are refused.
    EXPECT_FALSE(writeLibrarySettings({{"workshop_name", "a\nlibrary=/evil"}}, error));
    EXPECT_FALSE(writeLibrarySettings({{"a=b", "c"}}, error));
    EXPECT_EQ(fileText(folder.conf), "workshop_name=N\nworkshop_phone=1\n");
}

TEST(LibrarySettings, WritingRefusesWhatIsNotTheUsersOwnFile) {
    ConfigFolder folder;
    fs::create_directories(folder.conf.parent_path());
    const fs::path target = folder.dir / "elsewhere.conf";
    hmtest::writeFileText(target, "library=/srv/a.sqlite\n");
    fs::create_symlink(target, folder.conf);
    std::string error;
    EXPECT_FALSE(writeLibrarySettings({{"workshop_name", "N"}}, error));
    EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
    EXPECT_EQ(fileText(target), "library=/srv/a.sqlite\n");
    EXPECT_TRUE(fs::is_symlink(folder.conf));
    fs::remove(folder.conf);

    hmtest::makeFifo(folder.conf);
    EXPECT_TRUE(hmtest::returnsWithoutBlocking(folder.conf, [&] {
        EXPECT_FALSE(writeLibrarySettings({{"workshop_name", "N"}}, error));
    }));
    EXPECT_NE(error.find("FIFO"), std::string::npos) << error;
    fs::remove(folder.conf);

    if (::geteuid() == 0) {  // only root can give a file away
        folder.write("workshop_name=Theirs\n");
        ASSERT_EQ(::chown(folder.conf.c_str(), 65534, 65534), 0);
        EXPECT_FALSE(writeLibrarySettings({{"workshop_name", "N"}}, error));
        EXPECT_NE(error.find("another user"), std::string::npos) << error;
        EXPECT_EQ(fileText(folder.conf), "workshop_name=Theirs\n");
    }
}

std::string pngBytes() {
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST(LibrarySettings, LogoCheckTakesPlainPicturesAndRefusesHostileFiles) {
    hmtest::TempDir dir;
    const std::string svgHead =
        "<?xml version=\"1.0\"?>\n<!-- logo -->\n<svg "
        "xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\">";
    const struct {
        const char* name;
        std::string content;
        const char* refusal;  // part of the reason; "" for a good logo
    } files[] = {
        {"good.png", pngBytes(), ""},
        {"good.svg",
         svgHead + "<defs><g id=\"a\"/></defs><use href=\"#a\"/><image "
                   "xlink:href=\"data:image/png;base64,iVBO\"/>"
                   "<rect style=\"fill:url(#g)\"/></svg>",
         ""},
        {"named.svg", pngBytes(), ""},  // the content counts, not the name
        {"text.png", "just some text\n", "neither a PNG nor an SVG"},
        {"html.svg", "<html><svg></svg></html>", "neither a PNG nor an SVG"},
        {"outside.svg", svgHead + "<image href=\"file:///etc/passwd\"/></svg>", "outside file"},
        {"xlink.svg", svgHead + "<image xlink:href = 'http://example.org/x.png'/></svg>",
         "outside file"},
        {"relative.svg", svgHead + "<use href=\"other.svg#a\"/></svg>", "outside file"},
        {"nested.svg", svgHead + "<image href=\"data:image/svg+xml,<svg/>\"/></svg>",
         "outside file"},
        {"entity.svg",
         "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
         "<svg>&x;</svg>",
         "entities"},
        {"dtd.svg",
         "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"http://x/svg11.dtd\">"
         "<svg/>",
         "document type"},
        {"script.svg", svgHead + "<SCRIPT>alert(1)</SCRIPT></svg>", "script"},
        {"onload.svg", svgHead + "<rect onload=\"alert(1)\"/></svg>", "event handler"},
        {"css.svg", svgHead + "<style>rect{fill:url( 'http://x/p.svg#g')}</style></svg>",
         "style refers"},
        {"import.svg", svgHead + "<style>@import url(x.css);</style></svg>", "style sheet"},
    };
    for (const auto& f : files) {
        hmtest::writeFileText(dir / f.name, f.content);
        const std::string problem = logoProblem((dir / f.name).string());
        if (*f.refusal == '\0') {
            EXPECT_EQ(problem, "") << f.name;
        } else {
            EXPECT_NE(problem.find(f.refusal), std::string::npos) << f.name << ": " << problem;
        }
    }
    // Missing, a folder, too large, a FIFO that must not be waited on.
    EXPECT_NE(logoProblem((dir / "missing.png").string()), "");
    EXPECT_NE(logoProblem(dir.path().string()).find("folder"), std::string::npos);
    hmtest::writeFileText(dir / "huge.png", pngBytes() + std::string(kLogoSizeLimit, '\0'));
    EXPECT_NE(logoProblem((dir / "huge.png").string()).find("larger than 2 MiB"),
              std::string::npos);
    hmtest::makeFifo(dir / "fifo.png");
    EXPECT_TRUE(hmtest::returnsWithoutBlocking(dir / "fifo.png", [&] {
        EXPECT_NE(logoProblem((dir / "fifo.png").string()).find("FIFO"), std::string::npos);
    }));
}

}  // namespace
