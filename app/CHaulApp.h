#pragma once
// The application: parses the window program's options, refuses a second copy, builds the port
// table (with the in-process virtual ECU first in demo mode), and shows the main dialog
// modeless under the application's event loop (so the print preview takes input) until it ends.
// Window thread.
#include <QStringList>
#include <string>
#include <vector>

#include "ecu/SecurityKey.h"

namespace hm {

struct GuiOptions {
    bool demo = false;
    std::vector<std::string> ports;  // --port PATH, in order
    ecu::KeyConstants keys = ecu::kDefaultKeyConstants;
    bool help = false;
};

// Parses the arguments after the program name. False with `error` set for an unknown option, a
// missing value or malformed key constants.
bool parseGuiOptions(const QStringList& args, GuiOptions& options, QString& error);

class CHaulApp {
  public:
    // Runs the program with a QApplication already constructed; returns the exit status:
    // 0 after the main dialog has ended, 1 when another copy is running, 2 for bad options.
    int run(const QStringList& args);
};

}  // namespace hm
