#pragma once
// The write button's command of the main dialog (eraseSelected): security access, the erase
// selection, and the start of the chosen ECU operation. Without a window: the selection is
// asked through a callback (the main dialog runs CClrData there), everything the window shows
// goes through the link host. Window thread only.
#include <functional>

#include "ecu/EcuLink.h"
#include "ecu/LinkHost.h"
#include "mainwindow/core/EraseSelection.h"

namespace hm {

// Asks the user what to erase for an ECU of `supportLevel`; runs modally, so the link timer
// keeps ticking (and the security access runs) while it is open.
using AskEraseSelection = std::function<EraseSelection(ecu::SupportLevel supportLevel)>;

// Runs after the user chose an erase and before anything is sent: the main dialog saves the
// downloaded data there and asks for the final confirmation. False: nothing is erased.
using PrepareErase = std::function<bool(EraseAction action)>;

// 1. Queues RequestSeed, then asks with the link's support level.
// 2. Confirmed with the erase option on and an entry chosen, `prepare` (when set) runs first; when
//    it returns false nothing starts, the write button stays enabled and None is returned.
//    Then: disables the write button and starts the fleet erase
//    (52 progress steps) or the stability-record erase (62 steps; the image's records are zero
//    from this moment). With no entry chosen nothing starts and the button stays disabled
//    until the link enables it again.
// 3. When the link refuses the start although it is still connected (the ECU found on a
//    reconnection while the dialog was open does not support it), shows "ECU Does Not Support
//    Haulmetry" and enables the write button again. Without a link the button stays as the
//    connection state machine left it.
// Returns the action that was decided (None after Cancel).
EraseAction runEraseCommand(ecu::EcuLink& link, ecu::ILinkHost& host,
                            const AskEraseSelection& askSelection,
                            const PrepareErase& prepare = {});

}  // namespace hm
