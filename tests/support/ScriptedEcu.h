#pragma once
// A minimal ECU for unit tests of the link: answers each request frame at once with the
// response the protocol expects, from data the test sets. Use it as FakeLinkPort::responder.
// (The end-to-end tests use the full virtual ECU over a pseudo-terminal instead.)
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ecu/RequestTable.h"
#include "support/FakeLinkPort.h"

namespace hmtest {

struct ScriptedEcu {
    std::string ident = "1HAULTEST00000042";  // 17 characters
    std::string type = "B400";
    std::array<std::array<uint32_t, 32>, 10> blocks{};  // values per block (16 or 32 used)
    std::array<std::array<uint8_t, 16>, 32> records{};  // payloads; byte 4 == 0 means empty
    uint16_t seed = 0x1234;
    bool answerProbe = true;
    bool silent = false;         // answers nothing at all
    int rejectNext = 0;          // answer the next N requests (not probes) with 7F
    bool requireAccess = false;  // refuse erases (7F .. 33) until a key or session request
    bool granted = false;
    std::vector<Bytes> erased;  // requests 31 0E and 3B 39 received

    std::vector<Bytes> operator()(const Bytes& request);

  private:
    Bytes answer(const hm::ecu::RequestEntry& entry, const Bytes& request);
    Bytes blockBytes(uint8_t block) const;
};

// Fills `ecu` with recognisable data: block b entry i = (b + 1) * 1000 + i (two-byte blocks
// keep the low 16 bits), and records 1, 3 and 4 non-empty with descending odometers.
void fillSample(ScriptedEcu& ecu);

}  // namespace hmtest
