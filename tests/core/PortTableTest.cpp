#include <gtest/gtest.h>

#include <filesystem>

#include "ecu/PortTable.h"
#include "support/FakeDevices.h"

namespace fs = std::filesystem;
using hm::ecu::EnumeratePorts;
using hm::ecu::LeftOutPort;
using hm::ecu::PortChanges;
using hm::ecu::PortScanConfig;
using hmtest::FakeDevices;

namespace {

std::vector<std::string> paths(const std::vector<hm::ecu::PortEntry>& table) {
    std::vector<std::string> out;
    for (const auto& e : table) {
        out.push_back(fs::path(e.path).filename().string());
    }
    return out;
}

}  // namespace

TEST(PortTable, UsbThenAcmThenRealUartsInNumberOrderThenExtraPaths) {
    FakeDevices fake;
    fake.device("ttyUSB10", "/dev/full");
    fake.device("ttyUSB2", "/dev/zero");
    fake.device("ttyACM0", "/dev/random");
    fake.device("ttyS0", "/dev/urandom");  // no UART behind it
    fake.uartType("ttyS0", "0");
    fake.device("ttyS1", "/dev/null");
    fake.uartType("ttyS1", "4");
    hmtest::writeFileText(fake.dir / "dev/ttyUSB3", "not a device");
    fake.device("ttyUSBx", "/dev/tty");  // not a numbered name
    fs::create_symlink("../../ttyUSB10", fake.dir / "dev/serial/by-id/usb-FTDI_FT232R-if00");
    fake.config.extraPaths = {"/nonexistent/ecu", (fake.dir / "dev/ttyUSB2").string()};

    const auto table = EnumeratePorts(fake.config);
    EXPECT_EQ(paths(table),
              (std::vector<std::string>{"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyS1", "ecu"}));
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].number, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(table[1].byIdName, "usb-FTDI_FT232R-if00");
    EXPECT_TRUE(table[0].byIdName.empty());
    EXPECT_TRUE(table[4].extra);  // an absent extra path is listed; opening it fails later
}

TEST(PortTable, NoDevicesGivesAnEmptyTableAndAtMost255Entries) {
    FakeDevices fake;
    EXPECT_TRUE(EnumeratePorts(fake.config).empty());

    for (int i = 0; i < 300; ++i) {
        fake.config.extraPaths.push_back("/nonexistent/port" + std::to_string(i));
    }
    fake.config.extraPaths.push_back("/nonexistent/port299");  // twice: named once
    std::vector<std::string> notUsed;
    const auto table = EnumeratePorts(fake.config, notUsed);
    ASSERT_EQ(table.size(), 255u);
    EXPECT_EQ(table.back().number, 255);
    EXPECT_EQ(table.back().path, "/nonexistent/port254");
    ASSERT_EQ(notUsed.size(), 45u);
    EXPECT_EQ(notUsed.front(), "/nonexistent/port255");
    EXPECT_EQ(notUsed.back(), "/nonexistent/port299");
}

TEST(PortTable, EnvironmentListIsColonSeparated) {
    EXPECT_EQ(hm::ecu::splitPortList("/dev/a::/tmp/b:"),
              (std::vector<std::string>{"/dev/a", "/tmp/b"}));
    EXPECT_TRUE(hm::ecu::splitPortList("").empty());
}

TEST(PortTable, FirstPathsLeadAndLaterDevicesAreAppendedWithoutRenumbering) {
    FakeDevices fake;
    fake.device("ttyUSB0", "/dev/zero");
    fake.config.firstPaths = {"/nonexistent/ecu", (fake.dir / "dev/ttyUSB0").string()};
    fake.config.extraPaths = {"/nonexistent/late"};
    auto table = EnumeratePorts(fake.config);
    EXPECT_EQ(paths(table), (std::vector<std::string>{"ecu", "ttyUSB0", "late"}));
    EXPECT_TRUE(table[1].extra);  // listed once, where the user put it

    // An adapter plugged in later, and the by-id link udev makes for the one already listed.
    fake.device("ttyACM0", "/dev/random");
    fs::create_symlink("../../ttyUSB0", fake.dir / "dev/serial/by-id/usb-FTDI-if00-port0");
    EXPECT_EQ(hm::ecu::mergeNewPorts(table, EnumeratePorts(fake.config)), 1);
    EXPECT_EQ(paths(table), (std::vector<std::string>{"ecu", "ttyUSB0", "late", "ttyACM0"}));
    EXPECT_EQ(table[3].number, 4);
    EXPECT_EQ(table[1].byIdName, "usb-FTDI-if00-port0");
    EXPECT_EQ(hm::ecu::mergeNewPorts(table, EnumeratePorts(fake.config)), 0);
}

// A ttyS name is probed only with a UART behind it, and never the kernel's console; the others
// are named with the reason. None of these devices is opened (sysfs answers for each).
TEST(PortTable, TtySWithoutUartAndTheConsoleAreLeftOutWithTheReason) {
    FakeDevices fake;
    fake.device("ttyS0", "/dev/urandom");
    fake.uartType("ttyS0", "0");
    fake.device("ttyS1", "/dev/null");
    fake.uartType("ttyS1", "4");
    fake.device("ttyS2", "/dev/zero");
    fake.uartType("ttyS2", "4");
    fs::create_directories(fake.dir / "sys/console");
    hmtest::writeFileText(fake.dir / "sys/console/active", "tty0 ttyS2\n");
    std::vector<std::string> notUsed;
    std::vector<LeftOutPort> leftOut;
    EXPECT_EQ(paths(EnumeratePorts(fake.config, notUsed, leftOut)),
              (std::vector<std::string>{"ttyS1"}));
    const std::string dev = fake.config.devDir + "/";
    EXPECT_EQ(
        leftOut,
        (std::vector<LeftOutPort>{
            {dev + "ttyS0", "no UART behind the name (the kernel reports an unknown port type)"},
            {dev + "ttyS2", "the kernel's console"}}));
}

// A refresh after device events looks only at the names that changed, in the scan's order,
// each once; a device that did not change is found only by a whole rescan.
TEST(PortTable, ChangedPortsExamineOnlyTheNamedDevices) {
    FakeDevices fake;
    fake.device("ttyACM0", "/dev/random");  // present, not among the changes
    fake.device("ttyUSB1", "/dev/zero");
    fake.device("ttyUSB0", "/dev/full");
    fake.device("ttyS3", "/dev/null");
    fake.uartType("ttyS3", "0");
    fs::create_symlink("../../ttyUSB1", fake.dir / "dev/serial/by-id/usb-one");
    std::vector<hm::ecu::PortEntry> table;
    std::vector<LeftOutPort> leftOut;
    const PortChanges burst{
        {"ttyS3", "ttyUSB1", "ttyUSB0", "ttyUSB0", "console", "ttyUSB9"}, {}, false};
    EXPECT_EQ(hm::ecu::addChangedPorts(table, leftOut, fake.config, burst), 2);
    EXPECT_EQ(paths(table), (std::vector<std::string>{"ttyUSB0", "ttyUSB1"}));
    EXPECT_EQ(table[1].number, 2);
    EXPECT_EQ(table[1].byIdName, "usb-one");
    ASSERT_EQ(leftOut.size(), 1u);
    EXPECT_EQ(leftOut[0].path, fake.config.devDir + "/ttyS3");

    // A by-id link alone names the entry it leads to.
    fs::create_symlink("../../ttyUSB0", fake.dir / "dev/serial/by-id/usb-zero");
    EXPECT_EQ(hm::ecu::addChangedPorts(table, leftOut, fake.config, {{}, {"usb-zero"}, false}), 0);
    EXPECT_EQ(table[0].byIdName, "usb-zero");

    // Lost events: everything is looked at again.
    EXPECT_EQ(hm::ecu::addChangedPorts(table, leftOut, fake.config, {{}, {}, true}), 1);
    EXPECT_EQ(paths(table), (std::vector<std::string>{"ttyUSB0", "ttyUSB1", "ttyACM0"}));
    EXPECT_EQ(leftOut.size(), 1u);
}
