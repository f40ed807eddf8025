#pragma once
// What the ECU link asks of the main window. Implemented by the main dialog, by the console
// host of the command line and by the tests. Every call is made on the window thread (the
// thread that runs the link's ticks and handles its frames).
#include <string>

#include "resources/MessageIcon.h"

namespace hm::ecu {

// Control ids of the main window that the link enables, disables or fills.
namespace ctl {
constexpr int kStatus = 1001;
constexpr int kSave = 1003;
constexpr int kWrite = 1004;
constexpr int kReload = 1006;
constexpr int kLoad = 1013;
constexpr int kNext = 1015;
constexpr int kPrevious = 1016;
constexpr int kInformation = 1018;
constexpr int kPrint = 1021;
constexpr int kStability = 1022;
}  // namespace ctl

// Status lamp icons of the connection indicator.
enum class StatusIcon { Probing = 125, Connected = 126, Off = 127 };

class ILinkHost {
  public:
    virtual ~ILinkHost() = default;

    // Window title: the title base followed by `stateText` (e.g. " [ ... ]", " [ ECU Data ]").
    virtual void setTitleState(const std::string& stateText) = 0;
    virtual void enableButton(int controlId, bool enabled) = 0;
    virtual void setEcuTypeText(const std::string& text) = 0;

    // Progress of an ECU operation: startProgress blanks the graph, hides the graph title and
    // shows the bar at 0; stepProgress moves it one step (past the end it shows graph 1 and
    // hides the bar); endProgress sets the step counter to 0, hides the bar and shows the
    // graph title; hideProgressBar only hides the bar.
    virtual void startProgress(int total) = 0;
    virtual void stepProgress() = 0;
    virtual void endProgress() = 0;
    virtual void hideProgressBar() = 0;

    // The display update for graph n (0 = blank); does not change the selected graph number.
    virtual void showGraph(int graphNumber) = 0;
    // Changes the selected graph number (the next and previous buttons start from it).
    virtual void setSelectedGraph(int graphNumber) = 0;

    // Connection indicator.
    virtual void setStatusIcon(StatusIcon icon) = 0;
    virtual void setStatusTooltip(const std::string& text) = 0;

    // Modal questions and messages, caption "Haulmetry". askYesNo returns true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;

    // The link timer: stop it for good (unsupported ECU).
    virtual void stopLinkTimer() = 0;

    // Ends the main dialog (the ECU answered StopSession after the user asked to close).
    virtual void endDialog() = 0;
};

}  // namespace hm::ecu
