#include "mainwindow/core/PortAccessWatch.h"

#include "ecu/SerialPort.h"
#include "ecu/UsbAdapterInfo.h"
#include "platform/FileAccess.h"

namespace hm {

PortAccessWatch::PortAccessWatch(ecu::ILinkPort& port, std::vector<std::string> byIdNames,
                                 std::string sysClassTtyDir)
    : port_(port), byIdNames_(std::move(byIdNames)), sysClassTtyDir_(std::move(sysClassTtyDir)) {}

bool PortAccessWatch::OpenPort(int index) {
    lastIndex_ = index;
    const bool opened = port_.OpenPort(index);
    if (!opened && port_.lastOpenError() == ecu::PortOpenError::AccessDenied) {
        denied_.insert(index);
    } else {
        denied_.erase(index);
    }
    return opened;
}

std::vector<std::string> PortAccessWatch::deniedPaths() const {
    std::vector<std::string> paths;
    for (int index : denied_) {
        paths.push_back(port_.portPath(index));
    }
    return paths;
}

std::string PortAccessWatch::tooltipFor(const std::string& text) const {
    std::string tip = text;
    if (text.rfind("COM ", 0) == 0 && lastIndex_ >= 0) {
        if (lastIndex_ < static_cast<int>(byIdNames_.size()) && !byIdNames_[lastIndex_].empty()) {
            tip += "\n" + printablePath(byIdNames_[lastIndex_]);
        }
        const std::string usb = ecu::describeUsbAdapter(
            ecu::usbAdapterInfo(port_.portPath(lastIndex_), sysClassTtyDir_));
        if (!usb.empty()) {
            tip += "\n" + usb;
        }
    }
    const std::vector<std::string> denied = deniedPaths();
    if (!denied.empty()) {
        tip += "\nNo permission to open";
        for (const std::string& path : denied) {
            tip += " " + printablePath(path);  // device names as the messages show paths
        }
        std::string group = ecu::deviceGroupName(denied.front());
        if (group.empty()) {
            group = "dialout";
        }
        tip += ".\nAdd your user to the '" + group + "' group (sudo usermod -aG " + group +
               " $USER), then log out and in again.";
    }
    return tip;
}

}  // namespace hm
