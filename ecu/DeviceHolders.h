#pragma once
// Which programs hold a device open: every process that has a descriptor on the same device
// (matched by device number, so /dev/ttyUSB0 and its by-id link are one device), found by
// looking at /proc/<pid>/fd. Processes whose descriptors cannot be read (another user's, a
// process that ends meanwhile) are skipped. Only reads; never opens the device itself.
#include <string>
#include <vector>

namespace hm::ecu {

struct DeviceHolder {
    int pid = 0;
    std::string command;  // the program's file name, e.g. "minicom"
};

// In pid order; empty when `devicePath` is no character device or nobody we can see holds it.
// `procDir` is /proc, or a test's stand-in.
std::vector<DeviceHolder> findDeviceHolders(const std::string& devicePath,
                                            const std::string& procDir = "/proc");

// "minicom (pid 4242)", several joined with ", "; empty for none.
std::string describeHolders(const std::vector<DeviceHolder>& holders);

}  // namespace hm::ecu
