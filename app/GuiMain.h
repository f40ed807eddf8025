#pragma once
// Starts the window program: single-instance guard, main dialog, event loop.
namespace hm {
// Runs the desktop program with the process's arguments; returns the exit status.
int runGui(int argc, char** argv);
}  // namespace hm
