// The erase button's command against the link over a fake port with a scripted ECU.
#include <gtest/gtest.h>

#include <cstring>

#include "ecu/EcuLink.h"
#include "session/EraseCommand.h"
#include "support/EcuLinkTestPeer.h"
#include "support/LinkFixture.h"

using namespace hm;
using namespace hm::ecu;

namespace {

class EraseCommandTest : public hmtest::LinkFixture {
  protected:
    void SetUp() override {
        LinkFixture::SetUp();
        answerWithScriptedEcu();
    }
    // Connects and downloads; the ECU type decides the support level.
    void download(const std::string& type) {
        ecu.type = type;
        make();
        ASSERT_TRUE(readCompletes());
    }
    bool readCompletes() { return runUntilComplete(300) > 0; }
};

}  // namespace

TEST_F(EraseCommandTest, FleetEraseAtLevelOne) {
    download("B400");
    ASSERT_EQ(link->supportLevel(), hm::ecu::SupportLevel::FleetAndRecords);
    int askedLevel = -1;
    const EraseOutcome outcome = runEraseCommand(*link, [&](hm::ecu::SupportLevel level) {
        askedLevel = static_cast<int>(level);
        // Security access is queued before the question.
        EXPECT_TRUE(hmtest::peer(*link).isPending(Request::RequestSeed));
        return EraseSelection{true, 1, 0, 0};
    });
    EXPECT_EQ(outcome.action, EraseAction::FleetErase);
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(askedLevel, 1);
    EXPECT_EQ(host.log.back(), "start FleetErase 52");
    ASSERT_TRUE(readCompletes());
    EXPECT_FALSE(image.hasFleetData());
    EXPECT_EQ(image.stabilityRecordCount, 3u);  // the records stay
    EXPECT_EQ(host.log.back(), "finished FleetErase");
}

TEST_F(EraseCommandTest, NoEntryChosenDisablesTheButtonOnly) {
    download("B400");
    const EraseOutcome outcome = runEraseCommand(*link, [](hm::ecu::SupportLevel) {
        return EraseSelection{true, 1, -1, 0};
    });
    EXPECT_EQ(outcome.action, EraseAction::NothingChosen);
    EXPECT_FALSE(outcome.refused);
    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::EraseFleetBlock));
    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::WriteStabilityRecord));
    EXPECT_EQ(host.count("start"), 1);  // the download's only
}

TEST_F(EraseCommandTest, FleetEraseRefusedAfterTheEcuChangedMeanwhile) {
    download("B400");
    // While the dialog is open a new download finds an ECU with stability records only.
    const EraseOutcome outcome = runEraseCommand(*link, [this](hm::ecu::SupportLevel level) {
        EXPECT_EQ(level, hm::ecu::SupportLevel::FleetAndRecords);
        ecu.type = "B330";
        link->BeginDownload();
        EXPECT_TRUE(readCompletes());
        EXPECT_EQ(link->supportLevel(), hm::ecu::SupportLevel::RecordsOnly);
        return EraseSelection{true, 1, 0, 0};
    });
    EXPECT_EQ(outcome.action, EraseAction::FleetErase);
    EXPECT_TRUE(outcome.refused);
    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::EraseFleetBlock));
}

TEST_F(EraseCommandTest, TheBackupStepRunsBeforeTheEraseAndCanStopIt) {
    download("B400");
    const FleetDataImage before = image;
    // Entry 0 is the fleet erase, entry 1 the stability-record erase (which zeroes the records
    // in the image at once): neither may happen when the backup step says no.
    // (The record erase that goes ahead is covered by the record-erase tests.)
    const std::pair<int, bool> cases[] = {{0, false}, {1, false}, {0, true}};
    for (const auto& c : cases) {
        // Plain locals: clang 14 (the fuzz build) cannot capture structured bindings.
        const int entry = c.first;
        const bool allow = c.second;
        {
            image = before;
            EraseAction seen = EraseAction::None;
            const EraseOutcome outcome = runEraseCommand(
                *link,
                [&](hm::ecu::SupportLevel) {
                    return EraseSelection{true, 1, entry, 0};
                },
                [&](EraseAction a) {
                    seen = a;
                    // Nothing has been sent or changed when the backup is taken.
                    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::EraseFleetBlock));
                    EXPECT_FALSE(hmtest::peer(*link).isPending(Request::WriteStabilityRecord));
                    EXPECT_EQ(std::memcmp(&image, &before, sizeof image), 0);
                    return allow;
                });
            EXPECT_EQ(seen, entry == 0 ? EraseAction::FleetErase : EraseAction::RecordErase);
            EXPECT_EQ(outcome.action, allow ? seen : EraseAction::None);
            EXPECT_EQ(hmtest::peer(*link).isPending(Request::EraseFleetBlock), allow);
            EXPECT_FALSE(hmtest::peer(*link).isPending(Request::WriteStabilityRecord));
            if (!allow) {
                EXPECT_EQ(std::memcmp(&image, &before, sizeof image), 0);
            }
        }
    }
}
