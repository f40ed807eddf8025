// The two erase flows end to end: the real serial code on a pseudo-terminal against the
// virtual ECU, the link ticking as the window's timer does, the erase selection answered in
// the real dialog, and the stability dialog and graph display reading the image.
#include <gtest/gtest.h>

// Before any Qt header: the virtual ECU's memory has a member named like Qt's "slots" macro.
#include "tools/ecusim/VirtualEcu.h"

#include <QComboBox>
#include <QProgressBar>
#include <QTimer>

#include <memory>

#include "ecu/EcuLink.h"
#include "ecu/LinkTickLoop.h"
#include "ecu/SerialLinkPort.h"
#include "mainwindow/CClrData.h"
#include "mainwindow/core/EraseCommand.h"
#include "mainwindow/core/GraphDisplay.h"
#include "stability/CTable.h"
#include "support/RecordingLinkHost.h"
#include "widgets/CButtonST.h"

using namespace hm;
using namespace std::chrono_literals;

namespace {

int enabledRecordButtons(const CTable& table) {
    int n = 0;
    for (int k = 0; k < kStabilitySlots; ++k) {
        n += table.button(k)->isEnabled() ? 1 : 0;
        EXPECT_EQ(table.bar(k)->isVisibleTo(&table), table.button(k)->isEnabled()) << k;
    }
    return n;
}

class EraseFlowTest : public ::testing::Test {
  protected:
    std::unique_ptr<ecusim::VirtualEcu> ecu;
    std::unique_ptr<ecu::SerialLinkPort> port;
    hmtest::RecordingLinkHost host;
    FleetDataImage image{};
    std::unique_ptr<ecu::EcuLink> link;
    std::unique_ptr<ecu::LinkTickLoop> loop;

    void start(const std::string& ecuType) {
        ecusim::EcuOptions options;
        options.identity.ecuType = ecuType;
        if (qEnvironmentVariableIsSet("HM_TRACE")) {
            options.trace = [](const std::string& line) { fprintf(stderr, "%s\n", line.c_str()); };
        }
        ecu = std::make_unique<ecusim::VirtualEcu>(options);
        ASSERT_TRUE(ecu->start()) << ecu->error();
        port = std::make_unique<ecu::SerialLinkPort>(
            std::vector<ecu::PortEntry>{{1, ecu->devicePath(), "", true}});
        image.clear();
        link = std::make_unique<ecu::EcuLink>(*port, host, image);
        loop = std::make_unique<ecu::LinkTickLoop>(*link);  // the window's 100 ms tick
        ASSERT_TRUE(runUntilReadComplete());
    }
    void TearDown() override {
        link.reset();
        if (ecu) {
            ecu->stop();
        }
    }
    bool runUntilReadComplete() {
        const int before = link->completedReads();
        return loop->run([&] { return link->completedReads() > before; }, 60s) ==
               ecu::LinkTickLoop::Outcome::Finished;
    }
    // The write button: the erase selection dialog runs modally while the link keeps ticking
    // (the security access runs meanwhile); the user then picks `entry` and presses OK.
    EraseAction pressWrite(int entry, int* shownEntries = nullptr) {
        return runEraseCommand(*link, host, [&](int level) {
            CClrData dialog(level);
            QTimer::singleShot(0, &dialog, [&] {
                if (shownEntries != nullptr) {
                    *shownEntries = dialog.entryList()->count();
                }
                const bool accessDone =
                    loop->run(
                        [&] {
                            return !link->IsPending(ecu::Request::RequestSeed) &&
                                   !link->IsPending(ecu::Request::SendKey) &&
                                   !link->IsPending(ecu::Request::StartSession) &&
                                   !link->awaitingResponse();
                        },
                        10s) == ecu::LinkTickLoop::Outcome::Finished;
                EXPECT_TRUE(accessDone);
                EXPECT_TRUE(ecu->securityGranted());
                dialog.entryList()->setCurrentIndex(entry);
                dialog.okButton()->click();
            });
            dialog.exec();
            return dialog.selection();
        });
    }
};

}  // namespace

TEST_F(EraseFlowTest, RecordEraseShowsNoRecordsAtOnceAndTheEcuContentAfterTheReadBack) {
    start("B337");
    ASSERT_EQ(link->supportLevel(), 1);
    const uint32_t downloaded = image.stabilityRecordCount;
    ASSERT_GT(downloaded, 0u);
    ASSERT_TRUE(host.button(ecu::ctl::kWrite));

    EXPECT_EQ(pressWrite(1), EraseAction::RecordErase);
    EXPECT_FALSE(host.button(ecu::ctl::kWrite));
    EXPECT_TRUE(host.progressVisible);
    EXPECT_EQ(host.progressTotal, 62);
    {
        // Before the ECU has answered a single write.
        CTable table(image, nullptr);
        EXPECT_EQ(enabledRecordButtons(table), 0);
    }

    ASSERT_TRUE(runUntilReadComplete());
    const FleetDataImage held = ecusim::imageFromMemory(ecu->memory());
    EXPECT_EQ(held.stabilityRecordCount, 0u);  // the ECU's snapshots were overwritten
    EXPECT_EQ(image.stabilityRecordCount, held.stabilityRecordCount);
    CTable table(image, nullptr);
    EXPECT_EQ(enabledRecordButtons(table), static_cast<int>(held.stabilityRecordCount));
    // Fleet data untouched; progress finished, write button back.
    EXPECT_TRUE(image.hasFleetData());
    EXPECT_FALSE(host.progressVisible);
    EXPECT_TRUE(host.button(ecu::ctl::kWrite));
}

TEST_F(EraseFlowTest, FleetEraseLeavesZeroGraphsAndKeepsTheRecords) {
    start("B337");
    ASSERT_TRUE(image.hasFleetData());
    const uint32_t records = image.stabilityRecordCount;

    EXPECT_EQ(pressWrite(0), EraseAction::FleetErase);
    EXPECT_FALSE(host.button(ecu::ctl::kWrite));
    EXPECT_EQ(host.progressTotal, 52);
    EXPECT_TRUE(host.progressVisible);

    ASSERT_TRUE(runUntilReadComplete());
    EXPECT_FALSE(image.hasFleetData());
    for (int graph = 1; graph <= kGraphCount; ++graph) {
        GraphDisplayRecord record;
        uint32_t shownIntervals = 0;
        computeGraphDisplay(image, graph, record, shownIntervals);
        for (int bar = 0; bar < record.barCount; ++bar) {
            EXPECT_EQ(record.barValues[bar], 0.0f) << "graph " << graph << " bar " << bar;
            EXPECT_EQ(record.secondValues[bar], 0.0f) << "graph " << graph << " bar " << bar;
        }
    }
    // The records the ECU still holds are read back too.
    EXPECT_EQ(image.stabilityRecordCount, records);
    EXPECT_EQ(image.stabilityRecordCount,
              ecusim::imageFromMemory(ecu->memory()).stabilityRecordCount);
    EXPECT_FALSE(host.progressVisible);
    EXPECT_EQ(host.shownGraph, 1);
    EXPECT_TRUE(host.button(ecu::ctl::kWrite));
}

TEST_F(EraseFlowTest, StabilityOnlyEcuErasesRecordsFromItsOnlyEntry) {
    start("B330");
    ASSERT_EQ(link->supportLevel(), 2);
    ASSERT_GT(image.stabilityRecordCount, 0u);
    int shown = -1;
    EXPECT_EQ(pressWrite(0, &shown), EraseAction::RecordErase);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(image.stabilityRecordCount, 0u);
    EXPECT_TRUE(host.messages.empty());
    ASSERT_TRUE(runUntilReadComplete());
    EXPECT_EQ(ecusim::imageFromMemory(ecu->memory()).stabilityRecordCount, 0u);
    EXPECT_EQ(image.stabilityRecordCount, 0u);
    EXPECT_TRUE(host.button(ecu::ctl::kWrite));
}
