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

// Device names "<prefix><digits>" in `dir`, sorted by number.
std::vector<std::string> numberedDevices(const std::string& dir, const std::string& prefix) {
    std::vector<std::pair<unsigned long, std::string>> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string digits = name.substr(prefix.size());
        if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(),
                                              [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        found.emplace_back(std::stoul(digits), name);
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

}  // namespace hm::ecu
