#include "session/PortAccessWatch.h"

#include "ecu/SerialPort.h"
#include "ecu/UsbAdapterInfo.h"
#include "platform/FileAccess.h"
#include "resources/Strings.h"

namespace hm {

PortAccessWatch::PortAccessWatch(std::vector<std::string> byIdNames, std::string sysClassTtyDir)
    : byIdNames_(std::move(byIdNames)), sysClassTtyDir_(std::move(sysClassTtyDir)) {}

void PortAccessWatch::attempted(const ecu::PortAttempt& attempt) {
    lastIndex_ = attempt.index;
    lastPath_ = attempt.port.path;
    if (attempt.outcome == ecu::AttemptOutcome::OpenFailed &&
        attempt.openError == ecu::PortOpenError::AccessDenied) {
        denied_[attempt.index] = attempt.port.path;
    } else {
        denied_.erase(attempt.index);
    }
}

std::vector<std::string> PortAccessWatch::deniedPaths() const {
    std::vector<std::string> paths;
    for (const auto& [index, path] : denied_) {
        paths.push_back(path);
    }
    return paths;
}

std::string PortAccessWatch::tooltipFor(const std::string& text) const {
    std::string tip = text;
    if (text.rfind("COM ", 0) == 0 && lastIndex_ >= 0) {
        if (lastIndex_ < static_cast<int>(byIdNames_.size()) && !byIdNames_[lastIndex_].empty()) {
            tip += "\n" + printablePath(byIdNames_[lastIndex_]);
        }
        const std::string usb =
            ecu::describeUsbAdapter(ecu::usbAdapterInfo(lastPath_, sysClassTtyDir_));
        if (!usb.empty()) {
            tip += "\n" + usb;
        }
    }
    const std::vector<std::string> denied = deniedPaths();
    if (!denied.empty()) {
        std::string paths;
        for (const std::string& path : denied) {
            // device names as the messages show paths
            paths += (paths.empty() ? "" : " ") + printablePath(path);
        }
        std::string group = ecu::deviceGroupName(denied.front());
        if (group.empty()) {
            group = "dialout";
        }
        tip += "\n" + fillPlaceholders(translate("hm::PortAccessWatch",
                                                 "No permission to open %1.\nAdd your user to the "
                                                 "'%2' group (sudo usermod -aG %2 $USER), then log "
                                                 "out and in again."),
                                       {paths, group});
    }
    return tip;
}

}  // namespace hm
