// Every reader of outside files refuses what is not a regular file, without blocking on a FIFO;
// file names that are not text are shown with their bytes escaped.
#include "platform/FileAccess.h"

#include <gtest/gtest.h>

#include <functional>

#include "ecusim/EcuMemory.h"
#include "fleetdata/DataFile.h"
#include "platform/Settings.h"
#include "support/HostileFiles.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Reads `path` with one of the program's readers; false with `reason` when refused.
using Reader = std::function<bool(const fs::path& path, std::string& reason)>;

bool readData(const fs::path& path, std::string& reason) {
    hm::FleetDataImage image;
    image.clear();
    const hm::DataFileRead read = hm::readDataFile(path, image);
    reason = read.reason;
    return read.ok();
}

bool readSettings(const fs::path& path, std::string& reason) {
    hm::Settings settings;
    settings.dataDirectory = "kept";
    const bool ok = hm::readSettingsFile(path, settings);
    reason = settings.dataDirectory == "kept" ? "" : "settings changed";
    return ok;
}

bool readVehicle(const fs::path& path, std::string& reason) {
    hm::ecusim::EcuMemory memory;
    return hm::ecusim::loadVehicleFile(path.string(), memory, reason);
}

TEST(FileAccess, ReadersRefuseFifosAndFoldersWithoutBlocking) {
    struct Case {
        const char* name;
        Reader reader;
        const char* reason;  // the settings reader reports no reason, it keeps its settings
    };
    const Case cases[] = {{"data file", readData, "is a FIFO, not a regular file"},
                          {"settings file", readSettings, ""},
                          {"vehicle file", readVehicle, "is a FIFO, not a regular file"}};
    for (const Case& c : cases) {
        for (const bool viaLink : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (viaLink ? " through a link" : ""));
            hmtest::TempDir dir;
            hmtest::makeFifo(dir / "fifo");
            fs::create_directory(dir / "folder");
            fs::create_symlink("fifo", dir / "link");
            const fs::path fifo = dir / (viaLink ? "link" : "fifo");
            bool ok = true;
            std::string reason;
            EXPECT_TRUE(
                hmtest::returnsWithoutBlocking(dir / "fifo", [&] { ok = c.reader(fifo, reason); }));
            EXPECT_FALSE(ok);
            EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
            if (*c.reason == '\0') {
                EXPECT_EQ(reason, "");
            }
            EXPECT_FALSE(c.reader(dir / "folder", reason));
        }
    }
}

TEST(FileAccess, PrintablePathEscapesWhatIsNotText) {
    const std::pair<std::string, std::string> cases[] = {
        {"/tmp/plain name.asc", "/tmp/plain name.asc"},
        {"caf\xC3\xA9.asc", "caf\xC3\xA9.asc"},        // UTF-8 stays
        {"caf\xE9.asc", "caf\\xE9.asc"},               // Latin-1 byte
        {"a\x1B]0;title\x07", "a\\x1B]0;title\\x07"},  // terminal controls
        {"\xC2\x9B"
         "2J",
         "\\xC2\\x9B2J"},                          // C1 control (CSI) in UTF-8
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},       // encoded surrogate
        {"\xF0\x9F\x9A\x9A", "\xF0\x9F\x9A\x9A"},  // four-byte character
        {"end\xC3", "end\\xC3"},                   // cut-off sequence
        {"line1\nline2", "line1\\x0Aline2"},       // a line feed ...
        {"line1\\x0Aline2", "line1\\\\x0Aline2"},  // ... and the text that showed as it
        {"abc\u202E"
         "fdp.exe",
         "abc\\xE2\\x80\\xAEfdp.exe"},  // right-to-left override
        {"\u2066x\u2069\u200E\u200F\u061C\u202A",
         "\\xE2\\x81\\xA6x\\xE2\\x81\\xA9\\xE2\\x80\\x8E"
         "\\xE2\\x80\\x8F\\xD8\\x9C\\xE2\\x80\\xAA"},
        {"\u2065\u202F", "\u2065\u202F"},  // neighbours of the controls stay
    };
    for (const auto& [bytes, shown] : cases) {
        EXPECT_EQ(hm::printablePath(bytes), shown);
    }
}

}  // namespace
