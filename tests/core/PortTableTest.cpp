#include <gtest/gtest.h>

#include <filesystem>

#include "ecu/PortTable.h"
#include "support/FakeDevices.h"

namespace fs = std::filesystem;
using hm::ecu::EnumeratePorts;
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
