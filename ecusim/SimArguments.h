#pragma once
// The command line of haulmetry-ecusim, read into the options of one virtual ECU. No I/O except
// that --vehicle reads its data file.
#include <string>
#include <vector>

#include "ecusim/VirtualEcu.h"

namespace hm::ecusim {

struct SimArguments {
    enum class Action {
        Run,         // start the ECU with `options`
        Help,        // print the help text
        Version,     // print the version
        UsageError,  // `message` says what is wrong with the arguments (exit status 2)
        Failed,      // `message` says why the arguments could not be used (exit status 1)
    };
    Action action = Action::Run;
    EcuOptions options;  // without `trace`: the caller decides where it goes
    bool trace = false;  // --trace
    std::string message;
};

// Reads the arguments after the program name; the first problem ends the reading.
SimArguments parseSimArguments(const std::vector<std::string>& args);

// The text of --help.
extern const char* const kSimHelp;

}  // namespace hm::ecusim
