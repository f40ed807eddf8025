#include <gtest/gtest.h>

#include "resources/Strings.h"
#include "session/EraseSelection.h"

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

TEST(EraseSelection, AConfirmedEntryStartsTheEraseItNamesAtItsLevel) {
    struct Row {
        int level;
        int entry;
        EraseAction action;
    };
    const Row rows[] = {
        {1, 0, EraseAction::FleetErase},
        {1, 1, EraseAction::RecordErase},
        {1, -1, EraseAction::NothingChosen},
        {1, 2, EraseAction::NothingChosen},
        // Entry 0 at level 2 is "Stability Snapshot Information": never the fleet erase.
        {2, 0, EraseAction::RecordErase},
        {2, 1, EraseAction::NothingChosen},
        {2, -1, EraseAction::NothingChosen},
        // An unsupported ECU has nothing to erase.
        {0, -1, EraseAction::NothingChosen},
        {0, 0, EraseAction::NothingChosen},
        {0, 1, EraseAction::NothingChosen},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(
            eraseActionFor(static_cast<hm::ecu::SupportLevel>(row.level), confirmed(row.entry)),
            row.action)
            << "level " << row.level << ", entry " << row.entry;
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
