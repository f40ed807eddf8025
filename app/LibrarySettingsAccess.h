#pragma once
// The main window's way to the library settings file (library/, which the window does not see):
// reads the library and workshop identity for the Settings window with the facts about the
// library in use, and writes back what changed. Window thread (the functions read and write
// files; a settings file is a few lines).
#include <string>

#include "session/SettingsValues.h"

namespace hm {

// The access for a window started with `--library libraryOption` ("" when not given).
LibrarySettingsAccess librarySettingsAccess(const std::string& libraryOption);

}  // namespace hm
