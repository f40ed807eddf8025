#pragma once
// Starts the window program: single-instance guard, main dialog, event loop.
namespace hm {
class WindowHooks;
// Whether the window program can open a screen: a platform other than X11 or Wayland is named in
// QT_QPA_PLATFORM (offscreen, ...), or DISPLAY or WAYLAND_DISPLAY is set.
bool displayAvailable();
// Checks the options, then the display (one line and status 1 without one), then runs the
// desktop program with the process's arguments and `hooks` (none: the installed program);
// returns the exit status.
int runGui(int argc, char** argv, WindowHooks* hooks = nullptr);
}  // namespace hm
