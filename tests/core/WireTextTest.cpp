// Bytes from the line as terminal text and hex, and the reasons given for failed opens.
#include <gtest/gtest.h>
#include <unistd.h>

#include "ecu/SerialPort.h"
#include "ecu/WireText.h"
#include "support/TestSupport.h"

using namespace hm::ecu;

namespace {

TEST(WireText, ControlAndNonAsciiBytesAreEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"1HAULTEST00000042", "1HAULTEST00000042"},
        {"\x1b]0;owned\x07", "\\x1B]0;owned\\x07"},
        {std::string("B\0"
                     "37",
                     4),
         "B\\x0037"},
        {"caf\xc3\xa9 \x7f~", "caf\\xC3\\xA9 \\x7F~"},
        {"a\\b", "a\\b"},
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(printableText(raw), shown);
        EXPECT_EQ(isPrintableText(raw), raw == shown);
    }
    const uint8_t frame[] = {0x03, 0x1A, 0x90, 0xAD};
    EXPECT_EQ(hexBytes(frame, sizeof frame), "03 1A 90 AD");
    EXPECT_EQ(hexBytes(frame, 0), "");
}

TEST(WireText, OpenFailuresNameTheirReason) {
    hmtest::TempDir dir;
    const std::string device = (dir / "ttyHM0").string();
    hmtest::writeFileText(device, "");
    EXPECT_EQ(describeOpenFailure(device, PortOpenError::SetupFailed, ENOTTY),
              "not a terminal (not a serial device)");
    EXPECT_EQ(describeOpenFailure(device, PortOpenError::Busy, EWOULDBLOCK),
              "busy: in use by another program");
    EXPECT_EQ(describeOpenFailure(device, PortOpenError::NotFound, ENOENT), "no such device");

    // A device of group 20 (dialout on Debian) names the group to join.
    if (::chown(device.c_str(), static_cast<uid_t>(-1), 20) != 0) {
        GTEST_SKIP() << "cannot give the test device another group";
    }
    const std::string denied = describeOpenFailure(device, PortOpenError::AccessDenied, EACCES);
    EXPECT_NE(denied.find("permission denied: join the group '"), std::string::npos) << denied;
    EXPECT_NE(denied.find("sudo adduser $USER "), std::string::npos) << denied;
}

}  // namespace
