#pragma once
// Where data files go by default: the user's documents folder as the XDG user directories name
// it, then "Haulmetry/Vehicle Data Files". Plain functions, any thread (they read the
// environment and the user-dirs file, nothing is created).
#include <string>

namespace hm {

// $HOME when it is an absolute path, else the password database's home folder, else "/tmp".
std::string userHomeDirectory();

// The documents folder of the XDG user directories: XDG_DOCUMENTS_DIR of
// $XDG_CONFIG_HOME/user-dirs.dirs ($HOME/.config when XDG_CONFIG_HOME is unset or relative),
// with "$HOME" expanded, the way `xdg-user-dir DOCUMENTS` reads it; $HOME/Documents when that
// file or entry is missing or unusable. The folder may be localised and may not exist yet.
std::string userDocumentsDirectory();

// userDocumentsDirectory()/Haulmetry/Vehicle Data Files, with a trailing '/'. An empty data
// directory in the settings means this folder; a save creates it when it needs it.
std::string defaultDataDirectory();

}  // namespace hm
