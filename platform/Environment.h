#pragma once
// The one place where the program reads its environment. Every variable it looks at is named
// here; the rest of the program asks for a variable by its meaning and never reads one itself
// (the environment_in_one_place test checks). Variables that only tests set are read by the
// test build alone (tests/support/window/), never here. Plain functions, any thread (the
// program never sets a variable).
#include <optional>
#include <string>

namespace hm {

enum class EnvVar {
    Home,           // HOME: the user's home folder
    XdgConfigHome,  // XDG_CONFIG_HOME: settings and user-dirs.dirs ($HOME/.config when unset)
    XdgRuntimeDir,  // XDG_RUNTIME_DIR: the single-instance lock and hand-over socket
    XdgDataHome,    // XDG_DATA_HOME: the trailer library ($HOME/.local/share when unset)
    TmpDir,         // TMPDIR: their fallback folder (/tmp when unset)
    Display,        // DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM: whether a window can be shown
    WaylandDisplay,
    QtPlatform,
    Language,  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG: the language of the texts
    LcAll,
    LcMessages,
    Lang,
    Ports,         // HAULMETRY_PORTS: more ports to probe, separated by ':'
    DeviceDir,     // HAULMETRY_DEVICE_DIR: the devices folder to scan instead of /dev
    SettingsFile,  // HAULMETRY_SETTINGS: the settings file to use instead of the usual one
    Library,       // HAULMETRY_LIBRARY: the trailer library's file or postgresql:// address
};

// The variable's name, e.g. "HAULMETRY_PORTS".
const char* envVarName(EnvVar var);

// The value, or nothing when the variable is unset.
std::optional<std::string> envValue(EnvVar var);

// The value when it is set and not empty.
std::optional<std::string> envNonEmpty(EnvVar var);

// The value when it is an absolute path (starts with '/'): a relative HOME, XDG_* or TMPDIR is
// ignored, as the XDG base directory rules ask.
std::optional<std::string> envAbsolutePath(EnvVar var);

}  // namespace hm
