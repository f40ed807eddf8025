#pragma once
// A fake /dev and sysfs in a temporary folder, for the port table, the device watcher and the
// USB facts without any serial hardware. config points at it: devDir = <dir>/dev, byIdDir =
// <dir>/dev/serial/by-id, sysClassTtyDir = <dir>/sys (its entries link into <dir>/devices).
#include <string>
#include <utility>
#include <vector>

#include "ecu/PortTable.h"
#include "support/TestSupport.h"

namespace hmtest {

struct FakeDevices {
    TempDir dir;
    hm::ecu::PortScanConfig config;

    FakeDevices();
    // <dir>/dev/<name> as a symbolic link to `target` (a real character device or any path).
    void device(const std::string& name, const std::string& target);
    // The UART type the kernel reports for a ttyS device ("0": no UART behind the name).
    void uartType(const std::string& name, const std::string& type);
    // A USB device at <dir>/devices/<at> with the given attribute files (idVendor, ...).
    void usbDevice(const std::string& at,
                   const std::vector<std::pair<std::string, std::string>>& attributes);
    // The tty <name> whose `device` link leads to <dir>/devices/<deviceAt>.
    void tty(const std::string& name, const std::string& deviceAt);
};

}  // namespace hmtest
