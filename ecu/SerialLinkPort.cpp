#include "ecu/SerialLinkPort.h"

namespace hm::ecu {

SerialLinkPort::SerialLinkPort(const PortScanConfig& config)
    : table_(EnumeratePorts(config, notUsed_, leftOut_)) {}

SerialLinkPort::SerialLinkPort(std::vector<PortEntry> table) : table_(std::move(table)) {}

SerialLinkPort::~SerialLinkPort() {
    ClosePort();
}

int SerialLinkPort::addNewPorts(const PortScanConfig& config) {
    return addChangedPorts(config, PortChanges{{}, {}, true});
}

int SerialLinkPort::addChangedPorts(const PortScanConfig& config, const PortChanges& changes) {
    return hm::ecu::addChangedPorts(table_, leftOut_, config, changes);
}

int SerialLinkPort::portCount() const {
    return static_cast<int>(table_.size());
}

int SerialLinkPort::portNumber(int index) const {
    return index >= 0 && index < portCount() ? table_[static_cast<size_t>(index)].number : 0;
}

std::string SerialLinkPort::portPath(int index) const {
    return index >= 0 && index < portCount() ? table_[static_cast<size_t>(index)].path
                                             : std::string{};
}

bool SerialLinkPort::OpenPort(int index) {
    ClosePort();
    if (index < 0 || index >= portCount()) {
        port_.OpenPort("");  // records NotFound
        return false;
    }
    if (!port_.OpenPort(table_[static_cast<size_t>(index)].path)) {
        return false;
    }
    openIndex_ = index;
    return true;
}

bool SerialLinkPort::StartReceiveThread(FrameHandler handler) {
    if (!port_.isOpen()) {
        return false;
    }
    return receiver_.start(port_.fd(), std::move(handler), observer_);
}

bool SerialLinkPort::WritePort(const uint8_t* bytes, size_t count) {
    return port_.WritePort(bytes, count);
}

void SerialLinkPort::ClosePort() {
    receiver_.stop();
    port_.ClosePort();
    openIndex_ = -1;
}

}  // namespace hm::ecu
