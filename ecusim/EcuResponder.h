#pragma once
// The virtual ECU's answers: one request frame in, the response frame out (or nothing). Pure
// protocol, no I/O and no fault injection (VirtualEcu adds those), so tests can drive it
// directly.
//
// Requests and answers (checksum last in every frame, sum of the bytes before it mod 256); the
// services, sub-functions and lengths come from the request table (ecu/RequestTable.h):
//   02 90           -> 06 D0 00 d1 d2 d3            link probe, three digit characters
//   03 27 05        -> 05 67 05 SH SL               seed; a seed whose key is 0 grants access
//   05 27 06 KH KL  -> 03 67 06 (right key, grants access) | 7F 27 35 (wrong key)
//   03 10 84        -> 03 50 84
//   02 20           -> 02 60                        also ends the security access
//   03 1A 90        -> 14 5A 90 + 17 identification characters (zero-padded)
//   03 21 64        -> 07 61 64 + 4 type characters
//   04 21 24 bb     -> 44 61 24 bb + 64 block bytes (bb 0..9)
//   04 21 39 rr     -> 14 61 39 rr + 16 payload bytes (rr 0..31)
//   04 31 0E bb     -> 04 71 0E bb                  clears block bb; needs security access
//   14 3B 39 rr p.. -> 04 7B 39 rr                  stores the payload; needs security access
// Refusals are 04 7F SID NRC: 0x11 unknown service, 0x12 unknown sub-function, 0x13 wrong
// length, 0x24 key before seed, 0x31 out of range, 0x33 security access not granted,
// 0x35 wrong key. A request with a wrong checksum is not answered (as a real ECU ignores a
// corrupted frame).
//
// Not thread-safe; VirtualEcu serialises access.
#include <cstdint>
#include <string>
#include <vector>

#include "ecu/RequestTable.h"
#include "ecu/SecurityKey.h"
#include "ecusim/EcuMemory.h"

namespace hm::ecusim {

struct EcuIdentity {
    std::string ecuType = "B337";     // four characters (padded with spaces / cut)
    std::string probeDigits = "100";  // three characters of the D0 answer
    ecu::KeyConstants key = ecu::kDefaultKeyConstants;
    uint16_t seed = 0x2A17;  // the seed handed out; the tests use one whose key is 0
};

using Frame = std::vector<uint8_t>;

// Appends the checksum to `body` (length byte .. last data byte).
Frame withChecksum(Frame body);
// True when `frame` is length byte L >= 2, L - 1 bytes and a correct checksum.
bool frameIsValid(const uint8_t* frame, size_t length);

class EcuResponder {
  public:
    EcuResponder(EcuIdentity identity, EcuMemory memory);

    // The response to one request frame; empty for no answer.
    Frame respond(const uint8_t* frame, size_t length);

    const EcuMemory& memory() const { return memory_; }
    const EcuIdentity& identity() const { return identity_; }
    bool securityGranted() const { return granted_; }

  private:
    static Frame refuse(uint8_t service, uint8_t code);
    // The positive answer to `entry`: its answer service, its sub-function, then `data`.
    static Frame answer(const ecu::RequestEntry& entry, const Frame& data);
    // Finds the request of frame `f` (L = `len`) in the request table; the refusal when the
    // service is unknown, the sub-function unknown or the length wrong, else an empty frame.
    static Frame recognise(const uint8_t* f, size_t len, const ecu::RequestEntry*& entry);
    Frame serve(ecu::Request request, const uint8_t* f);
    Frame seed(const ecu::RequestEntry& entry);
    Frame key(const ecu::RequestEntry& entry, const uint8_t* f);
    Frame identification(const ecu::RequestEntry& entry) const;
    template <typename Entries>
    static Frame readEntry(const ecu::RequestEntry& entry, const uint8_t* f, const Entries& entries);
    // The refusal of an erase or write request: no access granted or index f[3] not below
    // `count`; an empty frame when it may go ahead.
    Frame refuseChange(const uint8_t* f, size_t count) const;
    Frame eraseBlock(const ecu::RequestEntry& entry, const uint8_t* f);
    Frame writeRecord(const ecu::RequestEntry& entry, const uint8_t* f);

    EcuIdentity identity_;
    EcuMemory memory_;
    bool seedSent_ = false;
    bool granted_ = false;
};

}  // namespace hm::ecusim
