// The whole link in real time: EcuLink with its real tick loop, the serial port and receive
// thread over a pseudo-terminal, and the virtual ECU at the far end. Every run must end in a
// complete image equal to the ECU's vehicle, or (for faults that make that impossible) with
// the link given up cleanly: never a hang, a crash or wrong data.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "ecu/EcuLink.h"
#include "ecu/LinkTickLoop.h"
#include "ecu/SerialLinkPort.h"
#include "ecusim/VirtualEcu.h"
#include "fleetdata/DataFile.h"
#include "support/EcuLinkTestPeer.h"
#include "support/RecordingLinkObserver.h"

using namespace hm;
using namespace hm::ecu;
using namespace std::chrono_literals;

namespace {

// The image a download of `memory` must give: decoded blocks, records without gaps, sorted.
FleetDataImage expectedImage(const ecusim::EcuMemory& memory, bool withBlocks = true) {
    FleetDataImage image = ecusim::imageFromMemory(memory);
    SortStabilityRecords(image);
    if (!withBlocks) {
        for (int b = 0; b < 10; ++b) {
            for (int i = 0; i < FleetDataImage::blockWords(b); ++i) {
                image.block(b)[i] = 0;
            }
        }
    }
    return image;
}

// Empty when equal, else where the first difference is.
std::string difference(const FleetDataImage& actual, const FleetDataImage& expected) {
    const ImageBytes a = serialiseImage(actual);
    const ImageBytes e = serialiseImage(expected);
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != e[i]) {
            return "first difference at offset " + std::to_string(i) + ": " + std::to_string(a[i]) +
                   " instead of " + std::to_string(e[i]);
        }
    }
    return {};
}

class Rig {
  public:
    Rig(ecusim::EcuOptions options, std::chrono::milliseconds period)
        : ecu_(std::move(options)), period_(period) {
        image.clear();
    }
    ~Rig() {
        link.reset();  // closes the port before the ECU goes away
        ecu_.stop();
    }

    // Starts the ECU and the link; the port table is a missing device and then the ECU.
    void start() {
        ASSERT_TRUE(ecu_.start()) << ecu_.error();
        port = std::make_unique<SerialLinkPort>(std::vector<PortEntry>{
            {1, "/nonexistent/ttyHM0", "", true}, {2, ecu_.devicePath(), "", true}});
        link = std::make_unique<EcuLink>(*port, host, image);
        host.link = link.get();
        loop = std::make_unique<LinkTickLoop>(*link, period_);
    }

    LinkTickLoop::Outcome runUntilReads(int reads, std::chrono::milliseconds limit = 60s) {
        return loop->run([&] { return hmtest::peer(*link).completedReads() >= reads; }, limit);
    }

    ecusim::VirtualEcu& ecu() { return ecu_; }

    hmtest::RecordingLinkObserver host;
    FleetDataImage image{};
    std::unique_ptr<SerialLinkPort> port;
    std::unique_ptr<EcuLink> link;
    std::unique_ptr<LinkTickLoop> loop;

  private:
    ecusim::VirtualEcu ecu_;
    std::chrono::milliseconds period_;
};

ecusim::EcuOptions withType(const std::string& type) {
    ecusim::EcuOptions options;
    options.identity.ecuType = type;
    return options;
}

TEST(EcuLinkEndToEnd, Level1DownloadEqualsTheVehicle) {
    Rig rig(withType("B337"), 100ms);
    rig.start();
    ASSERT_EQ(rig.runUntilReads(1), LinkTickLoop::Outcome::Finished);
    EXPECT_EQ(difference(rig.image, expectedImage(rig.ecu().initialMemory())), "");
    EXPECT_EQ(difference(rig.image, ecusim::makeDemoVehicle()), "");
    EXPECT_GT(rig.image.stabilityRecordCount, 1u);
    EXPECT_EQ(rig.host.log.back(), "finished Download");
    EXPECT_EQ(rig.host.ecuTypeText, "B337");
    EXPECT_EQ(rig.host.connectedPort.port.number, 2);
    EXPECT_EQ(rig.host.connectedPort.port.path, rig.ecu().devicePath());
    EXPECT_EQ(rig.link->supportLevel(), hm::ecu::SupportLevel::FleetAndRecords);
    EXPECT_EQ(rig.host.count("step"), kDownloadSteps);
}

TEST(EcuLinkEndToEnd, Level2DownloadReadsRecordsOnly) {
    Rig rig(withType("B330"), 100ms);
    rig.start();
    ASSERT_EQ(rig.runUntilReads(1), LinkTickLoop::Outcome::Finished);
    EXPECT_EQ(rig.link->supportLevel(), hm::ecu::SupportLevel::RecordsOnly);
    EXPECT_FALSE(rig.image.hasFleetData());
    EXPECT_EQ(difference(rig.image, expectedImage(rig.ecu().initialMemory(), false)), "");
}

TEST(EcuLinkEndToEnd, UnsupportedEcuStopsTheTimerWithOneMessage) {
    Rig rig(withType("A999"), 100ms);
    rig.start();
    EXPECT_EQ(rig.runUntilReads(1, 20s), LinkTickLoop::Outcome::TimerEnded);
    EXPECT_EQ(rig.host.notices, std::vector<LinkNotice>{LinkNotice::UnsupportedEcu});
    EXPECT_EQ(hmtest::peer(*rig.link).linkAnswer(), -1);
    EXPECT_EQ(rig.port->openIndex(), 1);  // the port stays open
    EXPECT_EQ(hmtest::peer(*rig.link).completedReads(), 0);
}

TEST(EcuLinkEndToEnd, FleetEraseThenReadBackGivesZeros) {
    Rig rig(withType("B337"), 100ms);
    rig.start();
    ASSERT_EQ(rig.runUntilReads(1), LinkTickLoop::Outcome::Finished);
    ASSERT_TRUE(rig.image.hasFleetData());
    rig.link->queueRequestSeed();
    ASSERT_TRUE(rig.link->startFleetErase());
    ASSERT_EQ(rig.runUntilReads(2), LinkTickLoop::Outcome::Finished);
    EXPECT_FALSE(rig.image.hasFleetData());
    for (const auto& block : rig.ecu().memory().blocks) {
        for (uint8_t byte : block) {
            ASSERT_EQ(byte, 0);
        }
    }
    // The records are untouched and read back as before.
    EXPECT_EQ(rig.image.stabilityRecordCount,
              expectedImage(rig.ecu().initialMemory()).stabilityRecordCount);
    EXPECT_EQ(rig.host.count("step"), kDownloadSteps + kFleetEraseSteps);
    EXPECT_EQ(rig.host.log.back(), "finished FleetErase");
}

TEST(EcuLinkEndToEnd, RecordEraseLeavesNoRecords) {
    Rig rig(withType("B337"), 100ms);
    rig.start();
    ASSERT_EQ(rig.runUntilReads(1), LinkTickLoop::Outcome::Finished);
    ASSERT_GT(rig.image.stabilityRecordCount, 0u);
    rig.link->queueRequestSeed();
    ASSERT_TRUE(rig.link->startRecordErase());
    EXPECT_EQ(rig.image.stabilityRecordCount, 0u);
    ASSERT_EQ(rig.runUntilReads(2), LinkTickLoop::Outcome::Finished);
    EXPECT_EQ(rig.image.stabilityRecordCount, 0u);
    for (const auto& slot : rig.ecu().memory().slots) {
        EXPECT_EQ(slot[4], 0);  // every slot empty
    }
    EXPECT_TRUE(rig.image.hasFleetData());  // the fleet data stay
}

struct FaultCase {
    const char* name;
    ecusim::FaultOptions faults;
    bool reconnects;  // a response is lost, so the link times out and starts again
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class EcuLinkFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(EcuLinkFaults, EndInACompleteCorrectImage) {
    ecusim::EcuOptions options = withType("B337");
    options.faults = GetParam().faults;
    Rig rig(options, 50ms);
    rig.start();
    ASSERT_EQ(rig.runUntilReads(1, 90s), LinkTickLoop::Outcome::Finished);
    EXPECT_EQ(difference(rig.image, expectedImage(rig.ecu().initialMemory())), "");
    const int startedDownloads = rig.host.count("start Download");
    if (GetParam().reconnects) {
        EXPECT_GE(startedDownloads, 2);
    } else {
        EXPECT_EQ(startedDownloads, 1);
    }
}

ecusim::FaultOptions fault(void (*set)(ecusim::FaultOptions&)) {
    ecusim::FaultOptions f;
    set(f);
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EcuLinkFaults,
    ::testing::Values(FaultCase{"Reject", fault([](auto& f) { f.rejectTimes = 2; }), false},
                      FaultCase{"Echo", fault([](auto& f) { f.echo = true; }), false},
                      FaultCase{"Chunks",
                                fault([](auto& f) { f.chunkSize = 5, f.chunkPauseMs = 3; }), false},
                      FaultCase{"DroppedBytes", fault([](auto& f) {
                                    f.garbage = {0x00, 0x01};
                                }),
                                false},
                      FaultCase{"BadFrameBefore", fault([](auto& f) {
                                    f.garbage = {0x02, 0x55, 0x00};
                                }),
                                false},
                      FaultCase{"Delay", fault([](auto& f) { f.delayMs = 120; }), false},
                      FaultCase{"Corrupt", fault([](auto& f) { f.corruptResponse = 9; }), true},
                      FaultCase{"Drop", fault([](auto& f) { f.dropResponse = 20; }), true}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(EcuLinkEndToEnd, SilentEcuEndsOfflineAfterThePass) {
    ecusim::EcuOptions options = withType("B337");
    options.faults.silent = true;
    Rig rig(options, 50ms);
    rig.host.defaultAnswer = false;
    rig.start();
    EXPECT_EQ(rig.runUntilReads(1, 30s), LinkTickLoop::Outcome::TimerEnded);
    ASSERT_EQ(rig.host.passes.size(), 1u);
    const auto& pass = rig.host.passes[0];
    ASSERT_EQ(pass.size(), 2u);
    EXPECT_EQ(pass[0].outcome, AttemptOutcome::OpenFailed);
    EXPECT_EQ(pass[0].openError, PortOpenError::NotFound);
    EXPECT_EQ(pass[1].outcome, AttemptOutcome::NoAnswer);
    EXPECT_EQ(rig.host.count("offline"), 1);
    EXPECT_FALSE(rig.port->openIndex() >= 0);
    EXPECT_EQ(hmtest::peer(*rig.link).completedReads(), 0);
}

TEST(EcuLinkEndToEnd, HangUpMidDownloadNeverCompletesWithWrongData) {
    ecusim::EcuOptions options = withType("B337");
    options.faults.hangUpAfter = 15;
    Rig rig(options, 50ms);
    rig.host.defaultAnswer = false;
    rig.start();
    const auto outcome = rig.runUntilReads(1, 40s);
    EXPECT_EQ(outcome, LinkTickLoop::Outcome::TimerEnded);
    EXPECT_EQ(hmtest::peer(*rig.link).completedReads(), 0);
    EXPECT_FALSE(rig.link->linked());
    EXPECT_EQ(rig.host.count("finished"), 0);  // never claimed the ECU's data
}

}  // namespace
