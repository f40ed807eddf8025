#include "ecu/PortTable.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <tuple>
#include <unordered_set>

#include "platform/Environment.h"

namespace hm::ecu {
namespace fs = std::filesystem;

namespace {

bool isCharDevice(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

constexpr const char* kSerialPrefixes[] = {"ttyUSB", "ttyACM", "ttyS"};

// True when `name` is `prefix` followed by one to six digits.
bool isNumberedName(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 6 ||
        name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The serial device names of `names` in the scan's order (ttyUSB, ttyACM, ttyS, each by
// number), each once.
std::vector<std::string> inScanOrder(const std::vector<std::string>& names) {
    std::vector<std::tuple<size_t, unsigned long, std::string>> found;
    for (const std::string& name : names) {
        for (size_t group = 0; group < std::size(kSerialPrefixes); ++group) {
            const std::string prefix = kSerialPrefixes[group];
            if (isNumberedName(name, prefix)) {
                found.emplace_back(group, std::stoul(name.substr(prefix.size())), name);
                break;
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::vector<std::string> out;
    for (auto& f : found) {
        out.push_back(std::move(std::get<2>(f)));
    }
    return out;
}

// Every entry name of the folder `dir`.
std::vector<std::string> folderNames(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

// The UART type of a ttyS device from sysfs: 0 is PORT_UNKNOWN (no UART behind the name).
std::optional<int> sysfsUartType(const std::string& sysDir, const std::string& name) {
    std::ifstream in(sysDir + "/" + name + "/type");
    int type = 0;
    if (in >> type) {
        return type;
    }
    return std::nullopt;
}

// Fallback when sysfs has no type: ask the driver. Read-only, so nothing can be written to a
// port that turns out to belong to other equipment; O_NONBLOCK so that a missing carrier cannot
// block the open; no modem line is changed by this code.
bool ioctlReportsUart(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // Present but not ours to open (permission, held by another program): list it.
        return errno == EACCES || errno == EPERM || errno == EBUSY;
    }
    struct serial_struct info {};
    const bool uart = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
    ::close(fd);
    return uart;
}

std::string canonical(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::canonical(path, ec);
    return ec ? path : p.string();
}

constexpr const char* kNoUart = "no UART behind the name (the kernel reports an unknown port type)";
constexpr const char* kConsole = "the kernel's console";

// The tty names the kernel writes its console to (sysfs console/active, e.g. "tty0 ttyS0").
std::vector<std::string> consoleNames(const std::string& sysDir) {
    std::ifstream in(sysDir + "/console/active");
    std::vector<std::string> names;
    for (std::string name; in >> name;) {
        names.push_back(name);
    }
    return names;
}

// Whether the serial device `name` of the device folder is probed. A USB or ACM device is,
// when it is a device; a ttyS device only when a UART is behind it and it is not the console.
// False with `reason` set for a ttyS device left out, with `reason` empty for no device.
bool probed(const PortScanConfig& config, const std::string& name,
            const std::vector<std::string>& consoles, std::string& reason) {
    const std::string path = config.devDir + "/" + name;
    if (!isCharDevice(path)) {
        return false;
    }
    if (!isNumberedName(name, "ttyS")) {
        return true;
    }
    if (std::find(consoles.begin(), consoles.end(), name) != consoles.end()) {
        reason = kConsole;
        return false;
    }
    const auto type = sysfsUartType(config.sysClassTtyDir, name);
    if (type ? *type != PORT_UNKNOWN : ioctlReportsUart(path)) {
        return true;
    }
    reason = kNoUart;
    return false;
}

// Examines the serial devices `names` (already in scan order) and hands each one probed to
// `add`; the ttyS devices left out go to `leftOut` (replacing what it said of them before).
template <typename Add>
void examineDevices(const PortScanConfig& config, const std::vector<std::string>& names,
                    std::vector<LeftOutPort>& leftOut, Add&& add) {
    const std::vector<std::string> consoles = consoleNames(config.sysClassTtyDir);
    for (const std::string& name : names) {
        const std::string path = config.devDir + "/" + name;
        std::erase_if(leftOut, [&](const LeftOutPort& l) { return l.path == path; });
        std::string reason;
        if (probed(config, name, consoles, reason)) {
            if (!add(path)) {
                return;
            }
        } else if (!reason.empty()) {
            leftOut.push_back({path, reason});
        }
    }
}

}  // namespace

bool isSerialDeviceName(const std::string& name) {
    return std::any_of(std::begin(kSerialPrefixes), std::end(kSerialPrefixes),
                       [&](const char* prefix) { return isNumberedName(name, prefix); });
}

std::vector<std::string> splitPortList(const std::string& value) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= value.size()) {
        size_t colon = value.find(':', start);
        if (colon == std::string::npos) {
            colon = value.size();
        }
        if (colon > start) {
            out.push_back(value.substr(start, colon - start));
        }
        start = colon + 1;
    }
    return out;
}

std::vector<std::string> portsFromEnvironment() {
    const std::optional<std::string> value = envValue(EnvVar::Ports);
    return value ? splitPortList(*value) : std::vector<std::string>{};
}

namespace {

// USB adapters get their stable by-id name where udev made one: each link `names` of the by-id
// folder (all of them when `names` is null) that leads to an entry of `table` names it;
// `canonicalPaths[i]` is the resolved path of `table[i]`.
void addByIdNames(const std::string& byIdDir, const std::vector<std::string>* names,
                  const std::vector<std::string>& canonicalPaths, std::vector<PortEntry>& table) {
    const std::vector<std::string> links = names != nullptr ? *names : folderNames(byIdDir);
    for (const std::string& link : links) {
        const std::string target = canonical(byIdDir + "/" + link);
        const auto at = std::find(canonicalPaths.begin(), canonicalPaths.end(), target);
        if (at != canonicalPaths.end()) {
            table[static_cast<size_t>(at - canonicalPaths.begin())].byIdName = link;
        }
    }
}

std::vector<std::string> canonicalPathsOf(const std::vector<PortEntry>& table) {
    std::vector<std::string> out;
    out.reserve(table.size());
    for (const PortEntry& e : table) {
        out.push_back(canonical(e.path));
    }
    return out;
}

}  // namespace

std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config) {
    std::vector<std::string> notUsed;
    return EnumeratePorts(config, notUsed);
}

std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config,
                                      std::vector<std::string>& notUsed) {
    std::vector<LeftOutPort> leftOut;
    return EnumeratePorts(config, notUsed, leftOut);
}

std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config,
                                      std::vector<std::string>& notUsed,
                                      std::vector<LeftOutPort>& leftOut) {
    std::vector<PortEntry> table;
    std::vector<std::string> canonicalPaths;
    std::unordered_set<std::string> notUsedSet;
    notUsed.clear();
    leftOut.clear();

    auto add = [&](const std::string& path, bool extra) {
        std::string real = canonical(path);
        if (std::find(canonicalPaths.begin(), canonicalPaths.end(), real) != canonicalPaths.end()) {
            return true;
        }
        if (static_cast<int>(table.size()) >= kMaxPorts) {
            if (notUsedSet.insert(path).second) {
                notUsed.push_back(path);
            }
            return true;
        }
        PortEntry e;
        e.number = static_cast<int>(table.size()) + 1;
        e.path = path;
        e.extra = extra;
        table.push_back(std::move(e));
        canonicalPaths.push_back(std::move(real));
        return true;
    };

    for (const auto& path : config.firstPaths) {
        add(path, true);
    }
    if (config.scanDevices) {
        examineDevices(config, inScanOrder(folderNames(config.devDir)), leftOut,
                       [&](const std::string& path) { return add(path, false); });
    }
    for (const auto& path : config.extraPaths) {
        add(path, true);
    }

    addByIdNames(config.byIdDir, nullptr, canonicalPaths, table);
    return table;
}

int addChangedPorts(std::vector<PortEntry>& table, std::vector<LeftOutPort>& leftOut,
                    const PortScanConfig& config, const PortChanges& changes) {
    if (changes.everything) {
        std::vector<std::string> notUsed;
        return mergeNewPorts(table, EnumeratePorts(config, notUsed, leftOut));
    }
    std::vector<PortEntry> fresh;
    if (static_cast<int>(table.size()) < kMaxPorts) {
        examineDevices(config, inScanOrder(changes.devices), leftOut, [&](const std::string& path) {
            PortEntry e;
            e.path = path;
            fresh.push_back(std::move(e));
            return static_cast<int>(fresh.size()) < kMaxPorts;
        });
    }
    const int added = mergeNewPorts(table, fresh);
    if (added > 0 || !changes.byIds.empty()) {
        // A new device may have got its by-id link before this batch: look at them all then.
        addByIdNames(config.byIdDir, added > 0 ? nullptr : &changes.byIds, canonicalPathsOf(table),
                     table);
    }
    return added;
}

int mergeNewPorts(std::vector<PortEntry>& table, const std::vector<PortEntry>& fresh) {
    std::vector<std::string> known;
    for (const PortEntry& e : table) {
        known.push_back(canonical(e.path));
    }
    int added = 0;
    for (const PortEntry& e : fresh) {
        const std::string real = canonical(e.path);
        const auto at = std::find(known.begin(), known.end(), real);
        if (at != known.end()) {
            // udev makes the by-id link a moment after the device node.
            PortEntry& listed = table[static_cast<size_t>(at - known.begin())];
            if (listed.byIdName.empty()) {
                listed.byIdName = e.byIdName;
            }
            continue;
        }
        if (static_cast<int>(table.size()) >= kMaxPorts) {
            break;
        }
        PortEntry entry = e;
        entry.number = static_cast<int>(table.size()) + 1;
        table.push_back(std::move(entry));
        known.push_back(real);
        ++added;
    }
    return added;
}

}  // namespace hm::ecu
