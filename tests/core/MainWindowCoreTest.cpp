#include <gtest/gtest.h>

#include "session/PortAccessWatch.h"
#include "support/FakeDevices.h"
#include "widgets/core/DialogUnitMath.h"

namespace {

TEST(DialogUnits, MapsEdgesWithTheFontBaseUnits) {
    const hm::DialogBaseUnits base{6, 13};
    EXPECT_EQ(hm::mapDialogRect(0, 0, 461, 263, base), (hm::PixelRect{0, 0, 692, 427}));
    EXPECT_EQ(hm::mapDialogRect(417, 139, 44, 30, base), (hm::PixelRect{626, 226, 66, 49}));
    // Adjacent controls (buttons 1022 and 1006) share their edge.
    const hm::PixelRect a = hm::mapDialogRect(417, 15, 44, 30, {7, 15});
    const hm::PixelRect b = hm::mapDialogRect(417, 46, 44, 30, {7, 15});
    EXPECT_EQ(a.top + a.height + 2, b.top);
    EXPECT_EQ(hm::mulDivRound(-3, 6, 4), -5);
    EXPECT_EQ(hm::averageCharWidth(52 * 6 + 25), 6);
    EXPECT_EQ(hm::averageCharWidth(52 * 6 + 26), 7);
    EXPECT_EQ(hm::averageCharWidth(0), 1);
}

// What the link reports about a port: table index, path and how its open went.
hm::ecu::PortAttempt attempt(int index, bool denied) {
    hm::ecu::PortAttempt a;
    a.index = index;
    a.port.number = index + 1;
    a.port.path = index == 0 ? "/dev/ttyUSB0" : "/dev/ttyS0";
    a.outcome = denied || index == 1 ? hm::ecu::AttemptOutcome::OpenFailed
                                     : hm::ecu::AttemptOutcome::NoAnswer;
    a.openError =
        denied ? hm::ecu::PortOpenError::AccessDenied
               : (index == 1 ? hm::ecu::PortOpenError::NotFound : hm::ecu::PortOpenError::None);
    return a;
}

TEST(PortAccessWatch, NamesTheAdapterAndExplainsRefusedPortsUntilTheyOpen) {
    hmtest::FakeDevices sys;
    sys.usbDevice("usb1/1-1", {{"idVendor", "0403"}, {"idProduct", "6001"}, {"serial", "FT9X"}});
    sys.tty("ttyUSB0", "usb1/1-1/1-1:1.0/ttyUSB0");
    hm::PortAccessWatch watch({"usb-FTDI_TTL232R-if00-port0", ""}, sys.config.sysClassTtyDir);
    watch.attempted(attempt(0, true));
    watch.attempted(attempt(1, false));  // not found: no hint for it
    ASSERT_EQ(watch.deniedPaths(), std::vector<std::string>{"/dev/ttyUSB0"});
    const std::string offline = watch.tooltipFor("Working Offline");
    EXPECT_EQ(offline.rfind("Working Offline\nNo permission to open /dev/ttyUSB0.", 0), 0u);
    EXPECT_NE(offline.find("'dialout' group"), std::string::npos);

    watch.attempted(attempt(0, false));
    EXPECT_TRUE(watch.deniedPaths().empty());
    EXPECT_EQ(watch.tooltipFor("COM 1 (/dev/ttyUSB0)"),
              "COM 1 (/dev/ttyUSB0)\nusb-FTDI_TTL232R-if00-port0\nUSB 0403:6001, serial FT9X");
    EXPECT_EQ(watch.tooltipFor("Trying To Connect..."), "Trying To Connect...");
}

}  // namespace
