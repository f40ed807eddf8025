// Sequences of frames, ticks and user actions fed to the link, from states reached by a
// well-behaved prologue (probing, mid-download, mid-erase). The far end here answers the
// request just written, repeats old answers, answers older requests late, says "response
// pending", refuses, answers with the wrong number or sends arbitrary frames.
//
// Checked after every step: nothing crashes, and every block and record the image holds came
// from an answer that matched the request outstanding when it arrived. Data answers carry a tag
// (the block or record number and a serial number) in every value, and the oracle keeps the
// tags of the answers that were legitimate when delivered.
//
// Input: byte 0 sets the prologue length and ECU type; then one byte per operation, some with
// parameter bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "NullLinkObserver.h"
#include "ecu/EcuLink.h"
#include "support/EcuLinkTestPeer.h"

using namespace hm::ecu;
using Bytes = std::vector<uint8_t>;

namespace {

class SeqPort : public ILinkPort {
  public:
    int portCount() const override { return 1; }
    int portNumber(int) const override { return 1; }
    std::string portPath(int) const override { return "/dev/fuzz"; }
    bool OpenPort(int index) override { return index == 0; }
    PortOpenError lastOpenError() const override { return PortOpenError::None; }
    bool StartReceiveThread(FrameHandler handler) override {
        handler_ = std::move(handler);
        return true;
    }
    bool WritePort(const uint8_t* bytes, size_t count) override {
        written.emplace_back(bytes, bytes + count);
        if (written.size() > 8) {
            written.erase(written.begin());
        }
        return true;
    }
    void ClosePort() override { handler_ = nullptr; }
    void deliver(const Bytes& f) {
        if (handler_) {
            handler_(f.data(), f.size());
        }
    }
    std::vector<Bytes> written;  // the last few frames written, oldest first

  private:
    FrameHandler handler_;
};

Bytes sealed(Bytes body) {
    body.insert(body.begin(), static_cast<uint8_t>(body.size() + 1));
    body.push_back(frameChecksum(body.data(), body.size()));
    return body;
}

// What identifies the request an answer belongs to: service, sub-function, block or record.
Bytes requestKey(const Bytes& r) {
    if (r.size() < 3) {
        return {};
    }
    const size_t n = (r[1] == 0x27) ? 3 : std::min<size_t>(r.size() - 1, 4);
    return Bytes(r.begin() + 1, r.begin() + static_cast<long>(n));
}

struct Oracle {
    std::set<uint32_t> blockTags[10];
    std::set<uint32_t> recordTags;
    uint32_t serial = 0;
};

uint32_t blockTag(uint8_t b, uint32_t k) {
    return (b >= 4 && b <= 7) ? ((uint32_t{b} << 12) | (k & 0xFFF))
                              : ((uint32_t{b} << 24) | (k & 0xFFFFFF));
}

// The positive answer to request `r`; data answers carry tags of serial `k`.
Bytes answerTo(const Bytes& r, uint32_t k, const char* type, int numberShift = 0) {
    if (r.size() < 3) {
        return {};
    }
    const uint8_t number = r.size() > 4 ? static_cast<uint8_t>(r[3] + numberShift) : 0;
    switch (r[1]) {
        case 0x90:
            return sealed({0xD0, 0x00, '1', '0', '0'});
        case 0x27:
            return r[2] == 0x05 ? sealed({0x67, 0x05, static_cast<uint8_t>(k >> 8),
                                          static_cast<uint8_t>(k | 1)})
                                : sealed({0x67, 0x06});
        case 0x10:
            return sealed({0x50, 0x84});
        case 0x20:
            return sealed({0x60});
        case 0x1A: {
            Bytes b{0x5A, 0x90};
            for (int i = 0; i < 17; ++i) {
                b.push_back(static_cast<uint8_t>('A' + (k + static_cast<uint32_t>(i)) % 26));
            }
            return sealed(b);
        }
        case 0x21:
            if (r[2] == 0x64) {
                return sealed({0x61, 0x64, static_cast<uint8_t>(type[0]),
                               static_cast<uint8_t>(type[1]), static_cast<uint8_t>(type[2]),
                               static_cast<uint8_t>(type[3])});
            }
            if (r[2] == 0x24 && r.size() > 4) {
                Bytes b{0x61, 0x24, number};
                const uint32_t tag = blockTag(number, k);
                const bool wide = number < 4 || number > 7;
                for (int i = 0; i < (wide ? 16 : 32); ++i) {
                    if (wide) {
                        b.push_back(static_cast<uint8_t>(tag >> 24));
                        b.push_back(static_cast<uint8_t>(tag >> 16));
                    }
                    b.push_back(static_cast<uint8_t>(tag >> 8));
                    b.push_back(static_cast<uint8_t>(tag));
                }
                return sealed(b);
            }
            if (r[2] == 0x39 && r.size() > 4) {
                const uint32_t odo = (uint32_t{number} << 24) | (k & 0xFFFFFF);
                Bytes b{0x61, 0x39, number, 0, 0, 0, 0, 1, 0, 0, 0};
                b.push_back(static_cast<uint8_t>(odo >> 24));
                b.push_back(static_cast<uint8_t>(odo >> 16));
                b.push_back(static_cast<uint8_t>(odo >> 8));
                b.push_back(static_cast<uint8_t>(odo));
                b.insert(b.end(), {0, 0, 0, 0});
                return sealed(b);
            }
            return {};
        case 0x31:
            return sealed({0x71, 0x0E, number});
        case 0x3B:
            return sealed({0x7B, 0x39, number});
        default:
            return {};
    }
}

struct Rig {
    SeqPort port;
    hmfuzz::NullLinkObserver host;
    hm::FleetDataImage image{};
    EcuLink link{port, host, image};
    Oracle oracle;
    const char* type = "B400";
    Bytes lastAnswer;

    Rig() {
        image.clear();
        host.link = &link;
    }

    const Bytes* lastWritten() const {
        return port.written.empty() ? nullptr : &port.written.back();
    }

    // Delivers `f` and handles it; notes the tags of a legitimate data answer.
    void deliver(const Bytes& f) {
        const Bytes* w = lastWritten();
        const bool outstanding =
            hmtest::peer(link).awaitingResponse() && w != nullptr && (*w)[1] != 0x90;
        const bool wellFormed = frameIsWellFormed(f.data(), f.size());
        bool legit = false;
        if (outstanding && wellFormed && f.size() > 4) {
            const Bytes key = requestKey(*w);
            legit = f[1] == static_cast<uint8_t>((*w)[1] + 0x40) &&
                    (key.size() < 2 || f[2] == key[1] || (*w)[1] == 0x1A) &&
                    (key.size() < 3 || f[3] == key[2]);
        }
        if (legit && f[1] == 0x61 && f[2] == 0x24 && f.size() >= 69 && f[3] < 10) {
            oracle.blockTags[f[3]].insert((uint32_t{f[4]} << 24) | (uint32_t{f[5]} << 16) |
                                          (uint32_t{f[6]} << 8) | f[7]);
            if (f[3] >= 4 && f[3] <= 7) {
                oracle.blockTags[f[3]].insert((uint32_t{f[4]} << 8) | f[5]);
            }
        }
        if (legit && f[1] == 0x61 && f[2] == 0x39 && f.size() >= 21) {
            oracle.recordTags.insert((uint32_t{f[12]} << 24) | (uint32_t{f[13]} << 16) |
                                     (uint32_t{f[14]} << 8) | f[15]);
        }
        port.deliver(f);
        link.drainFrames();
        lastAnswer = f;
    }

    // A raw frame must not pass as a legitimate data answer (its data carry no tag).
    void deliverRaw(Bytes f, bool seal) {
        if (seal) {
            f = sealed(f);
            const Bytes* w = lastWritten();
            if (f.size() > 4 && f[1] == 0x61 && (f[2] == 0x24 || f[2] == 0x39) && w != nullptr &&
                w->size() > 4 && f[3] == (*w)[3]) {
                f[3] = static_cast<uint8_t>(f[3] + 1);
                f.back() = frameChecksum(f.data(), f.size() - 1);
            }
        }
        port.deliver(f);
        link.drainFrames();
    }

    void check() const {
        for (int b = 0; b < 10; ++b) {
            const uint32_t* words = image.block(b);
            const int count = hm::FleetDataImage::blockWords(b);
            if (std::all_of(words, words + count, [](uint32_t v) { return v == 0; })) {
                continue;
            }
            if (!std::all_of(words, words + count, [&](uint32_t v) { return v == words[0]; }) ||
                oracle.blockTags[b].count(words[0]) == 0) {
                std::abort();  // block data not from an answer to a request for this block
            }
        }
        if (image.stabilityRecordCount > 32) {
            std::abort();
        }
        std::set<uint32_t> numbers;
        for (uint32_t i = 0; i < image.stabilityRecordCount; ++i) {
            const uint32_t odo = image.stabilityRecords[i].odometer;
            if (oracle.recordTags.count(odo) == 0 || !numbers.insert(odo >> 24).second) {
                std::abort();  // a record not asked for, or one record stored twice
            }
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    Rig rig;
    static const char* const kTypes[] = {"B400", "B330", "A999", "X\03399"};
    rig.type = kTypes[(data[0] >> 6) & 3];
    // Prologue: a well-behaved ECU for up to 63 ticks, so that the operations start from any
    // state of a download.
    for (int t = 0; t < (data[0] & 63); ++t) {
        rig.link.OnLinkTimer();
        if (const Bytes* w = rig.lastWritten(); w != nullptr) {
            if ((*w)[1] == 0x90 || hmtest::peer(rig.link).awaitingResponse()) {
                rig.deliver(answerTo(*w, ++rig.oracle.serial, rig.type));
            }
        }
        rig.check();
    }
    size_t i = 1;
    auto next = [&]() -> uint8_t { return i < size ? data[i++] : 0; };
    while (i < size) {
        const uint8_t op = next();
        const Bytes* w = rig.lastWritten();
        switch (op % 12) {
            case 0:
            case 1:
                rig.link.OnLinkTimer();
                break;
            case 2:
            case 3:  // the right answer to the request just written
                if (w != nullptr) {
                    const Bytes a = answerTo(*w, ++rig.oracle.serial, rig.type);
                    const bool legitNow =
                        hmtest::peer(rig.link).awaitingResponse() && (*w)[1] != 0x90;
                    rig.deliver(a);
                    if (legitNow && !a.empty() && hmtest::peer(rig.link).awaitingResponse() &&
                        rig.link.linkState() == LinkState::Polling) {
                        std::abort();  // a matching answer was not taken
                    }
                }
                break;
            case 4:  // the last answer once more
                if (!rig.lastAnswer.empty()) {
                    rig.deliver(Bytes(rig.lastAnswer));
                }
                break;
            case 5:  // response pending
                if (w != nullptr) {
                    rig.deliver(sealed({0x7F, (*w)[1], 0x78}));
                }
                break;
            case 6:  // a refusal with any code, or naming any service
                if (w != nullptr) {
                    const uint8_t code = next();
                    const uint8_t service = (code & 1) ? next() : (*w)[1];
                    rig.deliver(sealed({0x7F, service, code}));
                }
                break;
            case 7:  // an answer with the wrong block or record number
                if (w != nullptr) {
                    rig.deliver(answerTo(*w, ++rig.oracle.serial, rig.type, 1 + next() % 40));
                }
                break;
            case 8:
            case 9: {  // an arbitrary frame, sealed (op 8) or raw bytes (op 9)
                const size_t n = std::min<size_t>(next() % 72, size - i);
                Bytes f(data + i, data + i + n);
                i += n;
                rig.deliverRaw(std::move(f), op % 12 == 8);
                break;
            }
            case 10:  // the user or the command line
                switch (next() % 7) {
                    case 0:
                        rig.link.BeginDownload();
                        break;
                    case 1:
                        rig.link.queueRequestSeed();
                        rig.link.startFleetErase();
                        break;
                    case 2:
                        rig.link.queueRequestSeed();
                        rig.link.startRecordErase();
                        break;
                    case 3:
                        rig.link.requestClose();
                        break;
                    case 4:
                        rig.link.cancelForShutdown();
                        break;
                    default:  // long silence: a time-out
                        for (int t = 0; t < 60; ++t) {
                            rig.link.OnLinkTimer();
                        }
                        break;
                }
                break;
            case 11:  // a late answer to an older request
                if (rig.port.written.size() >= 2) {
                    const size_t back = 2 + next() % 6;
                    const size_t at =
                        rig.port.written.size() >= back ? rig.port.written.size() - back : 0;
                    rig.deliver(
                        answerTo(Bytes(rig.port.written[at]), ++rig.oracle.serial, rig.type));
                }
                break;
        }
        rig.check();
    }
    return 0;
}
