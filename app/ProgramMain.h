#pragma once
// The program `haulmetry`: a subcommand (no window, no display needed) or the desktop program.
namespace hm {

class WindowHooks;

// Runs the program with the process's arguments and returns its exit status. `hooks` go to the
// window program (the installed program passes none; see WindowHooks.h).
int programMain(int argc, char** argv, WindowHooks* hooks);

}  // namespace hm
