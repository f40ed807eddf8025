#include "ecu/UsbAdapterInfo.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "ecu/WireText.h"

namespace hm::ecu {
namespace fs = std::filesystem;
namespace {

// A USB device sits a few levels above its tty; the walk never goes further than this.
constexpr int kMaxLevels = 6;

// The first line of a sysfs attribute, without surrounding blanks; empty when absent.
std::string attribute(const fs::path& dir, const char* name) {
    std::ifstream in(dir / name);
    std::string line;
    std::getline(in, line);
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string{} : line.substr(first, last - first + 1);
}

// The sysfs folder of the tty: its own name first, then the name it resolves to (a by-id link
// or a --port link to /dev/ttyUSB0).
fs::path ttyFolder(const std::string& portPath, const fs::path& sysDir) {
    std::error_code ec;
    const fs::path asGiven = sysDir / fs::path(portPath).filename();
    if (fs::exists(asGiven / "device", ec)) {
        return asGiven;
    }
    const fs::path real = fs::canonical(portPath, ec);
    return ec ? fs::path{} : sysDir / real.filename();
}

}  // namespace

UsbAdapterInfo usbAdapterInfo(const std::string& portPath, const std::string& sysClassTtyDir) {
    UsbAdapterInfo info;
    const fs::path tty = ttyFolder(portPath, sysClassTtyDir);
    std::error_code ec;
    fs::path dir = tty.empty() ? fs::path{} : fs::canonical(tty / "device", ec);
    if (tty.empty() || ec) {
        return info;
    }
    for (int level = 0; level < kMaxLevels && dir.has_relative_path(); ++level) {
        if (dir.filename() == "devices") {
            break;  // the top of the device tree: no USB device above the tty
        }
        if (fs::exists(dir / "idVendor", ec)) {
            info.vendorId = attribute(dir, "idVendor");
            info.productId = attribute(dir, "idProduct");
            info.manufacturer = attribute(dir, "manufacturer");
            info.product = attribute(dir, "product");
            info.serial = attribute(dir, "serial");
            break;
        }
        dir = dir.parent_path();
    }
    return info;
}

std::string describeUsbAdapter(const UsbAdapterInfo& info) {
    if (!info.known()) {
        return {};
    }
    std::string text = "USB " + info.vendorId + ":" + info.productId;
    for (const std::string* part : {&info.manufacturer, &info.product}) {
        if (!part->empty()) {
            text += " " + *part;
        }
    }
    if (!info.serial.empty()) {
        text += ", serial " + info.serial;
    }
    return printableText(text);
}

}  // namespace hm::ecu
