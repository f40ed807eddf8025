#pragma once
// A pseudo-terminal pair for tests: the master side stands for the device's far end (the
// ECU), slavePath() is the device the code under test opens.
#include <string>

namespace hmtest {

class PtyPair {
  public:
    // Opens the pair (master non-blocking, slave raw). Throws std::runtime_error on failure.
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

    // A descriptor of the slave side for watching it (line settings, queue size); opened
    // once, before the code under test takes the device exclusively. -1 when unavailable.
    int observer() const { return observer_; }

    // Writes all bytes to the master side (the device sends them to the tool).
    void send(const void* bytes, size_t count);
    // Reads what the tool sent until `count` bytes arrived or `timeoutMs` passed.
    std::string receive(size_t count, int timeoutMs = 2000);
    // Closes the master side: the slave side hangs up.
    void hangUp();

  private:
    int master_ = -1;
    int observer_ = -1;
    std::string slavePath_;
};

}  // namespace hmtest
