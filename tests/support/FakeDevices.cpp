#include "support/FakeDevices.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace hmtest {

FakeDevices::FakeDevices() {
    fs::create_directories(dir / "dev/serial/by-id");
    fs::create_directories(dir / "sys");
    config.devDir = (dir / "dev").string();
    config.sysClassTtyDir = (dir / "sys").string();
    config.byIdDir = (dir / "dev/serial/by-id").string();
}

void FakeDevices::device(const std::string& name, const std::string& target) {
    fs::create_symlink(target, dir / "dev" / name);
}

void FakeDevices::uartType(const std::string& name, const std::string& type) {
    fs::create_directories(dir / "sys" / name);
    writeFileText(dir / "sys" / name / "type", type + "\n");
}

void FakeDevices::usbDevice(const std::string& at,
                            const std::vector<std::pair<std::string, std::string>>& attributes) {
    fs::create_directories(dir / "devices" / at);
    for (const auto& [name, value] : attributes) {
        writeFileText(dir / "devices" / at / name, value + "\n");
    }
}

void FakeDevices::tty(const std::string& name, const std::string& deviceAt) {
    fs::create_directories(dir / "devices" / deviceAt);
    fs::create_directories(dir / "sys" / name);
    fs::create_symlink(dir / "devices" / deviceAt, dir / "sys" / name / "device");
}

}  // namespace hmtest
