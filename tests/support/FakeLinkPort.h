#pragma once
// A serial port stand-in for unit tests of the ECU link: a fixed port table, scripted open
// results, a record of every frame written, and frames delivered by the test through the
// receive handler (on the test's own thread). An optional responder answers each write.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ecu/LinkPort.h"

namespace hmtest {

using Bytes = std::vector<uint8_t>;

// A frame with its length byte and checksum added: frameOf({0x61, 0x64, 'B', ...}).
Bytes frameOf(const Bytes& serviceAndData);
std::string hex(const Bytes& bytes);

class FakeLinkPort : public hm::ecu::ILinkPort {
  public:
    struct Entry {
        int number = 1;
        std::string path;
        bool opens = true;
        bool hangsUp = false;  // reports a hang-up while open
    };
    explicit FakeLinkPort(std::vector<Entry> ports = {{1, "/dev/fake1", true, false}});

    int portCount() const override { return static_cast<int>(ports_.size()); }
    int portNumber(int index) const override;
    std::string portPath(int index) const override;
    bool OpenPort(int index) override;
    hm::ecu::PortOpenError lastOpenError() const override { return lastError_; }
    bool lineHungUp() const override {
        return isOpen() && ports_[static_cast<size_t>(openIndex_)].hangsUp;
    }
    bool StartReceiveThread(hm::ecu::FrameHandler handler) override;
    bool WritePort(const uint8_t* bytes, size_t count) override;
    void ClosePort() override;

    // Hands `frame` to the receive handler as the receive thread would. False when no port is
    // open or no handler runs.
    bool deliver(const Bytes& frame);

    // Called for every write with the bytes written; its result frames are delivered at once.
    std::function<std::vector<Bytes>(const Bytes&)> responder;

    // Called at the start of ClosePort, while the handler is still live (a frame racing the
    // close).
    std::function<void()> beforeClose;

    bool receiveThreadFails = false;  // StartReceiveThread reports failure

    std::vector<Bytes> writes;   // every frame written, in order
    std::vector<int> openCalls;  // table index of every OpenPort call
    int closeCalls = 0;
    bool isOpen() const { return openIndex_ >= 0; }
    int openIndex() const { return openIndex_; }
    std::vector<Entry>& ports() { return ports_; }

  private:
    std::vector<Entry> ports_;
    int openIndex_ = -1;
    hm::ecu::PortOpenError lastError_ = hm::ecu::PortOpenError::None;
    hm::ecu::FrameHandler handler_;
};

}  // namespace hmtest
