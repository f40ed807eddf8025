#pragma once
// The erase button's command of the main dialog: security access, the erase
// selection, and the start of the chosen ECU operation. Without a window: the selection is
// asked through a callback (the main dialog runs CClrData there); what the window shows follows
// from the outcome and the link's events. Window thread only.
#include <functional>

#include "ecu/EcuLink.h"
#include "session/EraseSelection.h"

namespace hm {

// Asks the user what to erase for an ECU of `supportLevel`; runs modally, so the link timer
// keeps ticking (and the security access runs) while it is open.
using AskEraseSelection = std::function<EraseSelection(ecu::SupportLevel supportLevel)>;

// Runs after the user chose an erase and before anything is sent: the main dialog saves the
// downloaded data there and asks for the final confirmation. False: nothing is erased.
using PrepareErase = std::function<bool(EraseAction action)>;

// What the command did: the action decided (None after Cancel or when `prepare` said no), and
// whether the link refused to start it although the ECU is still connected (the ECU found on a
// reconnection while the dialog was open does not support it; the caller then shows "ECU Does
// Not Support Haulmetry" and offers the erase again).
struct EraseOutcome {
    EraseAction action = EraseAction::None;
    bool refused = false;
};

// 1. Queues RequestSeed, then asks with the link's support level.
// 2. Confirmed with the erase option on and an entry chosen, `prepare` (when set) runs first; when
//    it returns false nothing starts and the action is None. Then it starts the fleet erase
//    (52 progress steps) or the stability-record erase (62 steps; the image's records are zero
//    from this moment). With no entry chosen (NothingChosen) nothing starts.
// The erase button's state is the caller's: off from a decided action until the link has
// started or finished an operation, on again after a refusal.
EraseOutcome runEraseCommand(ecu::EcuLink& link, const AskEraseSelection& askSelection,
                             const PrepareErase& prepare = {});

}  // namespace hm
