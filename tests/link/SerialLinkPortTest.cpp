// The serial port, receive thread and frame assembly over real pseudo-terminals.
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "ecu/PortTable.h"
#include "ecu/SerialLinkPort.h"
#include "link/FrameQueue.h"
#include "support/PtyPair.h"
#include "support/TestSupport.h"

using hm::ecu::PortEntry;
using hm::ecu::PortOpenError;
using hm::ecu::SerialLinkPort;
using hmtest::Bytes;
using hmtest::FrameQueue;
using hmtest::PtyPair;

namespace {

std::vector<PortEntry> tableOf(const std::vector<std::string>& paths) {
    hm::ecu::PortScanConfig config;
    config.scanDevices = false;
    config.extraPaths = paths;
    return hm::ecu::EnumeratePorts(config);
}

int threadCount() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/task")) {
        ++n;
    }
    return n;
}

// CPU time of one thread of this process, in nanoseconds.
uint64_t threadCpuNs(pid_t tid) {
    std::ifstream in("/proc/self/task/" + std::to_string(tid) + "/schedstat");
    uint64_t ns = 0;
    in >> ns;
    return ns;
}

template <typename Pred>
bool eventually(Pred pred, int timeoutMs = 3000) {
    for (int waited = 0; waited < timeoutMs; waited += 5) {
        if (pred()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return pred();
}

const Bytes kProbe{0x02, 0x90, 0x92};
const Bytes kIdentRequest{0x03, 0x1A, 0x90, 0xAD};

}  // namespace

TEST(SerialLink, OpenAppliesLineSettingsAndWritesArrive) {
    PtyPair pty;
    ASSERT_GE(pty.observer(), 0);
    const auto table = tableOf({pty.slavePath()});
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].number, 1);
    EXPECT_EQ(table[0].path, pty.slavePath());

    // Make the line anything but ours first, to see every setting applied.
    termios before{};
    ASSERT_EQ(tcgetattr(pty.observer(), &before), 0);
    before.c_cflag = CS7 | PARENB | CSTOPB | CRTSCTS | CREAD | HUPCL;
    before.c_iflag = IXON | IXOFF | ICRNL;
    before.c_oflag = OPOST | ONLCR;
    before.c_lflag = ICANON | ECHO;
    cfsetspeed(&before, B115200);
    ASSERT_EQ(tcsetattr(pty.observer(), TCSANOW, &before), 0);

    SerialLinkPort link(table);
    ASSERT_TRUE(link.OpenPort(0)) << hm::ecu::describeOpenError(link.lastOpenError());
    EXPECT_EQ(link.openIndex(), 0);

    termios t{};
    ASSERT_EQ(tcgetattr(pty.observer(), &t), 0);
    EXPECT_EQ(cfgetispeed(&t), B9600);
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | INPCK | ISTRIP), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_cc[VMIN], 1);  // an empty non-blocking read is EAGAIN, not end of file
    EXPECT_EQ(t.c_cc[VTIME], 0);

    // Bytes are passed through unchanged (0x0D, 0x0A, 0x11, 0x13 would suffer in cooked mode).
    const Bytes frame{0x05, 0x0D, 0x0A, 0x11, 0x13, 0x3A};
    ASSERT_TRUE(link.WritePort(frame.data(), frame.size()));
    const std::string got = pty.receive(frame.size());
    EXPECT_EQ(Bytes(got.begin(), got.end()), frame);

    link.ClosePort();
    EXPECT_EQ(link.openIndex(), -1);
    EXPECT_FALSE(link.WritePort(frame.data(), frame.size()));
}

TEST(SerialLink, OpenIsExclusiveAndTheHeldPortStaysListed) {
    PtyPair pty;
    SerialLinkPort first(tableOf({pty.slavePath()}));
    SerialLinkPort second(tableOf({pty.slavePath()}));
    ASSERT_TRUE(first.OpenPort(0));
    EXPECT_FALSE(second.OpenPort(0));
    EXPECT_EQ(second.lastOpenError(), PortOpenError::Busy);
    EXPECT_EQ(tableOf({pty.slavePath()}).size(), 1u);  // enumeration still lists it

    first.ClosePort();
    EXPECT_TRUE(second.OpenPort(0)) << "closing released the port";
    second.ClosePort();
    EXPECT_TRUE(first.OpenPort(0)) << "and it can be opened again after close";
}

TEST(SerialLink, OpenFailuresSayWhy) {
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "plain", "not a terminal");
    SerialLinkPort link(tableOf({(dir / "missing").string(), (dir / "plain").string()}));
    EXPECT_FALSE(link.OpenPort(0));
    EXPECT_EQ(link.lastOpenError(), PortOpenError::NotFound);
    EXPECT_FALSE(link.OpenPort(1));
    EXPECT_EQ(link.lastOpenError(), PortOpenError::SetupFailed);
    EXPECT_FALSE(link.OpenPort(7));  // outside the table
    EXPECT_EQ(link.lastOpenError(), PortOpenError::NotFound);
    EXPECT_FALSE(link.StartReceiveThread([](const uint8_t*, size_t) {}));
}

TEST(SerialLink, ReceiveThreadDeliversFramesOfEveryChunkingInOrder) {
    PtyPair pty;
    SerialLinkPort link(tableOf({pty.slavePath()}));
    ASSERT_TRUE(link.OpenPort(0));
    FrameQueue frames;
    ASSERT_TRUE(link.StartReceiveThread(frames.handler()));

    Bytes record{0x14, 0x61, 0x39, 0x00};
    for (int i = 0; i < 16; ++i) {
        record.push_back(static_cast<uint8_t>(i + 1));
    }
    uint8_t sum = 0;
    for (uint8_t b : record) {
        sum = static_cast<uint8_t>(sum + b);
    }
    record.push_back(sum);

    // Split in two writes; then probe + record + ident in one write; then a frame byte by byte.
    pty.send(record.data(), 8);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    pty.send(record.data() + 8, 13);
    EXPECT_EQ(frames.next(), record);

    Bytes three = kProbe;
    three.insert(three.end(), record.begin(), record.end());
    three.insert(three.end(), kIdentRequest.begin(), kIdentRequest.end());
    pty.send(three.data(), three.size());
    EXPECT_EQ(frames.next(), kProbe);
    EXPECT_EQ(frames.next(), record);
    EXPECT_EQ(frames.next(), kIdentRequest);

    for (uint8_t b : kIdentRequest) {
        pty.send(&b, 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(frames.next(), kIdentRequest);
    EXPECT_FALSE(frames.next(100).has_value());
}

TEST(SerialLink, QueuedBytesAreReadAtMost260AtATime) {
    PtyPair pty;
    SerialLinkPort link(tableOf({pty.slavePath()}));
    ASSERT_TRUE(link.OpenPort(0));

    std::mutex m;
    std::vector<size_t> reads;
    link.setChunkObserver([&](const uint8_t*, size_t n) {
        std::lock_guard lock(m);
        reads.push_back(n);
    });
    const Bytes junk(300, 0x00);
    pty.send(junk.data(), junk.size());
    ASSERT_TRUE(eventually([&] {
        int queued = 0;
        return ioctl(pty.observer(), FIONREAD, &queued) == 0 && queued == 300;
    })) << "the 300 bytes never queued up";

    ASSERT_TRUE(link.StartReceiveThread([](const uint8_t*, size_t) {}));
    ASSERT_TRUE(eventually([&] {
        std::lock_guard lock(m);
        size_t total = 0;
        for (size_t r : reads) {
            total += r;
        }
        return total == 300;
    }));
    link.ClosePort();
    EXPECT_EQ(reads, (std::vector<size_t>{260, 40}));
}

TEST(SerialLink, ClosePortEndsTheThreadAndTheNextOpenWorks) {
    PtyPair pty;
    SerialLinkPort link(tableOf({pty.slavePath()}));
    std::thread([] {}).join();  // sanitizer runtimes start a helper thread with the first thread
    const int baseline = threadCount();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(link.OpenPort(0)) << "round " << round;
        FrameQueue frames;
        ASSERT_TRUE(link.StartReceiveThread(frames.handler()));
        EXPECT_EQ(threadCount(), baseline + 1);
        pty.send(kProbe.data(), kProbe.size());
        EXPECT_EQ(frames.next(), kProbe);

        // Close while the thread is blocked in its wait: one wake-up ends it.
        const uint64_t wakeupsBefore = link.receiveThread().wakeups();
        link.ClosePort();
        // The joined thread leaves /proc/self/task a moment after the join returns.
        EXPECT_TRUE(eventually([&] { return threadCount() == baseline; }))
            << threadCount() << " threads, " << baseline << " before the open";
        EXPECT_LE(link.receiveThread().wakeups(), wakeupsBefore + 1);

        // Bytes arriving after the close reach no handler.
        pty.send(kProbe.data(), kProbe.size());
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(frames.delivered(), 1u);
        tcflush(pty.observer(), TCIFLUSH);
    }
}

TEST(SerialLink, HangUpParksTheThreadWithoutBurningCpu) {
    PtyPair pty;
    SerialLinkPort link(tableOf({pty.slavePath()}));
    ASSERT_TRUE(link.OpenPort(0));
    std::atomic<pid_t> receiverTid{0};
    link.setChunkObserver([&](const uint8_t*, size_t) { receiverTid = gettid(); });
    FrameQueue frames;
    ASSERT_TRUE(link.StartReceiveThread(frames.handler()));
    pty.send(kProbe.data(), kProbe.size());
    ASSERT_EQ(frames.next(), kProbe);
    ASSERT_NE(receiverTid.load(), 0);

    pty.hangUp();  // the adapter is unplugged
    ASSERT_TRUE(eventually([&] { return link.lineHungUp(); }));
    const uint64_t wakeups = link.receiveThread().wakeups();
    const uint64_t cpuBefore = threadCpuNs(receiverTid);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const uint64_t cpuUsed = threadCpuNs(receiverTid) - cpuBefore;

    EXPECT_EQ(link.receiveThread().wakeups(), wakeups) << "the thread kept waking up";
    EXPECT_LT(cpuUsed, 20'000'000u) << "a spinning thread uses the whole 300 ms";
    EXPECT_FALSE(link.WritePort(kProbe.data(), kProbe.size()));
    link.ClosePort();  // still ends it
}
