#include "support/FakeLinkPort.h"

#include <algorithm>
#include <cstdio>

#include "ecu/WireText.h"

namespace hmtest {

Bytes frameOf(const Bytes& serviceAndData) {
    Bytes f(serviceAndData.size() + 1);
    f[0] = static_cast<uint8_t>(serviceAndData.size() + 1);
    std::copy(serviceAndData.begin(), serviceAndData.end(), f.begin() + 1);
    unsigned sum = 0;
    for (uint8_t b : f) {
        sum += b;
    }
    f.push_back(static_cast<uint8_t>(sum & 0xFF));
    return f;
}

std::string hex(const Bytes& bytes) {
    return hm::ecu::hexBytes(bytes.data(), bytes.size());
}

FakeLinkPort::FakeLinkPort(std::vector<Entry> ports) : ports_(std::move(ports)) {}

int FakeLinkPort::portNumber(int index) const {
    return index >= 0 && index < portCount() ? ports_[static_cast<size_t>(index)].number : 0;
}

std::string FakeLinkPort::portPath(int index) const {
    return index >= 0 && index < portCount() ? ports_[static_cast<size_t>(index)].path
                                             : std::string();
}

bool FakeLinkPort::OpenPort(int index) {
    openCalls.push_back(index);
    if (index < 0 || index >= portCount()) {
        lastError_ = hm::ecu::PortOpenError::NotFound;
        return false;
    }
    if (!ports_[static_cast<size_t>(index)].opens) {
        lastError_ = hm::ecu::PortOpenError::Busy;
        return false;
    }
    lastError_ = hm::ecu::PortOpenError::None;
    openIndex_ = index;
    return true;
}

bool FakeLinkPort::StartReceiveThread(hm::ecu::FrameHandler handler) {
    if (openIndex_ < 0 || receiveThreadFails) {
        return false;
    }
    handler_ = std::move(handler);
    return true;
}

bool FakeLinkPort::WritePort(const uint8_t* bytes, size_t count) {
    if (openIndex_ < 0) {
        return false;
    }
    Bytes frame(bytes, bytes + count);
    writes.push_back(frame);
    if (responder) {
        for (const Bytes& answer : responder(frame)) {
            deliver(answer);
        }
    }
    return true;
}

void FakeLinkPort::ClosePort() {
    ++closeCalls;
    if (beforeClose) {
        beforeClose();
    }
    handler_ = nullptr;
    openIndex_ = -1;
}

bool FakeLinkPort::deliver(const Bytes& frame) {
    if (openIndex_ < 0 || !handler_) {
        return false;
    }
    handler_(frame.data(), frame.size());
    return true;
}

}  // namespace hmtest
