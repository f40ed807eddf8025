// The virtual ECU over its pseudo-terminal, driven through the real serial link code.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <thread>

#include "ecu/PortTable.h"
#include "ecu/SecurityKey.h"
#include "ecu/SerialLinkPort.h"
#include "ecusim/EcuResponder.h"
#include "ecusim/VirtualEcu.h"
#include "fleetdata/DataFile.h"
#include "link/FrameQueue.h"
#include "support/TestSupport.h"

using hm::ecusim::EcuOptions;
using hm::ecusim::VirtualEcu;
using hm::ecusim::withChecksum;
using hmtest::Bytes;

namespace {

const Bytes kProbe{0x02, 0x90, 0x92};
const Bytes kIdent{0x03, 0x1A, 0x90, 0xAD};
const Bytes kProbeAnswer{0x06, 0xD0, 0x00, '1', '0', '0', 0x67};

// A virtual ECU and the tool's side of the line.
struct Bench {
    VirtualEcu ecu;
    std::unique_ptr<hm::ecu::SerialLinkPort> link;
    hmtest::FrameQueue frames;
    std::atomic<size_t> reads{0};
    std::atomic<size_t> bytesRead{0};

    explicit Bench(EcuOptions options = {}) : ecu(std::move(options)) {
        if (!ecu.start()) {
            throw std::runtime_error(ecu.error());
        }
        hm::ecu::PortScanConfig config;
        config.scanDevices = false;
        config.extraPaths = {ecu.devicePath()};
        link = std::make_unique<hm::ecu::SerialLinkPort>(config);
        link->setChunkObserver([this](const uint8_t*, size_t n) {
            ++reads;
            bytesRead += n;
        });
        if (!link->OpenPort(0) || !link->StartReceiveThread(frames.handler())) {
            throw std::runtime_error("cannot open " + ecu.devicePath());
        }
    }
    ~Bench() {
        link->ClosePort();
        ecu.stop();
    }
    void send(const Bytes& request) { link->WritePort(request.data(), request.size()); }
    std::optional<Bytes> ask(const Bytes& request, int timeoutMs = 3000) {
        send(request);
        return frames.next(timeoutMs);
    }
};

Bytes request(Bytes body) {
    return withChecksum(std::move(body));
}

}  // namespace

TEST(VirtualEcu, AnswersTheToolOverThePseudoTerminal) {
    Bench b;
    const auto& vehicle = b.ecu.initialMemory();
    EXPECT_EQ(b.ask(kProbe), kProbeAnswer);

    const auto ident = b.ask(kIdent);
    ASSERT_TRUE(ident);
    EXPECT_EQ(std::string(ident->begin() + 3, ident->begin() + 20), vehicle.ident);
    EXPECT_EQ(b.ask(request({0x03, 0x21, 0x64})), request({0x07, 0x61, 0x64, 'B', '3', '3', '7'}));

    const auto block = b.ask(request({0x04, 0x21, 0x24, 0x09}));
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 69u);
    EXPECT_TRUE(std::equal(vehicle.blocks[9].begin(), vehicle.blocks[9].end(), block->begin() + 4));

    // The erase is refused until the key is right; then it clears the block in the ECU.
    EXPECT_EQ(b.ask(request({0x04, 0x31, 0x0E, 0x09})), request({0x04, 0x7F, 0x31, 0x33}));
    const auto seed = b.ask(request({0x03, 0x27, 0x05}));
    ASSERT_TRUE(seed);
    const uint16_t key = hm::ecu::DeriveKey(static_cast<uint16_t>((*seed)[3] << 8 | (*seed)[4]));
    EXPECT_EQ(b.ask(request(
                  {0x05, 0x27, 0x06, static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)})),
              request({0x03, 0x67, 0x06}));
    EXPECT_EQ(b.ask(request({0x03, 0x10, 0x84})), request({0x03, 0x50, 0x84}));
    EXPECT_EQ(b.ask(request({0x04, 0x31, 0x0E, 0x09})), request({0x04, 0x71, 0x0E, 0x09}));
    EXPECT_EQ(b.ecu.memory().blocks[9], (std::array<uint8_t, 64>{}));

    Bytes write{0x14, 0x3B, 0x39, 0x00};
    write.resize(20, 0);
    EXPECT_EQ(b.ask(request(write)), request({0x04, 0x7B, 0x39, 0x00}));
    EXPECT_EQ(b.ecu.memory().slots[0], hm::StabilityPayload{});
    EXPECT_EQ(b.ask(request({0x02, 0x20})), request({0x02, 0x60}));

    // The tool may close and reopen the device; the ECU is still there.
    b.link->ClosePort();
    ASSERT_TRUE(b.link->OpenPort(0));
    ASSERT_TRUE(b.link->StartReceiveThread(b.frames.handler()));
    EXPECT_EQ(b.ask(kProbe), kProbeAnswer);
    EXPECT_EQ(b.ecu.responseCount(), 12);
}

TEST(VirtualEcu, SilentDropAndRejectFaults) {
    {
        EcuOptions o;
        o.faults.silent = true;
        Bench b(o);
        EXPECT_FALSE(b.ask(kProbe, 300).has_value());
        EXPECT_EQ(b.ecu.requestCount(), 1);
        EXPECT_EQ(b.ecu.responseCount(), 0);
    }
    {
        EcuOptions o;
        o.faults.dropResponse = 2;
        Bench b(o);
        EXPECT_EQ(b.ask(kProbe), kProbeAnswer);
        EXPECT_FALSE(b.ask(kIdent, 300).has_value());  // the second response is dropped
        const auto again = b.ask(kIdent);
        ASSERT_TRUE(again);
        EXPECT_EQ((*again)[1], 0x5A);
    }
    {
        EcuOptions o;
        o.faults.rejectTimes = 2;
        Bench b(o);
        EXPECT_EQ(b.ask(kProbe), kProbeAnswer);  // the probe is never refused
        EXPECT_EQ(b.ask(kIdent), request({0x04, 0x7F, 0x1A, 0x21}));
        EXPECT_EQ(b.ask(kIdent), request({0x04, 0x7F, 0x1A, 0x21}));
        const auto accepted = b.ask(kIdent);
        ASSERT_TRUE(accepted);
        EXPECT_EQ((*accepted)[1], 0x5A);
        EXPECT_EQ(b.ask(kIdent), request({0x04, 0x7F, 0x1A, 0x21}));  // the next one again
    }
}

TEST(VirtualEcu, EchoChunkGarbageCorruptAndDelayFaults) {
    {
        EcuOptions o;
        o.faults.echo = true;
        Bench b(o);
        EXPECT_EQ(b.ask(kIdent), kIdent);  // the echo arrives first, as a frame of its own
        const auto answer = b.frames.next();
        ASSERT_TRUE(answer);
        EXPECT_EQ((*answer)[1], 0x5A);
    }
    {
        EcuOptions o;
        o.faults.chunkSize = 5;
        o.faults.chunkPauseMs = 30;
        Bench b(o);
        const auto ident = b.ask(kIdent);
        ASSERT_TRUE(ident);
        EXPECT_EQ(ident->size(), 21u);
        EXPECT_EQ(*ident, withChecksum(Bytes(ident->begin(), ident->end() - 1)));
        EXPECT_GE(b.reads.load(), 3u) << "the response came in one piece";
    }
    {
        EcuOptions o;
        o.faults.garbage = {0x00, 0x01, 0x00};
        Bench b(o);
        EXPECT_EQ(b.ask(kProbe), kProbeAnswer);
        EXPECT_EQ(b.bytesRead.load(), 3 + kProbeAnswer.size());
    }
    {
        EcuOptions o;
        o.faults.corruptResponse = 2;
        Bench b(o);
        EXPECT_EQ(b.ask(kProbe), kProbeAnswer);
        Bytes bad = kProbeAnswer;
        bad.back() = static_cast<uint8_t>(bad.back() + 1);
        EXPECT_EQ(b.ask(kProbe), bad);
        EXPECT_EQ(b.ask(kProbe), kProbeAnswer);
    }
    {
        EcuOptions o;
        o.faults.delayMs = 400;
        Bench b(o);
        b.send(kProbe);
        EXPECT_FALSE(b.frames.next(50).has_value()) << "answered before the delay";
        EXPECT_EQ(b.frames.next(), kProbeAnswer);
    }
}

TEST(VirtualEcu, HangUpAfterNResponsesLeavesTheToolWithAHungUpLine) {
    EcuOptions o;
    o.faults.hangUpAfter = 2;
    Bench b(o);
    EXPECT_EQ(b.ask(kProbe), kProbeAnswer);
    EXPECT_TRUE(b.ask(kIdent).has_value());
    for (int i = 0; i < 600 && !b.link->lineHungUp(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(b.ecu.hungUp());
    EXPECT_TRUE(b.link->lineHungUp());
    EXPECT_FALSE(b.ask(kProbe, 100).has_value());
}

TEST(VirtualEcu, KeyFunctionConstantsAreConfigurable) {
    EcuOptions o;
    o.identity.key = hm::ecu::KeyConstants{3, 777, -11};
    o.identity.seed = 0x1234;
    Bench b(o);
    b.ask(request({0x03, 0x27, 0x05}));
    const uint16_t defaultKey = hm::ecu::DeriveKey(0x1234);
    const uint16_t key = hm::ecu::DeriveKey(0x1234, o.identity.key);
    ASSERT_NE(key, defaultKey);
    EXPECT_EQ(b.ask(request({0x05, 0x27, 0x06, static_cast<uint8_t>(defaultKey >> 8),
                             static_cast<uint8_t>(defaultKey)})),
              request({0x04, 0x7F, 0x27, 0x35}));
    EXPECT_EQ(b.ask(request(
                  {0x05, 0x27, 0x06, static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)})),
              request({0x03, 0x67, 0x06}));
}

#ifdef HM_ECUSIM_PATH
namespace {

struct Child {
    pid_t pid = -1;
    int out = -1;
};

Child spawn(const std::vector<std::string>& args) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        close(fds[1]);
        std::vector<char*> argv{const_cast<char*>(HM_ECUSIM_PATH)};
        for (const auto& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(HM_ECUSIM_PATH, argv.data());
        _exit(127);
    }
    close(fds[1]);
    return {pid, fds[0]};
}

std::string readAll(int fd, bool firstLineOnly) {
    std::string s;
    char c;
    while (read(fd, &c, 1) == 1) {
        if (firstLineOnly && c == '\n') {
            break;
        }
        s += c;
    }
    return s;
}

int waitExit(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST(EcusimExecutable, PrintsTheDeviceMakesTheLinkAnswersAndStopsOnSigterm) {
    hmtest::TempDir dir;
    const std::string linkPath = (dir / "ecu").string();
    Child c = spawn({"--link", linkPath, "--type", "X299", "--digits", "042"});
    ASSERT_GT(c.pid, 0);
    const std::string device = readAll(c.out, true);
    ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    EXPECT_EQ(std::filesystem::read_symlink(linkPath).string(), device);

    {
        hm::ecu::PortScanConfig config;
        config.scanDevices = false;
        config.extraPaths = {linkPath};
        hm::ecu::SerialLinkPort link(config);
        hmtest::FrameQueue frames;
        ASSERT_TRUE(link.OpenPort(0));
        ASSERT_TRUE(link.StartReceiveThread(frames.handler()));
        link.WritePort(kProbe.data(), kProbe.size());
        EXPECT_EQ(frames.next(), request({0x06, 0xD0, 0x00, '0', '4', '2'}));
        const Bytes type = request({0x03, 0x21, 0x64});
        link.WritePort(type.data(), type.size());
        EXPECT_EQ(frames.next(), request({0x07, 0x61, 0x64, 'X', '2', '9', '9'}));
    }
    kill(c.pid, SIGTERM);
    EXPECT_EQ(waitExit(c.pid), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(linkPath)) << "the link is removed on exit";
    close(c.out);
}

TEST(EcusimExecutable, ServesTheVehicleOfADataFile) {
    hmtest::TempDir dir;
    hm::FleetDataImage vehicle = hm::ecusim::makeDemoVehicle();
    std::memcpy(vehicle.vehicleIdent, "FILEVEHICLE000042", 18);
    vehicle.brakeCountByPressure[0] = 0x01020304;
    vehicle.stabilityRecordCount = 1;
    std::memcpy(vehicle.signature, hm::kSignature, sizeof vehicle.signature);
    vehicle.blockSize = hm::kImageSize;
    std::string error;
    ASSERT_TRUE(hm::writeDataFile(dir / "v.asc", vehicle, error)) << error;

    Child c = spawn({"--vehicle", (dir / "v.asc").string()});
    const std::string device = readAll(c.out, true);
    {
        hm::ecu::PortScanConfig config;
        config.scanDevices = false;
        config.extraPaths = {device};
        hm::ecu::SerialLinkPort link(config);
        hmtest::FrameQueue frames;
        ASSERT_TRUE(link.OpenPort(0)) << device;
        ASSERT_TRUE(link.StartReceiveThread(frames.handler()));
        link.WritePort(kIdent.data(), kIdent.size());
        const auto ident = frames.next();
        ASSERT_TRUE(ident);
        EXPECT_EQ(std::string(ident->begin() + 3, ident->begin() + 20), "FILEVEHICLE000042");
        const Bytes block = request({0x04, 0x21, 0x24, 0x01});
        link.WritePort(block.data(), block.size());
        const auto b1 = frames.next();
        ASSERT_TRUE(b1);
        EXPECT_EQ(Bytes(b1->begin() + 4, b1->begin() + 8), (Bytes{1, 2, 3, 4}));
        const Bytes record = request({0x04, 0x21, 0x39, 0x01});
        link.WritePort(record.data(), record.size());
        const auto r1 = frames.next();
        ASSERT_TRUE(r1);
        EXPECT_EQ((*r1)[4 + 4], 0) << "only one record in the file: slot 1 is empty";
    }
    kill(c.pid, SIGTERM);
    EXPECT_EQ(waitExit(c.pid), 0);
    close(c.out);

    Child missing = spawn({"--vehicle", (dir / "none.asc").string()});
    EXPECT_EQ(readAll(missing.out, false), "");
    EXPECT_EQ(waitExit(missing.pid), 1);
    close(missing.out);
}

TEST(EcusimExecutable, HelpNamesEveryOptionAndBadOptionsFail) {
    Child help = spawn({"--help"});
    const std::string text = readAll(help.out, false);
    EXPECT_EQ(waitExit(help.pid), 0);
    close(help.out);
    for (const char* option :
         {"--vehicle", "--ident", "--type", "--digits", "--key", "--seed", "--link", "--silent",
          "--drop", "--reject", "--echo", "--chunk", "--chunk-pause", "--garbage", "--corrupt",
          "--delay", "--hangup-after", "--trace"}) {
        EXPECT_NE(text.find(option), std::string::npos) << option;
    }
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"--type", "B33"}, {"--key", "1,2,0"}, {"--drop"}, {"--garbage", "0"}}) {
        Child c = spawn(bad);
        EXPECT_EQ(readAll(c.out, false), "");
        EXPECT_EQ(waitExit(c.pid), 2) << bad[0];
        close(c.out);
    }
}
#endif
