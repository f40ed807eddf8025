#pragma once
// Everything the main window shows of its session, as one value the session publishes after
// every change: the window draws it and reads nothing back from its widgets.
#include <cstdint>
#include <string>
#include <vector>

#include "session/DialogButtons.h"

namespace hm {

// Icons of the connection lamp.
constexpr int kLampNone = 0;  // nothing drawn yet
constexpr int kLampProbing = 125;
constexpr int kLampConnected = 126;
constexpr int kLampOff = 127;

// One finding of the data on display, as the window tells it.
struct ShownFinding {
    bool attention = false;  // severity attention (else info)
    std::string text;        // "Attention: Driven overloaded for 380 km (...)", user's language
    bool operator==(const ShownFinding&) const = default;
};

// What the data on display is: the trailer, its total distance and the findings of the rules
// over its figures (a download or a file holds no visit before it: rules about the change since
// the last visit give nothing here; the library window has them).
struct DataSummary {
    bool shown = false;  // data is on display
    std::string ident;   // the identification, printable characters only
    uint64_t distanceKm = 0;
    std::vector<ShownFinding> findings;
    std::string rulesNote;  // the rules file cannot be used (why; the defaults apply)
    int rulesLine = 0;      // the line of the rules file that rulesNote is about
    bool operator==(const DataSummary&) const = default;
};

struct ViewState {
    ButtonStates buttons;        // from buttonStates() of the session's state
    bool searchEnabled = false;  // the context menu's "Search for ECU"
    std::string titleState;      // after the title base: " [ No Data Loaded ]", " [ ... ]", ...
    int lamp = kLampNone;
    std::string lampTooltip;       // empty: not set yet
    std::string ecuField = "---";  // printable characters only
    // The progress bar stands in place of the graph title while an ECU operation runs.
    bool progressShown = false;
    int progressTotal = 0;
    int progressValue = 0;
    // The graph on display: the session's graphRecord() and graphTexts(). The number grows with
    // every display update, so the window redraws the chart only when it changes.
    int selectedGraph = 0;
    uint64_t graphUpdate = 0;
    // The load and save buttons' tooltips naming the data folder (empty: the start-up texts).
    std::string loadTooltip;
    std::string saveTooltip;
    // The retry question is waiting for its answer (answerRetry).
    bool retryAsked = false;
    DataSummary summary;
};

}  // namespace hm
