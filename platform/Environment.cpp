#include "platform/Environment.h"

#include <cstdlib>

namespace hm {

const char* envVarName(EnvVar var) {
    switch (var) {
        case EnvVar::Home:
            return "HOME";
        case EnvVar::XdgConfigHome:
            return "XDG_CONFIG_HOME";
        case EnvVar::XdgRuntimeDir:
            return "XDG_RUNTIME_DIR";
        case EnvVar::XdgDataHome:
            return "XDG_DATA_HOME";
        case EnvVar::TmpDir:
            return "TMPDIR";
        case EnvVar::Display:
            return "DISPLAY";
        case EnvVar::WaylandDisplay:
            return "WAYLAND_DISPLAY";
        case EnvVar::QtPlatform:
            return "QT_QPA_PLATFORM";
        case EnvVar::Language:
            return "LANGUAGE";
        case EnvVar::LcAll:
            return "LC_ALL";
        case EnvVar::LcMessages:
            return "LC_MESSAGES";
        case EnvVar::Lang:
            return "LANG";
        case EnvVar::Ports:
            return "HAULMETRY_PORTS";
        case EnvVar::DeviceDir:
            return "HAULMETRY_DEVICE_DIR";
        case EnvVar::SettingsFile:
            return "HAULMETRY_SETTINGS";
        case EnvVar::Library:
            return "HAULMETRY_LIBRARY";
    }
    return "";
}

std::optional<std::string> envValue(EnvVar var) {
    const char* value = std::getenv(envVarName(var));
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<std::string> envNonEmpty(EnvVar var) {
    std::optional<std::string> value = envValue(var);
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> envAbsolutePath(EnvVar var) {
    std::optional<std::string> value = envValue(var);
    if (value && (value->empty() || value->front() != '/')) {
        return std::nullopt;
    }
    return value;
}

}  // namespace hm
