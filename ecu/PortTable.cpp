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
#include <map>
#include <optional>
#include <system_error>

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

// Device names "<prefix><digits>" in `dir`, sorted by number.
std::vector<std::string> numberedDevices(const std::string& dir, const std::string& prefix) {
    std::vector<std::pair<unsigned long, std::string>> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isNumberedName(name, prefix)) {
            found.emplace_back(std::stoul(name.substr(prefix.size())), name);
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& f : found) {
        names.push_back(std::move(f.second));
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

// Fallback when sysfs has no type: ask the driver. O_NONBLOCK so that a missing carrier
// cannot block the open; no modem line is changed by this code.
bool ioctlReportsUart(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
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
    const char* value = std::getenv("HAULMETRY_PORTS");
    return value ? splitPortList(value) : std::vector<std::string>{};
}

namespace {

// USB adapters get their stable by-id name where udev made one; `canonicalPaths[i]` is the
// resolved path of `table[i]`.
void addByIdNames(const std::string& byIdDir, const std::vector<std::string>& canonicalPaths,
                  std::vector<PortEntry>& table) {
    std::map<std::string, std::string> byId;
    std::error_code ec;
    for (fs::directory_iterator it(byIdDir, ec), end; !ec && it != end; it.increment(ec)) {
        byId.emplace(canonical(it->path().string()), it->path().filename().string());
    }
    for (size_t i = 0; i < table.size(); ++i) {
        auto found = byId.find(canonicalPaths[i]);
        if (found != byId.end()) {
            table[i].byIdName = found->second;
        }
    }
}

}  // namespace

std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config) {
    std::vector<std::string> notUsed;
    return EnumeratePorts(config, notUsed);
}

std::vector<PortEntry> EnumeratePorts(const PortScanConfig& config,
                                      std::vector<std::string>& notUsed) {
    std::vector<PortEntry> table;
    std::vector<std::string> canonicalPaths;
    notUsed.clear();

    auto add = [&](const std::string& path, bool extra) {
        std::string real = canonical(path);
        if (std::find(canonicalPaths.begin(), canonicalPaths.end(), real) != canonicalPaths.end()) {
            return;
        }
        if (static_cast<int>(table.size()) >= kMaxPorts) {
            if (std::find(notUsed.begin(), notUsed.end(), path) == notUsed.end()) {
                notUsed.push_back(path);
            }
            return;
        }
        PortEntry e;
        e.number = static_cast<int>(table.size()) + 1;
        e.path = path;
        e.extra = extra;
        table.push_back(std::move(e));
        canonicalPaths.push_back(std::move(real));
    };

    for (const auto& path : config.firstPaths) {
        add(path, true);
    }
    if (config.scanDevices) {
        for (const char* prefix : {"ttyUSB", "ttyACM"}) {
            for (const auto& name : numberedDevices(config.devDir, prefix)) {
                const std::string path = config.devDir + "/" + name;
                if (isCharDevice(path)) {
                    add(path, false);
                }
            }
        }
        for (const auto& name : numberedDevices(config.devDir, "ttyS")) {
            const std::string path = config.devDir + "/" + name;
            if (!isCharDevice(path)) {
                continue;
            }
            const auto type = sysfsUartType(config.sysClassTtyDir, name);
            if (type ? *type != PORT_UNKNOWN : ioctlReportsUart(path)) {
                add(path, false);
            }
        }
    }
    for (const auto& path : config.extraPaths) {
        add(path, true);
    }

    addByIdNames(config.byIdDir, canonicalPaths, table);
    return table;
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
