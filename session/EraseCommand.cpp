#include "session/EraseCommand.h"

namespace hm {

EraseOutcome runEraseCommand(ecu::EcuLink& link, const AskEraseSelection& askSelection,
                             const PrepareErase& prepare) {
    link.queueRequestSeed();
    const ecu::SupportLevel level = link.supportLevel();
    const EraseSelection selection = askSelection ? askSelection(level) : EraseSelection{};
    EraseOutcome outcome{eraseActionFor(level, selection), false};
    if (outcome.action == EraseAction::None) {
        return outcome;
    }
    if (outcome.action != EraseAction::NothingChosen && prepare && !prepare(outcome.action)) {
        return EraseOutcome{};
    }
    bool started = true;
    if (outcome.action == EraseAction::FleetErase) {
        started = link.startFleetErase();
    } else if (outcome.action == EraseAction::RecordErase) {
        started = link.startRecordErase();
    }
    outcome.refused = !started && link.linked();
    return outcome;
}

}  // namespace hm
