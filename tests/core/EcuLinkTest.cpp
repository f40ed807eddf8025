// The ECU link driven tick by tick over a fake port: request bytes, decoding, the connection
// state machine's timing, the erase sequences and the checks on received frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "ecu/EcuLink.h"
#include "ecusim/EcuResponder.h"
#include "support/EcuLinkTestPeer.h"
#include "support/LinkFixture.h"

using namespace hm;
using namespace hm::ecu;
using hmtest::Bytes;
using hmtest::frameOf;
using hmtest::hex;

namespace {

class EcuLinkTest : public hmtest::LinkFixture {
  protected:
    // Ticks until the link polls (state 10) with the scripted ECU answering.
    void connectToEcu() {
        answerWithScriptedEcu();
        make();
        tick(4);
        ASSERT_EQ(link->linkState(), LinkState::Polling);
    }
    std::vector<std::string> writtenHex(size_t from = 0) const {
        std::vector<std::string> out;
        for (size_t i = from; i < port.writes.size(); ++i) {
            out.push_back(hex(port.writes[i]));
        }
        return out;
    }
};

TEST_F(EcuLinkTest, RequestFramesCarryVariableBytesAndChecksum) {
    make();
    ASSERT_TRUE(port.OpenPort(0));
    hmtest::peer(*link).SendRequest(Request::ReadVehicleIdent);
    hmtest::peer(*link).setBlockNumber(3);
    hmtest::peer(*link).SendRequest(Request::ReadFleetBlock);
    hmtest::peer(*link).setBlockNumber(0);
    hmtest::peer(*link).SendRequest(Request::EraseFleetBlock);
    hmtest::peer(*link).SendRequest(Request::ReadStabilityRecord);
    hmtest::peer(*link).SendRequest(Request::RequestSeed);
    hmtest::peer(*link).SendRequest(Request::StopSession);
    EXPECT_EQ(writtenHex(),
              (std::vector<std::string>{"03 1A 90 AD", "04 21 24 03 4C", "04 31 0E 00 43",
                                        "04 21 39 00 5E", "03 27 05 2F", "02 20 22"}));
    EXPECT_TRUE(hmtest::peer(*link).awaitingResponse());
}

TEST_F(EcuLinkTest, EcuTypeClassification) {
    const std::pair<const char*, int> cases[] = {
        {"B337", 1},
        {"B336", 2},
        {"B321", 2},
        {"B320", 0},
        {"D400", 1},
        {"C337", 1},
        {"X299", 1},
        {"X298", 0},
        {"A999", 0},
        {"b400", 0},
        {"B3", 0},
        // Only the low four bits of characters 2..4 count, whatever the character is.
        {"Bs7w", 1},  // 3, 7, 7
        {"B\x1b"
         "37",
         1},  // 11, 3, 7: 1137
        {"X3\x7f"
         "9",
         1},                   // 3, 15, 9
        {"B33\xb7", 1},        // 3, 3, 7
        {"B\x03\x02\x01", 2},  // 321
        {"\x02"
         "400",
         0},  // the letter must match exactly
    };
    for (const auto& [type, level] : cases) {
        EXPECT_EQ(static_cast<int>(ClassifyEcuType(type)), level) << type;
    }
}

TEST_F(EcuLinkTest, ProbeAnswerDigitsAndSilentPortsTakeNineTicksEach) {
    port.ports() = {{1, "/dev/a", true}, {3, "/dev/b", true}};
    host.defaultAnswer = true;
    make();
    tick(9);
    EXPECT_EQ(port.openCalls, (std::vector<int>{0}));
    EXPECT_EQ(writtenHex(), (std::vector<std::string>{"02 90 92", "02 90 92"}));
    EXPECT_EQ(port.closeCalls, 1);
    EXPECT_TRUE(host.passes.empty());
    tick(8);
    EXPECT_TRUE(host.passes.empty());
    tick(1);  // the 18th tick gives up COM3 and ends the pass
    EXPECT_EQ(port.openCalls, (std::vector<int>{0, 1}));
    ASSERT_EQ(host.passes.size(), 1u);
    tick(1);  // retried: the next pass starts with the first port
    EXPECT_EQ(port.openCalls.back(), 0);

    // Digits 0, 0, 0 give 0, which is no link; 1, 2, 3 give 123.
    ASSERT_TRUE(port.deliver(frameOf({0xD0, 0x00, '0', '0', '0'})));
    tick(1);
    EXPECT_EQ(hmtest::peer(*link).linkAnswer(), 0);
    EXPECT_FALSE(link->linked() && link->linkState() == LinkState::Connected);
    ASSERT_TRUE(port.deliver(frameOf({0xD0, 0x00, '1', '2', '3'})));
    tick(1);
    EXPECT_EQ(hmtest::peer(*link).linkAnswer(), 123);
    EXPECT_EQ(link->linkState(), LinkState::Connected);
}

TEST_F(EcuLinkTest, NoPortAsksAtOnceAndNoGoesOffline) {
    port.ports().clear();
    host.answers = {false};
    make();
    EXPECT_FALSE(link->OnLinkTimer());
    EXPECT_EQ(host.passes.size(), 1u);
    EXPECT_EQ(host.count("offline"), 1);
    EXPECT_EQ(link->linkState(), LinkState::Offline);
    tick(5);
    EXPECT_EQ(host.passes.size(), 1u);
    EXPECT_TRUE(port.openCalls.empty());
}

// Every port of a pass is reported with what became of it; after the user chose to work
// offline a retry starts a new pass from the first port.
TEST_F(EcuLinkTest, APassReportsEachPortAndARetryAfterOfflineSearchesAgain) {
    port.ports() = {{1, "/dev/busy", false},
                    {2, "/dev/silent", true},
                    {3, "/dev/noisy", true},
                    {4, "/dev/unplugged", true, true}};
    port.responder = [this](const Bytes&) {  // the third port answers with damaged frames only
        Bytes bad = frameOf({0xD0, 0x00, '1', '0', '0'});
        bad.back() ^= 0x01;
        return port.openIndex() == 2 ? std::vector<Bytes>{bad} : std::vector<Bytes>{};
    };
    host.answers = {false};
    make();
    tick(1 + 9 + 9 + 9);  // a port that fails to open takes one tick, a silent one nine
    ASSERT_EQ(host.passes.size(), 1u);
    struct Row {
        AttemptOutcome outcome;
        PortOpenError error;
        int badFrames;
    };
    const Row rows[] = {{AttemptOutcome::OpenFailed, PortOpenError::Busy, 0},
                        {AttemptOutcome::NoAnswer, PortOpenError::None, 0},
                        {AttemptOutcome::BadFrames, PortOpenError::None, 2},
                        {AttemptOutcome::HungUp, PortOpenError::None, 0}};
    ASSERT_EQ(host.passes[0].size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const PortAttempt& a = host.passes[0][i];
        EXPECT_EQ(a.index, static_cast<int>(i));
        EXPECT_EQ(a.port.number, static_cast<int>(i) + 1);
        EXPECT_EQ(a.outcome, rows[i].outcome) << i;
        EXPECT_EQ(a.openError, rows[i].error) << i;
        EXPECT_EQ(a.badFrames, rows[i].badFrames) << i;
    }
    EXPECT_EQ(link->linkState(), LinkState::Offline);
    EXPECT_FALSE(link->OnLinkTimer());
    const size_t opens = port.openCalls.size();
    link->retry();
    tick(2);
    EXPECT_EQ(port.openCalls, (std::vector<int>{0, 1, 2, 3, 0, 1}));
    EXPECT_EQ(opens, 4u);
    EXPECT_EQ(host.attempts.size(), 5u);  // the new pass reports its own attempts
}

TEST_F(EcuLinkTest, AReceiveThreadThatCannotStartIsAnErrorAndThePortIsLeft) {
    port.receiveThreadFails = true;
    host.answers = {false};
    make();
    tick();
    EXPECT_EQ(host.notices, std::vector<LinkNotice>{LinkNotice::ReceiveFailed});
    EXPECT_FALSE(port.isOpen());
    ASSERT_EQ(host.attempts.size(), 1u);
    EXPECT_EQ(host.attempts[0].outcome, AttemptOutcome::NoReader);
    EXPECT_TRUE(port.writes.empty());   // never probed without a reader
    EXPECT_EQ(host.passes.size(), 1u);  // the pass over the one port is over
}

TEST_F(EcuLinkTest, AnswerSeenInTickAfterProbeAndFirstRequestTwoTicksLater) {
    answerWithScriptedEcu();
    make();
    tick(1);  // open
    EXPECT_EQ(host.log, (std::vector<std::string>{"searching 0/1", "probing 0"}));
    tick(1);  // probe, answered between ticks
    EXPECT_EQ(link->linkState(), LinkState::FirstWait1);
    tick(1);  // state 2 sees the answer
    EXPECT_EQ(link->linkState(), LinkState::Connected);
    EXPECT_EQ(port.writes.size(), 1u);
    tick(1);  // connected: download begins, nothing sent yet
    EXPECT_EQ(host.connectedPort.port.number, 1);
    EXPECT_EQ(host.connectedPort.port.path, "/dev/fake1");
    EXPECT_EQ(host.log.back(), "start Download 42");
    EXPECT_EQ(port.writes.size(), 1u);
    tick(1);
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(hex(port.writes[1]), "03 1A 90 AD");
}

TEST_F(EcuLinkTest, Level1DownloadFillsImageInFortyFourExchanges) {
    connectToEcu();
    const int ticks = runUntilComplete();
    EXPECT_EQ(ticks, 45);  // 44 one-per-tick exchanges, the last answer handled a tick later
    EXPECT_EQ(port.writes.size(), 1u + 44u);
    EXPECT_EQ(image.vehicleIdentString(), ecu.ident);
    EXPECT_EQ(host.ecuTypeText, "B400");
    EXPECT_EQ(link->supportLevel(), hm::ecu::SupportLevel::FleetAndRecords);
    for (int b = 0; b < 10; ++b) {
        for (int i = 0; i < FleetDataImage::blockWords(b); ++i) {
            ASSERT_EQ(image.block(b)[i], ecu.blocks[static_cast<size_t>(b)][static_cast<size_t>(i)])
                << "block " << b << " entry " << i;
        }
    }
    // Records 1, 3, 4 non-empty with descending odometers: stored without gaps, sorted.
    ASSERT_EQ(image.stabilityRecordCount, 3u);
    EXPECT_EQ(image.stabilityRecords[0].odometer, 700000u);
    EXPECT_EQ(image.stabilityRecords[2].odometer, 900000u);
    EXPECT_EQ(image.stabilityRecords[2].stabilitySensorOutput, 10);
    EXPECT_EQ(hex(port.writes[13]), "04 21 39 00 5E");
    EXPECT_EQ(hex(port.writes[44]), "04 21 39 1F 7D");
    EXPECT_EQ(host.count("step"), kDownloadSteps);
    EXPECT_EQ(host.log.back(), "finished Download");
    EXPECT_EQ(hmtest::peer(*link).selectedRecord(), 0);
    tick(3);  // nothing pending: the link stays idle
    EXPECT_EQ(port.writes.size(), 45u);
}

TEST_F(EcuLinkTest, Level2ReadsRecordsOnlyAndShowsNoGraph) {
    ecu.type = "B330";
    connectToEcu();
    EXPECT_EQ(runUntilComplete(), 35);
    EXPECT_EQ(link->supportLevel(), hm::ecu::SupportLevel::RecordsOnly);
    EXPECT_FALSE(image.hasFleetData());
    EXPECT_EQ(image.stabilityRecordCount, 3u);
    EXPECT_EQ(host.log.back(), "finished Download");
}

TEST_F(EcuLinkTest, BlockDecodingOnlyForTheRequestedBlockAndNumberAboveNine) {
    connectToEcu();
    tick(2);                   // identification and type answered
    port.responder = nullptr;  // from here the test answers
    tick();                    // block 0 requested
    ASSERT_TRUE(hmtest::peer(*link).isPending(Request::ReadFleetBlock));
    const auto block = [](uint8_t b, Bytes head, uint8_t fill = 0) {
        head.insert(head.begin(), {0x61, 0x24, b});
        head.resize(3 + 64, fill);
        return frameOf(head);
    };
    const auto deliver = [&](const Bytes& f) {
        hmtest::peer(*link).HandleFrame(f.data(), f.size());
    };
    deliver(block(0, {0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(image.brakeTimeByPressure[0], 16777216u);
    EXPECT_EQ(hmtest::peer(*link).blockNumber(), 1);

    // Block 4 was never asked for: dropped whether a request is outstanding or not.
    deliver(block(4, {0x01, 0x02}));
    tick();  // block 1 requested
    deliver(block(4, {0x01, 0x02}));
    EXPECT_EQ(image.brakeAppsByDistance[0], 0u);
    EXPECT_EQ(link->droppedFrames(), 2);
    EXPECT_TRUE(hmtest::peer(*link).awaitingResponse());

    deliver(block(1, {}));
    hmtest::peer(*link).setBlockNumber(4);
    tick();  // block 4 requested
    deliver(block(4, {0x01, 0x02}));
    EXPECT_EQ(image.brakeAppsByDistance[0], 258u);

    // An ECU asked for block 12 ends the block read without data and without records.
    hmtest::peer(*link).setBlockNumber(12);
    tick();
    const FleetDataImage before = image;
    deliver(block(12, {}, 0x55));
    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::ReadFleetBlock));
    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::ReadStabilityRecord));
    EXPECT_EQ(std::memcmp(&before, &image, sizeof image), 0);
}

TEST_F(EcuLinkTest, ResponsePendingExtendsTheWaitABoundedNumberOfTimes) {
    connectToEcu();
    port.responder = nullptr;
    tick();  // the identification request goes out
    ASSERT_TRUE(hmtest::peer(*link).awaitingResponse());
    const Bytes pending = frameOf({0x7F, 0x1A, 0x78});
    const Bytes foreignPending = frameOf({0x7F, 0x21, 0x78});
    int ticks = 0;
    for (int i = 0; i < kMaxPendingExtensions; ++i) {
        tick(kResponseTickLimit - 1);
        ticks += kResponseTickLimit - 1;
        hmtest::peer(*link).HandleFrame(foreignPending.data(),
                                        foreignPending.size());  // not ours: no effect
        hmtest::peer(*link).HandleFrame(pending.data(), pending.size());
        ASSERT_EQ(link->linkState(), LinkState::Polling) << "timed out after " << ticks << " ticks";
    }
    EXPECT_EQ(hmtest::peer(*link).pendingExtensions(), kMaxPendingExtensions);
    hmtest::peer(*link).HandleFrame(pending.data(),
                                    pending.size());  // one too many: no further extension
    EXPECT_EQ(link->droppedFrames(), kMaxPendingExtensions + 1);
    tick(kPendingTickLimit);
    EXPECT_TRUE(hmtest::peer(*link).awaitingResponse());
    tick();
    EXPECT_EQ(link->linkState(), LinkState::OpenPort);
    EXPECT_EQ(link->lastFailedRequest(), "ReadVehicleIdent");
    EXPECT_EQ(link->failuresWithoutProgress(), 1);
    ASSERT_EQ(writtenHex().back(), "03 1A 90 AD");  // the request was never sent twice
    EXPECT_EQ(std::count(port.writes.begin(), port.writes.end(), port.writes.back()), 1);
}

// The whole 20-byte field is what a data file stores: nothing of the answer may stay behind the
// terminator, and an answer that starts with a zero byte is an empty identification.
TEST_F(EcuLinkTest, IdentificationFieldHoldsTheTextThenZeros) {
    using namespace std::string_literals;
    const struct {
        std::string answer;
        std::string field;  // all 20 bytes
    } cases[] = {
        {std::string(17, '\0'), "xxx"s + std::string(17, '\0')},
        {"\0HAULTEST00000042"s, "xxx"s + std::string(17, '\0')},
        {"AB\0CDEFGHIJKLMNOP"s, "AB"s + std::string(18, '\0')},
        {"1HAULTEST00000042", "1HAULTEST00000042"s + std::string(3, '\0')},
    };
    for (const auto& c : cases) {
        link.reset();
        ecu.ident = c.answer;
        image.clear();
        std::memset(image.vehicleIdent, 0x55, sizeof(image.vehicleIdent));
        connectToEcu();
        tick(2);
        EXPECT_EQ(std::string(image.vehicleIdent, sizeof(image.vehicleIdent)), c.field)
            << "answer " << (&c - cases);
    }
}

TEST_F(EcuLinkTest, MissingResponseTimesOutAtTwentyFirstTickAndReopensSamePort) {
    port.ports() = {{1, "/dev/a", false}, {4, "/dev/b", true}};
    answerWithScriptedEcu();
    make();
    tick(6);  // COM1 fails, COM4 opens, probe, answer, connected
    ASSERT_EQ(link->linkState(), LinkState::Polling);
    ecu.silent = true;
    tick(1);  // the identification request goes out
    ASSERT_TRUE(hmtest::peer(*link).awaitingResponse());
    const size_t opensBefore = port.openCalls.size();
    tick(20);
    EXPECT_EQ(hmtest::peer(*link).responseTicks(), 20);
    EXPECT_TRUE(port.isOpen());
    tick(1);  // 21st tick after the send
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(hmtest::peer(*link).linkAnswer(), -1);
    EXPECT_EQ(link->linkState(), LinkState::OpenPort);
    EXPECT_EQ(host.lostWaitingFor, std::vector<std::string>{"ReadEcuType"});
    tick(1);
    ASSERT_EQ(port.openCalls.size(), opensBefore + 1);
    EXPECT_EQ(port.openCalls.back(), 1);
}

TEST_F(EcuLinkTest, AnswerArrivingWhilePortIsGivenUpDoesNotCountForTheNextPort) {
    port.ports() = {{1, "/dev/a", true}, {2, "/dev/b", true}};
    make();
    tick(8);
    ASSERT_EQ(link->linkState(), LinkState::GiveUp);
    // The receive thread queues a late probe answer just before the port closes.
    port.beforeClose = [this] { port.deliver(frameOf({0xD0, 0x00, '1', '0', '0'})); };
    tick(1);
    port.beforeClose = nullptr;
    tick(3);  // open COM2, probe, first wait
    EXPECT_EQ(port.openCalls, (std::vector<int>{0, 1}));
    EXPECT_EQ(hmtest::peer(*link).linkAnswer(), -1);
    EXPECT_EQ(link->linkState(), LinkState::FirstWait2);
}

TEST_F(EcuLinkTest, SecurityAccessSendsKeyOrSkipsItForKeyZero) {
    connectToEcu();
    runUntilComplete();
    const size_t mark = port.writes.size();
    link->queueRequestSeed();
    tick(4);
    const auto sent = writtenHex(mark);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0], "03 27 05 2F");
    EXPECT_EQ(hmtest::peer(*link).securitySeed(), 0x1234);
    EXPECT_EQ(hmtest::peer(*link).securityKey(), DeriveKey(0x1234));
    const uint16_t key = DeriveKey(0x1234);
    EXPECT_EQ(port.writes[mark + 1],
              frameOf({0x27, 0x06, static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)}));
    EXPECT_EQ(sent[2], "03 10 84 97");
    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::StartSession));
}

TEST_F(EcuLinkTest, KeyZeroGoesStraightToStartSession) {
    answerWithScriptedEcu();
    make(KeyConstants{0, 0, 1});  // every seed derives to 0
    tick(4);
    runUntilComplete();
    const size_t mark = port.writes.size();
    link->queueRequestSeed();
    tick(3);
    EXPECT_EQ(writtenHex(mark), (std::vector<std::string>{"03 27 05 2F", "03 10 84 97"}));
}

TEST_F(EcuLinkTest, NegativeResponsesRepeatTheRequestEveryTick) {
    connectToEcu();
    ecu.rejectNext = 5;
    tick(6);
    // Five rejections of the identification request, then it is accepted.
    const auto sent = writtenHex(1);
    ASSERT_EQ(sent.size(), 6u);
    for (const auto& s : sent) {
        EXPECT_EQ(s, "03 1A 90 AD");
    }
    tick(1);
    EXPECT_EQ(hex(port.writes.back()), "03 21 64 88");
}

TEST_F(EcuLinkTest, UnsupportedEcuMessageOncePerRun) {
    ecu.type = "A999";
    connectToEcu();
    tick(3);  // identification, type, and the type answer handled
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(link->supportLevel(), hm::ecu::SupportLevel::None);
    EXPECT_EQ(host.notices, std::vector<LinkNotice>{LinkNotice::UnsupportedEcu});
    EXPECT_EQ(link->linkState(), LinkState::Stopped);
    EXPECT_EQ(hmtest::peer(*link).linkAnswer(), -1);
    EXPECT_FALSE(link->OnLinkTimer());
    EXPECT_TRUE(link->requestClose());  // no link: closes at once
    // A second unsupported answer in the same run shows nothing.
    const Bytes again = frameOf({0x61, 0x64, 'A', '9', '9', '9'});
    hmtest::peer(*link).HandleFrame(again.data(), again.size());
    EXPECT_EQ(host.notices.size(), 1u);
}

TEST_F(EcuLinkTest, CloseDuringADownloadStopsTheSessionNextAndItsAnswerEndsTheDialog) {
    connectToEcu();
    tick(3);  // download under way, a request outstanding
    const size_t sent = port.writes.size();
    EXPECT_FALSE(link->requestClose());
    EXPECT_TRUE(hmtest::peer(*link).isPending(Request::StopSession));
    tick(2);  // the outstanding answer is handled, then the stop goes out instead of a read
    ASSERT_EQ(port.writes.size(), sent + 1);
    EXPECT_EQ(hex(port.writes.back()), "02 20 22");
    tick(1);
    EXPECT_EQ(host.count("closeDone"), 1);
    EXPECT_EQ(host.count("finished"), 0);
    EXPECT_TRUE(link->requestClose());  // a second close ends at once
}

TEST_F(EcuLinkTest, CloseWhileProbingStopsTheSessionInsteadOfDownloading) {
    answerWithScriptedEcu();
    make();
    tick(3);  // probed and answered, not yet connected
    ASSERT_TRUE(link->linked());
    EXPECT_FALSE(link->requestClose());
    tick(3);
    EXPECT_EQ(host.count("start Download"), 0);
    EXPECT_EQ(hex(port.writes.back()), "02 20 22");
    EXPECT_EQ(host.count("closeDone"), 1);
}

// The line hanging up (adapter unplugged, the ECU gone) ends the connection at the next tick,
// while idle as well as while a request waits, not at a request's time-out.
TEST_F(EcuLinkTest, AHungUpLineIsALostConnectionAtTheNextTick) {
    for (const bool idle : {true, false}) {
        SCOPED_TRACE(idle ? "idle" : "waiting for an answer");
        host = {};
        port.ports() = {{1, "/dev/a", true}};
        connectToEcu();
        if (idle) {
            runUntilComplete();
        } else {
            ecu.silent = true;
            tick(1);
            ASSERT_TRUE(hmtest::peer(*link).awaitingResponse());
        }
        port.ports()[0].hangsUp = true;
        tick(1);
        EXPECT_EQ(link->linkState(), LinkState::OpenPort);
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(hmtest::peer(*link).linkAnswer(), -1);
        EXPECT_EQ(host.log.back(), idle ? "hung up " : "hung up ReadVehicleIdent");
        EXPECT_EQ(link->lastFailure(), "line hung up");
        ecu.silent = false;
    }
}

TEST_F(EcuLinkTest, FleetEraseClearsBlocksInOrderThenReadsBack) {
    connectToEcu();
    runUntilComplete();
    ASSERT_TRUE(image.hasFleetData());
    const size_t mark = port.writes.size();
    ASSERT_TRUE(link->startFleetErase());
    EXPECT_EQ(host.progressTotal, kFleetEraseSteps);
    EXPECT_EQ(runUntilComplete(), 53);
    const auto sent = writtenHex(mark);
    ASSERT_EQ(sent.size(), 52u);
    EXPECT_EQ(sent[0], "04 31 0E 00 43");
    EXPECT_EQ(sent[9], "04 31 0E 09 4C");
    EXPECT_EQ(sent[10], "04 21 24 00 49");
    EXPECT_EQ(sent[19], "04 21 24 09 52");
    EXPECT_EQ(sent[20], "04 21 39 00 5E");
    EXPECT_FALSE(image.hasFleetData());
    EXPECT_EQ(host.count("step") - 42, 52);
    EXPECT_EQ(host.log.back(), "finished FleetErase");
}

TEST_F(EcuLinkTest, RecordEraseWritesThirtyTwoZeroRecordsThenReadsBack) {
    connectToEcu();
    runUntilComplete();
    ASSERT_EQ(image.stabilityRecordCount, 3u);
    const size_t mark = port.writes.size();
    ASSERT_TRUE(link->startRecordErase());
    EXPECT_EQ(image.stabilityRecordCount, 0u);  // at once, before the ECU answers
    EXPECT_EQ(host.progressTotal, kRecordEraseSteps);
    EXPECT_EQ(runUntilComplete(), 65);
    ASSERT_EQ(port.writes.size() - mark, 64u);
    Bytes record5{0x3B, 0x39, 0x05};
    record5.resize(3 + 16, 0);
    EXPECT_EQ(port.writes[mark + 5], frameOf(record5));
    EXPECT_EQ(port.writes[mark + 5].back(), 0x8D);
    EXPECT_EQ(hex(port.writes[mark + 32]), "04 21 39 00 5E");
    EXPECT_EQ(image.stabilityRecordCount, 0u);
    // The 32 writes, then the read-back on the same bar.
    const auto readBack = std::find(host.log.begin(), host.log.end(), "start ReadBack 62");
    ASSERT_NE(readBack, host.log.end());
    EXPECT_EQ(std::count(host.log.begin(), readBack, "step"), 42 + 32);
    EXPECT_EQ(host.log.back(), "finished ReadBack");
}

// An answer still on the wire when a new sequence starts ends the wait but does not move the new
// sequence: the record erase starts again at record 0 and stores nothing from the old read.
TEST_F(EcuLinkTest, AnswerToARequestSentBeforeAnEraseStartsDoesNotMoveTheErase) {
    connectToEcu();
    tick(3);  // identification, type, block 0 requested and answered at once
    port.responder = nullptr;
    link->drainFrames();
    hmtest::peer(*link).setBlockNumber(9);
    tick();  // block 9 requested
    const Bytes block9 = ecu(port.writes.back())[0];
    hmtest::peer(*link).HandleFrame(block9.data(), block9.size());
    tick();  // record 0 requested, not answered
    ASSERT_TRUE(hmtest::peer(*link).isPending(Request::ReadStabilityRecord));
    ASSERT_TRUE(hmtest::peer(*link).awaitingResponse());
    ASSERT_TRUE(link->startRecordErase());
    const Bytes late = ecu(port.writes.back())[0];
    hmtest::peer(*link).HandleFrame(late.data(), late.size());
    EXPECT_FALSE(hmtest::peer(*link).awaitingResponse());
    EXPECT_EQ(hmtest::peer(*link).selectedRecord(), 0);
    EXPECT_EQ(image.stabilityRecordCount, 0u);
}

// Confirming the erase before the security handshake has run: the handshake still goes first,
// although the cursor stands past it, so the ECU grants access and the erase completes.
TEST_F(EcuLinkTest, EraseStartedAtOnceStillWaitsForTheHandshakeInTheRing) {
    ecu.requireAccess = true;
    connectToEcu();
    runUntilComplete();
    // Where an idle ring parks its cursor depends on the ring's size: put it past the handshake.
    hmtest::peer(*link).setPollCursor(kRingSize - 1);
    ASSERT_GT(hmtest::peer(*link).pollCursor(), static_cast<int>(Request::StartSession));
    const size_t mark = port.writes.size();
    link->queueRequestSeed();
    ASSERT_TRUE(link->startRecordErase());
    EXPECT_EQ(runUntilComplete(), 3 + 65);
    const auto sent = writtenHex(mark);
    EXPECT_EQ(sent[0], "03 27 05 2F");
    EXPECT_EQ(sent[1].substr(0, 8), "05 27 06");
    EXPECT_EQ(sent[2], "03 10 84 97");
    EXPECT_EQ(sent[3].substr(0, 11), "14 3B 39 00");
    EXPECT_EQ(ecu.erased.size(), 32u);
}

TEST_F(EcuLinkTest, EraseStartsAreRefusedWithoutSupport) {
    ecu.type = "B330";  // stability records only
    connectToEcu();
    runUntilComplete();
    EXPECT_FALSE(link->startFleetErase());
    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::EraseFleetBlock));
    EXPECT_TRUE(link->startRecordErase());
}

// Frames whose checksum is wrong, or that are shorter than their handling reads, never touch
// the image and leave the request outstanding, so the time-out and a fresh download follow.
TEST_F(EcuLinkTest, DamagedOrShortFramesAreIgnored) {
    connectToEcu();
    tick(3);  // identification, type, block 0 requested
    ASSERT_TRUE(hmtest::peer(*link).awaitingResponse());
    const FleetDataImage before = image;
    const int steps = host.count("step");

    Bytes block{0x61, 0x24, 0x00};
    block.resize(3 + 64, 0x77);
    Bytes badSum = frameOf(block);
    badSum.back() ^= 0x01;
    Bytes flipped = frameOf(block);
    flipped[10] ^= 0x40;  // a corrupted data byte
    const std::vector<Bytes> rejects = {
        badSum,
        flipped,
        frameOf({0x61, 0x24, 0x00}),                 // block without its 64 bytes
        frameOf({0x61, 0x39, 0x00, 1, 2, 3, 4, 5}),  // record without its payload
        frameOf({0x5A, 0x90, 'A', 'B'}),             // identification cut short
        frameOf({0x61, 0x64, 'B', '4'}),             // type cut short
        frameOf({0x67, 0x05, 0x12}),                 // seed cut short
        frameOf({0x21, 0x24, 0x00}),                 // echo of a request
        Bytes{0x05, 0x61, 0x24},                     // length byte disagrees
        Bytes{},
    };
    for (const Bytes& f : rejects) {
        hmtest::peer(*link).HandleFrame(f.data(), f.size());
        EXPECT_TRUE(hmtest::peer(*link).awaitingResponse()) << hex(f);
    }
    EXPECT_EQ(std::memcmp(&before, &image, sizeof image), 0);
    EXPECT_EQ(host.count("step"), steps);
    EXPECT_EQ(hmtest::peer(*link).blockNumber(), 0);
}

}  // namespace

// Every request of the table, as the link writes it, is answered by the virtual ECU, and the
// link takes that answer: the table's frames, the link's checks and the ECU's answers agree.
TEST_F(EcuLinkTest, EveryRequestOfTheTableIsAnsweredByTheVirtualEcuAndTheAnswerTaken) {
    hm::ecusim::EcuResponder ecu(hm::ecusim::EcuIdentity{}, hm::ecusim::makeDemoMemory());
    make();
    ASSERT_TRUE(port.OpenPort(0));
    // The handshake first and the session's end last, so that the erase and write are granted.
    std::vector<Request> order;
    for (const RequestEntry& entry : kRequests) {
        if (entry.request != Request::StopSession) {
            order.push_back(entry.request);
        }
    }
    order.push_back(Request::StopSession);
    for (const Request request : order) {
        SCOPED_TRACE(requestName(request));
        hmtest::peer(*link).SendRequest(request);
        const Bytes answer = ecu.respond(port.writes.back().data(), port.writes.back().size());
        ASSERT_GE(answer.size(), 3u);
        EXPECT_EQ(answer[1], requestEntry(request).answerService()) << hex(answer);
        const int dropped = link->droppedFrames();
        hmtest::peer(*link).HandleFrame(answer.data(), answer.size());
        EXPECT_EQ(link->droppedFrames(), dropped);
        EXPECT_FALSE(hmtest::peer(*link).awaitingResponse());
    }
    EXPECT_EQ(link->failuresWithoutProgress(), 0);
    EXPECT_EQ(host.count("closeDone"), 1);
}
