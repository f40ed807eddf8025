#pragma once
// What the session remembers of the link's port opens, from the attempts the link reports
// (probing, portTried): which listed ports could not be opened for lack of permission, and the
// port tried last. It builds the connection lamp's tooltip with the device path, the stable
// /dev/serial/by-id name, the USB adapter's vendor, product and serial (from sysfs) and, when
// needed, the group to join for access. Session thread only.
#include <map>
#include <string>
#include <vector>

#include "ecu/LinkEvents.h"

namespace hm {

class PortAccessWatch {
  public:
    // `byIdNames[i]` is the /dev/serial/by-id name of table entry i (empty when none);
    // `sysClassTtyDir` is where the USB facts of a port are looked up.
    explicit PortAccessWatch(std::vector<std::string> byIdNames,
                             std::string sysClassTtyDir = "/sys/class/tty");

    // The link opened a port (probing) or is done with one (portTried, any outcome).
    void attempted(const ecu::PortAttempt& attempt);

    // The by-id names after the table has grown (devices plugged in since).
    void setByIdNames(std::vector<std::string> byIdNames) { byIdNames_ = std::move(byIdNames); }

    // Paths of the ports whose last open was refused for lack of permission.
    std::vector<std::string> deniedPaths() const;

    // The tooltip for the link's `text`: a "COM n ..." text names the port tried last and
    // gains its by-id name and its USB adapter; every tooltip gains the permission hint while ports
    // are refused.
    std::string tooltipFor(const std::string& text) const;

  private:
    std::vector<std::string> byIdNames_;
    std::string sysClassTtyDir_;
    std::map<int, std::string> denied_;  // table index -> path
    int lastIndex_ = -1;
    std::string lastPath_;
};

}  // namespace hm
