#pragma once
// What the erase selection dialog offers and what the main dialog does with the user's answer.
// Pure functions, no window: the dialog fills its list from eraseListEntries and hands back an
// EraseSelection; eraseActionFor decides which ECU operation the erase button starts.
#include <vector>

#include "ecu/EcuProtocol.h"

namespace hm {

// The plain result of the erase selection dialog.
struct EraseSelection {
    bool accepted = false;  // ended with OK; the other members mean nothing after Cancel
    int eraseOption = 0;    // 1 when "Select Info To Clear" was on
    int chosenEntry = -1;   // index of the selected list entry, -1 when none
    int writeOption = 0;    // "Write Current Extended Fleet Values To ECU"; cannot be chosen
};

// String ids of the list entries for an ECU support level, in list order:
// level 1: Extended Fleet Information, Stability Snapshot Information; level 2: Stability
// Snapshot Information; any other level: none.
std::vector<int> eraseListEntries(ecu::SupportLevel supportLevel);

enum class EraseAction {
    None,           // cancelled, or the erase option was off: nothing changes
    NothingChosen,  // confirmed with no list entry: the erase button is disabled, nothing starts
    FleetErase,     // erase the ten ECU data blocks, then read them back (52 progress steps)
    RecordErase,    // zero the 32 stability records in the ECU, then read them back (62 steps)
};

// The operation that confirming `selection` starts for an ECU of `supportLevel`. The entry is
// looked up in the list that the dialog showed for that level, so at level 2 entry 0 is the
// stability entry and starts the record erase; the fleet entry is only ever listed for level 1.
// Pass the level that the dialog was shown with.
EraseAction eraseActionFor(ecu::SupportLevel supportLevel, const EraseSelection& selection);

}  // namespace hm
