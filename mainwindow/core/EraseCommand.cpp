#include "mainwindow/core/EraseCommand.h"

#include "resources/Strings.h"

namespace hm {

EraseAction runEraseCommand(ecu::EcuLink& link, ecu::ILinkHost& host,
                            const AskEraseSelection& askSelection, const PrepareErase& prepare) {
    link.QueueRequestSeed();
    const ecu::SupportLevel level = link.supportLevel();
    const EraseSelection selection = askSelection ? askSelection(level) : EraseSelection{};
    const EraseAction action = eraseActionFor(level, selection);
    if (action == EraseAction::None) {
        return action;
    }
    if (action != EraseAction::NothingChosen && prepare && !prepare(action)) {
        return EraseAction::None;
    }
    host.enableButton(ecu::ctl::kWrite, false);
    bool started = true;
    if (action == EraseAction::FleetErase) {
        started = link.StartFleetErase();
    } else if (action == EraseAction::RecordErase) {
        started = link.StartRecordErase();
    }
    if (!started && link.linked()) {
        host.showMessage(strCopy(sid::kEcuNotSupported), MessageIcon::Exclamation);
        host.enableButton(ecu::ctl::kWrite, true);
    }
    return action;
}

}  // namespace hm
