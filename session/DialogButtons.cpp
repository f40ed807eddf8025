#include "session/DialogButtons.h"

#include "graphs/GraphFacts.h"
#include "platform/FileAccess.h"

namespace hm {

bool imageBusy(const DialogState& state) {
    return state.operation != ecu::LinkOperation::None && state.link == LinkPhase::Connected;
}

ButtonStates buttonStates(const DialogState& state) {
    ButtonStates b;
    b.load = !imageBusy(state) && !state.loadDialogOpen;
    // Save and reload are off while an erase or its read-back changes the image (they would
    // save or throw away half of it); the erase button is off from the confirmation until the
    // erase and the read that follows it are over (an erase is refused while the image is
    // filled, so the button must not look as if it took a click).
    const bool ecuData = state.link == LinkPhase::Connected && state.ecuReadComplete;
    b.save = ecuData && !imageBusy(state);
    b.reload = b.save;
    b.erase = b.save && !state.eraseHeld;
    b.stability = state.data != DataSource::None;
    // Stability records alone have no graph: nothing to show, explain, print or step to.
    const int g = state.shownGraph;
    const bool graph = g >= 1 && g <= kGraphCount && state.data != DataSource::StabilityOnly;
    b.information = graph;
    b.print = b.information;
    b.next = graph && g < kGraphCount;
    b.previous = graph && g > 1;
    return b;
}

std::string portTooltip(const ecu::PortEntry& port) {
    std::string tip = "COM " + std::to_string(port.number);
    if (!port.path.empty()) {
        tip += " (" + printablePath(port.path) + ")";
    }
    return tip;
}

}  // namespace hm
