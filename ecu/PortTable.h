#pragma once
// The port table: the serial devices the link tries, numbered 1..N ("COM n").
//
// Order: the paths the user put first (the window's --port paths), then USB adapters
// (/dev/ttyUSB*, then /dev/ttyACM*), then the on-board UARTs /dev/ttyS* that report a real
// UART, each group in natural number order (ttyUSB2 before ttyUSB10); then every extra path
// (HAULMETRY_PORTS, the command line's --port) in the order given. A path that names a device
// already listed is skipped. At most 255 entries.
//
// Enumeration never opens a USB or ACM device and never writes to a device: it looks at the
// directory entries and, for /dev/ttyS*, at the UART type the kernel reports in sysfs. Only
// where sysfs has no answer is a ttyS device opened, read-only (O_NONBLOCK | O_NOCTTY), to ask
// TIOCGSERIAL; the kernel may raise DTR and RTS on any open, which is why sysfs comes first. A
// ttyS name with no UART behind it, and the one the kernel uses as its console, are left out
// and named with the reason. A device held open by another program is listed.
#include <string>
#include <vector>

namespace hm::ecu {

constexpr int kMaxPorts = 255;

struct PortEntry {
    int number = 0;        // 1..255, the "COM n" number
    std::string path;      // the path opened, e.g. /dev/ttyUSB0 or a --port path as given
    std::string byIdName;  // for USB adapters the /dev/serial/by-id name, else empty
    bool extra = false;    // came from --port or HAULMETRY_PORTS
};

// A device the scan found but does not probe, and why ("no UART behind it ...").
struct LeftOutPort {
    std::string path;
    std::string reason;
    bool operator==(const LeftOutPort&) const = default;
};

// Device folder entries that appeared since the table was made, as the device watcher reports
// them: only these are examined, so the cost of a refresh follows the change, not the folder.
struct PortChanges {
    std::vector<std::string> devices;  // names in the device folder (ttyUSB3, ...)
    std::vector<std::string> byIds;    // names in the by-id folder
    bool everything = false;           // events were lost: scan every folder again
    bool empty() const { return devices.empty() && byIds.empty() && !everything; }
};

struct PortScanConfig {
    std::string devDir = "/dev";
    std::string sysClassTtyDir = "/sys/class/tty";
    std::string byIdDir = "/dev/serial/by-id";
    bool scanDevices = true;              // false: only the given paths
    std::vector<std::string> firstPaths;  // listed before the scanned devices
    std::vector<std::string> extraPaths;  // listed after them: HAULMETRY_PORTS entries
};

// True for the device names the scan lists: ttyUSB<n>, ttyACM<n> and ttyS<n> (n of at most six
// digits). A ttyS name is listed only when a UART is behind it.
bool isSerialDeviceName(const std::string& name);

// Builds the port table. Quick, never hangs on an absent device.
std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config);
// The same, and the paths that found no place in the table because it was full (in order).
std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config,
                                      std::vector<std::string>& notUsed);

// The same, and the ttyS devices left out with their reasons (in number order).
std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config,
                                      std::vector<std::string>& notUsed,
                                      std::vector<LeftOutPort>& leftOut);

// Examines only the devices named in `changes` (in the scan's order: USB, ACM, then UARTs, by
// number) and appends those not listed yet as mergeNewPorts does; the by-id names among the
// changes are given to the listed entries they lead to. `leftOut` is updated for the examined
// ttyS names. Nothing is examined once the table is full. Returns how many were added. With
// `changes.everything` it enumerates everything again instead.
int addChangedPorts(std::vector<PortEntry>& table, std::vector<LeftOutPort>& leftOut,
                    const PortScanConfig& config, const PortChanges& changes);

// Appends the entries of `fresh` (a newer EnumeratePorts) whose device is not in `table` yet,
// numbered on from its last entry, so the entries already listed keep their index and number;
// a listed entry without a by-id name takes the one `fresh` found. Returns how many were added.
int mergeNewPorts(std::vector<PortEntry>& table, const std::vector<PortEntry>& fresh);

// The entries of a HAULMETRY_PORTS value (colon-separated; empty entries skipped).
std::vector<std::string> splitPortList(const std::string& value);

// The extra paths from HAULMETRY_PORTS in the environment, if set.
std::vector<std::string> portsFromEnvironment();

}  // namespace hm::ecu
