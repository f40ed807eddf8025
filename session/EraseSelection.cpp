#include "session/EraseSelection.h"

#include <cstddef>

#include "resources/Strings.h"

namespace hm {

std::vector<int> eraseListEntries(ecu::SupportLevel supportLevel) {
    switch (supportLevel) {
        case ecu::SupportLevel::FleetAndRecords:
            return {sid::kExtendedFleetInformation, sid::kStabilitySnapshotInformation};
        case ecu::SupportLevel::RecordsOnly:
            return {sid::kStabilitySnapshotInformation};
        case ecu::SupportLevel::None:
            break;
    }
    return {};
}

EraseAction eraseActionFor(ecu::SupportLevel supportLevel, const EraseSelection& selection) {
    if (!selection.accepted || selection.eraseOption != 1) {
        return EraseAction::None;
    }
    const std::vector<int> entries = eraseListEntries(supportLevel);
    if (selection.chosenEntry < 0 ||
        static_cast<std::size_t>(selection.chosenEntry) >= entries.size()) {
        return EraseAction::NothingChosen;
    }
    switch (entries[static_cast<std::size_t>(selection.chosenEntry)]) {
        case sid::kExtendedFleetInformation:
            return EraseAction::FleetErase;
        case sid::kStabilitySnapshotInformation:
            return EraseAction::RecordErase;
        default:
            return EraseAction::NothingChosen;
    }
}

}  // namespace hm
