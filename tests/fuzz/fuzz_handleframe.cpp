// Feeds arbitrary frames to EcuLink::HandleFrame, with the link first brought into one of its
// states (probing, polling during a download, a fleet erase, a record erase, after an
// unsupported ECU), interleaved with ticks. Input: byte 0 chooses the state and whether the
// frames get a correct length byte and checksum (so the handlers behind the frame check are
// reached); the rest is a sequence of [n][n bytes] frames, where n = 0 means "one tick".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "NullLinkObserver.h"
#include "ecu/EcuLink.h"
#include "support/EcuLinkTestPeer.h"

using namespace hm::ecu;

namespace {

class FuzzPort : public ILinkPort {
  public:
    int portCount() const override { return 2; }
    int portNumber(int index) const override { return index + 1; }
    std::string portPath(int) const override { return "/dev/fuzz"; }
    bool OpenPort(int index) override { return index >= 0 && index < 2; }
    PortOpenError lastOpenError() const override { return PortOpenError::None; }
    bool StartReceiveThread(FrameHandler handler) override {
        handler_ = std::move(handler);
        return true;
    }
    bool WritePort(const uint8_t*, size_t count) override { return count > 0; }
    void ClosePort() override { handler_ = nullptr; }
    void deliver(const std::vector<uint8_t>& f) {
        if (handler_) {
            handler_(f.data(), f.size());
        }
    }

  private:
    FrameHandler handler_;
};

std::vector<uint8_t> sealed(std::vector<uint8_t> body) {
    body.insert(body.begin(), static_cast<uint8_t>(body.size() + 1));
    body.push_back(frameChecksum(body.data(), body.size()));
    return body;
}

void deliverAndTick(EcuLink& link, FuzzPort& port, const std::vector<uint8_t>& frame) {
    port.deliver(frame);
    link.OnLinkTimer();
}

void connect(EcuLink& link, FuzzPort& port) {
    link.OnLinkTimer();  // open
    link.OnLinkTimer();  // probe
    deliverAndTick(link, port, sealed({0xD0, 0x00, '1', '0', '0'}));
    link.OnLinkTimer();  // connected, download begun
}

void setUp(EcuLink& link, FuzzPort& port, int scenario) {
    switch (scenario) {
        case 0:  // probing
            link.OnLinkTimer();
            link.OnLinkTimer();
            break;
        case 1:  // polling, identification outstanding
            connect(link, port);
            link.OnLinkTimer();
            break;
        case 2:  // in the block read
            connect(link, port);
            link.OnLinkTimer();
            deliverAndTick(
                link, port,
                sealed({0x5A, 0x90, 'V', 'I', 'N', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
            deliverAndTick(link, port, sealed({0x61, 0x64, 'B', '4', '0', '0'}));
            break;
        case 3:  // a fleet erase after the type answer
        case 4:  // a record erase
            setUp(link, port, 2);
            if (scenario == 3) {
                link.startFleetErase();
            } else {
                link.startRecordErase();
            }
            link.OnLinkTimer();
            break;
        case 5:  // after an unsupported ECU
            connect(link, port);
            link.OnLinkTimer();
            deliverAndTick(link, port,
                           sealed({0x5A, 0x90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
            deliverAndTick(link, port, sealed({0x61, 0x64, 'A', '0', '0', '0'}));
            break;
        case 6:  // close requested while a stability record read runs
            setUp(link, port, 2);
            link.requestClose();
            hmtest::peer(link).QueueRecordRead();
            link.OnLinkTimer();
            break;
        default:  // fresh
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    FuzzPort port;
    hmfuzz::NullLinkObserver host(true);
    hm::FleetDataImage image{};
    image.clear();
    EcuLink link(port, host, image, KeyConstants{data[0] & 15, 1009, 13});
    host.link = &link;
    const int scenario = data[0] & 7;
    const bool seal = (data[0] & 0x80) != 0;
    setUp(link, port, scenario);

    size_t i = 1;
    while (i < size) {
        const size_t n = data[i++];
        if (n == 0) {
            link.OnLinkTimer();
        } else {
            const size_t take = std::min(n, size - i);
            std::vector<uint8_t> frame(data + i, data + i + take);
            i += take;
            if (seal && frame.size() >= 1) {
                frame = sealed(std::vector<uint8_t>(frame.begin() + 1, frame.end()));
            }
            hmtest::peer(link).HandleFrame(frame.data(), frame.size());
        }
        if (image.stabilityRecordCount > 32) {
            std::abort();
        }
    }
    return 0;
}
