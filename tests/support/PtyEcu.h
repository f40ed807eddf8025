#pragma once
// A stand-in ECU on the far side of a real pseudo-terminal, for tests of the link that must not
// share code with the virtual ECU: a thread reads the tool's bytes from the master side, cuts
// them into frames by their length byte (its own few lines, not the tool's assembler) and
// writes back whatever the test's `respond` function returns for each frame, byte for byte. An
// empty entry in that list is a pause of 100 ms (an ECU still working on the answer).
//
//   hmtest::PtyEcu ecu([&](const Bytes& request) { return std::vector<Bytes>{...}; });
//   ... open ecu.devicePath() ...
//
// `respond` runs on the ECU's thread. requests() is safe from any thread.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/FakeLinkPort.h"
#include "support/PtyPair.h"

namespace hmtest {

class PtyEcu {
  public:
    using Responder = std::function<std::vector<Bytes>(const Bytes& request)>;
    explicit PtyEcu(Responder respond);
    ~PtyEcu();
    PtyEcu(const PtyEcu&) = delete;
    PtyEcu& operator=(const PtyEcu&) = delete;

    const std::string& devicePath() const { return pty_.slavePath(); }
    // Every request frame received so far, in order.
    std::vector<Bytes> requests() const;

  private:
    void run();

    PtyPair pty_;
    Responder respond_;
    mutable std::mutex mutex_;
    std::vector<Bytes> requests_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Bytes from hex text, "03 7F 21 78 1B".
Bytes bytesOf(const std::string& hexText);

}  // namespace hmtest
