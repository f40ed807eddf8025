#pragma once
// The main dialog's button states as one function of what the dialog knows: the link's phase,
// the operation running, where the data came from, the graph shown and the dialog's own busy
// flags. Every place that changes one of these recomputes all the buttons from here.
#include <string>

#include "ecu/LinkEvents.h"

namespace hm {

// The link as the dialog sees it.
enum class LinkPhase {
    NoLink,     // the window has no ECU link (works offline from the start)
    Searching,  // opening and probing ports (also right after a lost connection)
    Connected,  // the ECU answered; downloading, erasing or idle
    Waiting,    // a pass found no ECU; the retry question is open
    Offline,    // the user chose to work offline
    Stopped,    // the ECU is not supported; the link has stopped
};

// Where the image's data came from.
enum class DataSource {
    None,           // nothing shown (start-up, a download under way, a lost connection)
    Ecu,            // the last read from the ECU completed
    File,           // a data file with fleet data
    StabilityOnly,  // a data file holding stability records only
};

struct DialogState {
    LinkPhase link = LinkPhase::NoLink;
    ecu::LinkOperation operation = ecu::LinkOperation::None;
    DataSource data = DataSource::None;
    int shownGraph = 0;  // the graph on display, 0 = none
    // A read from the connected ECU completed since the last connection attempt or download
    // start: the ECU buttons (save, reload, erase) have something to work on.
    bool ecuReadComplete = false;
    // An erase was confirmed and the link has not started or finished an operation since
    // (also when nothing was chosen): the erase button stays off.
    bool eraseHeld = false;
    bool loadDialogOpen = false;
};

struct ButtonStates {
    bool load = false;
    bool save = false;
    bool reload = false;
    bool erase = false;
    bool stability = false;
    bool information = false;
    bool print = false;
    bool next = false;
    bool previous = false;
};

// True while an ECU operation fills the image: load, save, reload and erase refuse then.
bool imageBusy(const DialogState& state);

ButtonStates buttonStates(const DialogState& state);

// The connection lamp's tooltip for the port in use: "COM n (path)".
std::string portTooltip(const ecu::PortEntry& port);

}  // namespace hm
