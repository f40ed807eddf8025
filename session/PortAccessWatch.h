#pragma once
// Watches the link's port opens on behalf of the main window: remembers which listed ports could
// not be opened for lack of permission, and builds the connection indicator's tooltip with the
// device path, the stable /dev/serial/by-id name, the USB adapter's vendor, product and serial
// (from sysfs) and, when needed, the group to join for access. It forwards every ILinkPort call
// unchanged. Window thread (as the link).
#include <set>
#include <string>
#include <vector>

#include "ecu/LinkPort.h"

namespace hm {

class PortAccessWatch : public ecu::ILinkPort {
  public:
    // `byIdNames[i]` is the /dev/serial/by-id name of table entry i (empty when none);
    // `sysClassTtyDir` is where the USB facts of a port are looked up.
    PortAccessWatch(ecu::ILinkPort& port, std::vector<std::string> byIdNames,
                    std::string sysClassTtyDir = "/sys/class/tty");

    int portCount() const override { return port_.portCount(); }
    int portNumber(int index) const override { return port_.portNumber(index); }
    std::string portPath(int index) const override { return port_.portPath(index); }
    bool OpenPort(int index) override;
    ecu::PortOpenError lastOpenError() const override { return port_.lastOpenError(); }
    int lastOpenErrno() const override { return port_.lastOpenErrno(); }
    bool lineHungUp() const override { return port_.lineHungUp(); }
    bool StartReceiveThread(ecu::FrameHandler handler) override {
        return port_.StartReceiveThread(std::move(handler));
    }
    bool WritePort(const uint8_t* bytes, size_t count) override {
        return port_.WritePort(bytes, count);
    }
    void ClosePort() override { port_.ClosePort(); }

    // The by-id names after the table has grown (devices plugged in since).
    void setByIdNames(std::vector<std::string> byIdNames) { byIdNames_ = std::move(byIdNames); }

    // Paths of the ports whose last open was refused for lack of permission.
    std::vector<std::string> deniedPaths() const;
    // Index of the port opened last (-1 before the first open).
    int lastOpenedIndex() const { return lastIndex_; }

    // The tooltip for the link's `text`: a "COM n ..." text names the port opened last and
    // gains its by-id name and its USB adapter; every tooltip gains the permission hint while ports
    // are refused.
    std::string tooltipFor(const std::string& text) const;

  private:
    ecu::ILinkPort& port_;
    std::vector<std::string> byIdNames_;
    std::string sysClassTtyDir_;
    std::set<int> denied_;
    int lastIndex_ = -1;
};

}  // namespace hm
