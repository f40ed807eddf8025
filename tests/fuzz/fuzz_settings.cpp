// libFuzzer target: settings text of any content, and the write/read round trip of what was read.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    hm::Settings settings;
    settings.dataDirectory = "start";
    hm::parseSettings(text, settings);

    // Any folder of one line (no line feed, no zero byte) that fits the read limit survives a
    // write and a read, brackets and all.
    const std::string& dir = settings.dataDirectory;
    if (dir.find('\n') == std::string::npos && dir.find('\0') == std::string::npos &&
        dir.size() + 64 < hm::kSettingsReadLimit) {
        hm::Settings back;
        hm::parseSettings(hm::settingsText(settings), back);
        if (back.dataDirectory != settings.dataDirectory ||
            back.makeTextFile != settings.makeTextFile || back.infoPopUp != settings.infoPopUp) {
            std::abort();
        }
    }
    return 0;
}
