#pragma once
// A virtual trailer brake ECU on a pseudo-terminal. start() opens a pty pair and serves the
// slave side's path (devicePath()) as the ECU's serial device; a thread of its own answers
// every request (EcuResponder) with the configured faults, until stop().
//
//   hm::ecusim::VirtualEcu ecu(options);
//   if (ecu.start()) { open ecu.devicePath() ...; ecu.stop(); }
//
// The ECU keeps a descriptor of the slave side open itself, so the tool may close and reopen
// the device any number of times; the device disappears when the ECU stops or hangs up.
//
// Thread: start(), stop() and the accessors may be called from any one controlling thread; the
// accessors are safe while the ECU runs. The trace callback runs on the ECU's thread.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ecusim/EcuMemory.h"
#include "ecusim/EcuResponder.h"

namespace hm::ecusim {

// Fault injection. Responses are counted from 1 in the order the ECU produces them, the
// probe answer and refusals included.
struct FaultOptions {
    bool silent = false;           // read everything, answer nothing
    int dropResponse = 0;          // the n-th response is not sent (0: off)
    int rejectTimes = 0;           // every request (not the probe) is refused n times with
                                   // 7F SID 21 before it is answered
    bool echo = false;             // send each request back before its answer (K-line adapter)
    size_t chunkSize = 0;          // send responses in chunks of k bytes (0: whole)
    int chunkPauseMs = 0;          // pause between chunks
    std::vector<uint8_t> garbage;  // bytes sent before every response
    int corruptResponse = 0;       // the checksum of the n-th response is wrong (0: off)
    int delayMs = 0;               // wait before every response
    int hangUpAfter = 0;           // close the line after the n-th response (0: never)
    int pendingTimes = 0;          // say "response pending" (7F SID 78) n times, 150 ms apart,
                                   // before every answer (not the probe's)
    bool repeat = false;           // send every answer twice
    std::vector<uint8_t> corruptRequest;  // answers to requests whose bytes after the length
                                          // byte start with these get a wrong checksum
};

struct EcuOptions {
    EcuIdentity identity;
    std::optional<EcuMemory> memory;           // the vehicle; the built-in demo data when empty
    std::optional<std::string> identOverride;  // replaces the vehicle's identification
    FaultOptions faults;
    // Also make a symbolic link here to the device. Only where nothing stands or where a
    // symbolic link into /dev/pts stands (a stale one); start() fails for anything else. Stop
    // removes it only while it still points at this device.
    std::string linkPath;
    std::function<void(const std::string& line)> trace;  // every frame both ways, in hex
};

class VirtualEcu {
  public:
    explicit VirtualEcu(EcuOptions options);
    ~VirtualEcu();
    VirtualEcu(const VirtualEcu&) = delete;
    VirtualEcu& operator=(const VirtualEcu&) = delete;

    // Opens the pty pair and starts the thread. False (with error() set) on failure.
    bool start();
    // Stops the thread promptly, closes the pty and removes the link. Safe to call twice.
    void stop();

    std::string devicePath() const { return devicePath_; }
    const std::string& error() const { return error_; }

    // The data the ECU holds now (after erases and writes).
    EcuMemory memory() const;
    // The vehicle it was started with.
    const EcuMemory& initialMemory() const { return initial_; }
    // Requests received (valid frames) and responses produced so far (a response is counted
    // before its bytes go out; one dropped by the fault options counts too).
    int requestCount() const { return requests_.load(); }
    int responseCount() const { return responses_.load(); }
    // True once the ECU has hung up (hangUpAfter).
    bool hungUp() const { return hungUp_.load(); }
    // True while security access is granted.
    bool securityGranted() const;

  private:
    void run();
    void handleRequest(const uint8_t* frame, size_t length);
    // The refusal the reject fault gives this request, or an empty frame.
    Frame rejection(const uint8_t* frame, size_t length);
    // The "response pending" frames before an answer; false when the line is gone.
    bool sendPending(uint8_t service);
    // Response number `number` with the faults that shape it; false when the line is gone.
    bool sendResponse(const Frame& response, int number);
    bool sendBytes(const uint8_t* bytes, size_t count);  // false when stopping
    bool pause(int ms);                                  // false when stopping
    void traceFrame(const char* what, const uint8_t* bytes, size_t count);
    void hangUp();

    EcuOptions options_;
    EcuMemory initial_;
    mutable std::mutex mutex_;  // guards responder_
    EcuResponder responder_;
    int masterFd_ = -1;
    int slaveHoldFd_ = -1;
    int wakeFd_ = -1;
    std::string devicePath_;
    std::string error_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> hungUp_{false};
    std::atomic<int> requests_{0};
    std::atomic<int> responses_{0};
    std::vector<uint8_t> lastRejected_;
    int rejectedSoFar_ = 0;
    bool linkMade_ = false;
};

}  // namespace hm::ecusim
