// A busy port names the program that holds it (found through /proc), over a real pty.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "ecu/DeviceHolders.h"
#include "ecu/SerialPort.h"
#include "support/PtyPair.h"

using namespace hm::ecu;

TEST(PortHolder, BusyOpenNamesTheHolder) {
    hmtest::PtyPair pty;
    ASSERT_GE(pty.observer(), 0);
    const std::vector<DeviceHolder> holders = findDeviceHolders(pty.slavePath());
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_EQ(holders[0].pid, ::getpid());
    const std::string me = describeHolders(holders);
    EXPECT_EQ(me, holders[0].command + " (pid " + std::to_string(::getpid()) + ")");
    EXPECT_EQ(holders[0].command, "hm_link_tests");

    ASSERT_EQ(::flock(pty.observer(), LOCK_EX | LOCK_NB), 0);  // as another terminal program does
    SerialPort port;
    ASSERT_FALSE(port.OpenPort(pty.slavePath()));
    ASSERT_EQ(port.lastError(), PortOpenError::Busy);
    EXPECT_EQ(describeOpenFailure(pty.slavePath(), port.lastError(), port.lastErrno()),
              "busy: in use by " + me);

    EXPECT_TRUE(findDeviceHolders("/nonexistent/tty").empty());
}
