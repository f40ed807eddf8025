// Finding the adapter without hardware: the device folder watcher on a scratch folder, the USB
// facts of a fake sysfs tree, and the per-port lines of a failed pass.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "ecu/PortAttemptText.h"
#include "ecu/PortWatcher.h"
#include "ecu/UsbAdapterInfo.h"
#include "support/FakeDevices.h"

namespace fs = std::filesystem;
using namespace hm::ecu;

namespace {

using Changes = std::vector<std::pair<std::string, bool>>;  // name, appeared

Changes namesOf(const std::vector<PortWatcher::Change>& changes) {
    Changes out;
    for (const auto& c : changes) {
        out.emplace_back(fs::path(c.path).filename().string(), c.appeared);
    }
    return out;
}

TEST(PortWatcher, ReportsSerialNamesComingAndGoing) {
    hmtest::FakeDevices fake;
    PortWatcher watcher(fake.config);
    ASSERT_TRUE(watcher.active());
    EXPECT_TRUE(watcher.takeChanges().empty());

    const fs::path dev = fake.dir / "dev";
    const struct {
        std::function<void()> act;
        Changes expected;
    } steps[] = {
        {[&] { fs::create_symlink("/nonexistent/pts", dev / "ttyUSB0"); }, {{"ttyUSB0", true}}},
        {[&] { hmtest::writeFileText(dev / "ttyACM12", ""); }, {{"ttyACM12", true}}},
        {[&] {
             for (const char* name : {"ttyUSB", "ttyUSBx", "tty0", "console", "ttyS1234567"}) {
                 hmtest::writeFileText(dev / name, "");
             }
             fs::create_directories(dev / "pts");
         },
         {}},
        {[&] { fs::rename(dev / "ttyUSB0", dev / "ttyUSB5"); },
         {{"ttyUSB0", false}, {"ttyUSB5", true}}},
        {[&] { fs::remove(dev / "ttyACM12"); }, {{"ttyACM12", false}}},
        {[&] { fs::create_symlink("../../ttyUSB5", dev / "serial/by-id/usb-FTDI_FT232R-if00"); },
         {{"usb-FTDI_FT232R-if00", true}}},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].act();
        EXPECT_EQ(namesOf(watcher.takeChanges()), steps[i].expected) << "step " << i;
    }
    EXPECT_FALSE(watcher.overflowed());

    // The watched folder itself goes away: its entries leave, then nothing more is reported.
    fs::remove_all(dev);
    for (const auto& change : watcher.takeChanges()) {
        EXPECT_FALSE(change.appeared) << change.path;
    }
    fs::create_directories(dev);
    hmtest::writeFileText(dev / "ttyUSB1", "");
    EXPECT_TRUE(watcher.takeChanges().empty());
}

TEST(PortWatcher, AbsentDeviceFolderLeavesItInactive) {
    hmtest::TempDir dir;
    PortScanConfig config;
    config.devDir = (dir / "nowhere").string();
    config.byIdDir = (dir / "nowhere/serial/by-id").string();
    PortWatcher watcher(config);
    EXPECT_FALSE(watcher.active());
    EXPECT_EQ(watcher.fd(), -1);
    EXPECT_TRUE(watcher.takeChanges().empty());
}

TEST(UsbAdapterInfo, ReadsTheUsbDeviceAboveTheTty) {
    hmtest::FakeDevices sys;
    sys.usbDevice("pci0/usb1/1-1", {{"idVendor", "0403"},
                                    {"idProduct", "6001"},
                                    {"manufacturer", "FTDI"},
                                    {"product", " FT232R USB UART \x1b[2J"},
                                    {"serial", "A50285BI"}});
    sys.tty("ttyUSB0",
            "pci0/usb1/1-1/1-1:1.0/ttyUSB0");  // usb-serial: the port below the interface
    sys.usbDevice("pci0/usb1/1-2", {{"idVendor", "2341"}, {"idProduct", "0043"}});
    sys.tty("ttyACM0", "pci0/usb1/1-2/1-2:1.0");  // CDC ACM: the interface itself
    sys.tty("ttyS0", "platform/serial8250");
    hmtest::writeFileText(sys.dir / "dev/ttyUSB0", "");
    fs::create_symlink("../../ttyUSB0", sys.dir / "dev/serial/by-id/usb-FTDI-if00-port0");

    const std::pair<std::string, std::string> cases[] = {
        {"/dev/ttyUSB0", "USB 0403:6001 FTDI FT232R USB UART \\x1B[2J, serial A50285BI"},
        {(sys.dir / "dev/serial/by-id/usb-FTDI-if00-port0").string(),
         "USB 0403:6001 FTDI FT232R USB UART \\x1B[2J, serial A50285BI"},
        {"/dev/ttyACM0", "USB 2341:0043"},
        {"/dev/ttyS0", ""},
        {"/dev/ttyUSB7", ""},
    };
    for (const auto& [path, text] : cases) {
        EXPECT_EQ(describeUsbAdapter(usbAdapterInfo(path, sys.config.sysClassTtyDir)), text)
            << path;
    }
    const UsbAdapterInfo acm = usbAdapterInfo("/dev/ttyACM0", sys.config.sysClassTtyDir);
    EXPECT_TRUE(acm.known());
    EXPECT_TRUE(acm.manufacturer.empty() && acm.serial.empty());
}

PortAttempt attempt(int number, const std::string& path, AttemptOutcome outcome,
                    PortOpenError error = PortOpenError::None, int err = 0, int badFrames = 0) {
    PortAttempt a;
    a.port.number = number;
    a.port.path = path;
    a.outcome = outcome;
    a.openError = error;
    a.openErrno = err;
    a.badFrames = badFrames;
    return a;
}

TEST(PortAttemptText, EachOutcomeHasItsLine) {
    hmtest::TempDir dir;
    const std::string file = (dir / "ttyUSB0").string();
    hmtest::writeFileText(file, "");
    using O = AttemptOutcome;
    const std::string badBaud = " with a bad checksum (wrong baud rate or a noisy line?)";
    const std::pair<PortAttempt, std::string> cases[] = {
        {attempt(1, "/dev/ttyS0", O::NoAnswer), "COM 1 /dev/ttyS0: no answer"},
        {attempt(2, "/dev/ttyUSB1", O::BadFrames, PortOpenError::None, 0, 3),
         "COM 2 /dev/ttyUSB1: no valid answer; 3 answers" + badBaud},
        {attempt(3, "/dev/ttyUSB2", O::HungUp, PortOpenError::None, 0, 1),
         "COM 3 /dev/ttyUSB2: the line hung up (adapter unplugged?); 1 answer" + badBaud},
        {attempt(4, "/tmp/n\x1b", O::OpenFailed, PortOpenError::NotFound, ENOENT),
         "COM 4 /tmp/n\\x1B: no such device (unplugged?)"},
        {attempt(5, file, O::OpenFailed, PortOpenError::Busy, EWOULDBLOCK),
         "COM 5 " + file + ": busy: in use by another program"},
        {attempt(6, "/dev/ttyACM0", O::NoReader),
         "COM 6 /dev/ttyACM0: opened, but it could not be read"},
        {attempt(7, "/dev/ttyUSB3", O::Connected), "COM 7 /dev/ttyUSB3: the ECU answered"},
    };
    std::vector<PortAttempt> all;
    std::string lines;
    for (const auto& [tried, line] : cases) {
        EXPECT_EQ(describePortAttempt(tried), line);
        all.push_back(tried);
        lines += (lines.empty() ? "" : "\n") + line;
    }
    EXPECT_EQ(describePortAttempts(all), lines);
    EXPECT_EQ(describePortAttempts({}), "No serial port was found.");
}

// The ports left out are grouped by reason, and a long list is cut short.
TEST(PortAttemptText, LeftOutPortsOneLinePerReason) {
    EXPECT_EQ(describeLeftOutPorts({}), "");
    std::vector<LeftOutPort> leftOut;
    for (int n = 0; n < 22; ++n) {
        leftOut.push_back({"/dev/ttyS" + std::to_string(n), "no UART"});
        if (n == 1) {
            leftOut.push_back({"/d/ttyS\x1b", "the kernel's console"});
        }
    }
    std::string uarts;
    for (int n = 0; n < 20; ++n) {
        uarts += (n == 0 ? " " : ", ") + std::string("/dev/ttyS") + std::to_string(n);
    }
    EXPECT_EQ(describeLeftOutPorts(leftOut), "Not tried, no UART:" + uarts +
                                                 " and 2 more\nNot tried, the kernel's console: "
                                                 "/d/ttyS\\x1B");
}

}  // namespace
