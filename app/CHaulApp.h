#pragma once
// The application: parses the window program's options, refuses a second copy (or hands it the
// second start's file), builds the port table (with the in-process virtual ECU first in demo
// mode), and shows the main dialog modeless under the application's event loop (so the print
// preview takes input), with the file argument loaded. Window thread.
#include <string>
#include <vector>

#include "ecu/SecurityKey.h"

namespace hm {

class WindowHooks;

struct GuiOptions {
    bool demo = false;
    std::vector<std::string> ports;  // --port PATH, in order
    ecu::KeyConstants keys = ecu::kDefaultKeyConstants;
    bool help = false;
    std::string file;       // a data file to open (raw argument bytes); "" for none
    std::string traceFile;  // --trace FILE (raw argument bytes); "" for none
    std::string library;    // --library URL; "" for the usual choice of library
};

// Parses the arguments after the program name (raw bytes, before Qt starts). One argument that
// is not an option (or any after "--") is the data file to open. False with `error` set for an
// unknown option, a missing value, malformed key constants or a second file.
bool parseGuiOptions(const std::vector<std::string>& args, GuiOptions& options, std::string& error);

class CHaulApp {
  public:
    // Runs the program with a QApplication already constructed; returns the exit status:
    // 0 after the main dialog has ended or after the file was handed to the running copy, 1
    // when another copy is running (or no per-user lock could be set up). `hooks` (none in the
    // installed program) take the messages and are attached to the main dialog.
    int run(const GuiOptions& options, WindowHooks* hooks = nullptr);
};

}  // namespace hm
