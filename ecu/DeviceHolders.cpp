#include "ecu/DeviceHolders.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "ecu/WireText.h"

namespace hm::ecu {
namespace fs = std::filesystem;
namespace {

bool isPid(const std::string& name) {
    return !name.empty() && name.size() < 10 &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// True when one of the process's descriptors is the character device `rdev`.
bool holds(const fs::path& fdDir, dev_t rdev) {
    std::error_code ec;
    for (fs::directory_iterator it(fdDir, ec), end; !ec && it != end; it.increment(ec)) {
        struct stat st {};
        // stat follows the descriptor's link to the open file itself.
        if (::stat(it->path().c_str(), &st) == 0 && S_ISCHR(st.st_mode) && st.st_rdev == rdev) {
            return true;
        }
    }
    return false;
}

// The program's name: the file name of its first argument (comm is cut at 15 characters),
// else comm.
std::string commandName(const fs::path& processDir) {
    std::ifstream cmdline(processDir / "cmdline", std::ios::binary);
    std::string command;
    std::getline(cmdline, command, '\0');
    command = fs::path(command).filename().string();
    if (command.empty()) {
        std::ifstream comm(processDir / "comm");
        std::getline(comm, command);
    }
    return command;
}

}  // namespace

std::vector<DeviceHolder> findDeviceHolders(const std::string& devicePath,
                                            const std::string& procDir) {
    std::vector<DeviceHolder> holders;
    struct stat device {};
    if (::stat(devicePath.c_str(), &device) != 0 || !S_ISCHR(device.st_mode)) {
        return holders;
    }
    std::error_code ec;
    for (fs::directory_iterator it(procDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!isPid(name) || !holds(it->path() / "fd", device.st_rdev)) {
            continue;
        }
        holders.push_back({std::stoi(name), commandName(it->path())});
    }
    std::sort(holders.begin(), holders.end(),
              [](const DeviceHolder& a, const DeviceHolder& b) { return a.pid < b.pid; });
    return holders;
}

std::string describeHolders(const std::vector<DeviceHolder>& holders) {
    std::string text;
    for (const DeviceHolder& h : holders) {
        if (!text.empty()) {
            text += ", ";
        }
        text += (h.command.empty() ? std::string("a program") : printableText(h.command)) +
                " (pid " + std::to_string(h.pid) + ")";
    }
    return text;
}

}  // namespace hm::ecu
