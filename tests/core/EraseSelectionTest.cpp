#include <gtest/gtest.h>

#include "mainwindow/core/EraseSelection.h"
#include "resources/Strings.h"

using hm::EraseAction;
using hm::eraseActionFor;
using hm::eraseListEntries;
using hm::EraseSelection;

namespace {

EraseSelection confirmed(int entry) {
    return EraseSelection{true, 1, entry, 0};
}

}  // namespace

TEST(EraseSelection, ListEntriesFollowTheSupportLevel) {
    EXPECT_EQ(eraseListEntries(static_cast<hm::ecu::SupportLevel>(1)),
              (std::vector<int>{231, 232}));
    EXPECT_EQ(eraseListEntries(static_cast<hm::ecu::SupportLevel>(2)), (std::vector<int>{232}));
    for (int level : {0, 3, -1, 255}) {
        EXPECT_TRUE(eraseListEntries(static_cast<hm::ecu::SupportLevel>(level)).empty()) << level;
    }
    EXPECT_EQ(hm::str(231), "Extended Fleet Information");
    EXPECT_EQ(hm::str(232), "Stability Snapshot Information");
}

TEST(EraseSelection, LevelOneEntriesStartTheirErase) {
    EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(1), confirmed(0)),
              EraseAction::FleetErase);
    EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(1), confirmed(1)),
              EraseAction::RecordErase);
    EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(1), confirmed(-1)),
              EraseAction::NothingChosen);
    EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(1), confirmed(2)),
              EraseAction::NothingChosen);
}

TEST(EraseSelection, LevelTwoStabilityEntryStartsTheRecordErase) {
    // Entry 0 at level 2 is "Stability Snapshot Information": never the fleet erase.
    EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(2), confirmed(0)),
              EraseAction::RecordErase);
    EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(2), confirmed(1)),
              EraseAction::NothingChosen);
    EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(2), confirmed(-1)),
              EraseAction::NothingChosen);
}

TEST(EraseSelection, UnsupportedEcuHasNothingToErase) {
    for (int entry : {-1, 0, 1}) {
        EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(0), confirmed(entry)),
                  EraseAction::NothingChosen)
            << entry;
    }
}

TEST(EraseSelection, CancelOrEraseOptionOffChangesNothing) {
    for (int level : {0, 1, 2}) {
        for (int entry : {-1, 0, 1}) {
            EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(level),
                                     EraseSelection{false, 1, entry, 0}),
                      EraseAction::None);
            EXPECT_EQ(eraseActionFor(static_cast<hm::ecu::SupportLevel>(level),
                                     EraseSelection{true, 0, entry, 1}),
                      EraseAction::None);
        }
    }
}
