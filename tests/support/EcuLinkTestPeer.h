#pragma once
// The ECU link's single steps and inner state (its request ring's and its connection's), for
// tests: the program sees the link only through its events (LinkObserver) and its public facts.
#include "ecu/EcuLink.h"

namespace hm::ecu {

class EcuLinkTestPeer {
  public:
    explicit EcuLinkTestPeer(EcuLink& link) : link_(link) {}

    void HandleFrame(const uint8_t* frame, size_t length) { link_.HandleFrame(frame, length); }
    bool PollStep() { return ring().PollStep(); }
    void SendRequest(Request request) { ring().SendRequest(request); }
    void QueueRecordRead() { ring().QueueRecordRead(); }
    void queue(Request request) { ring().queue(request); }
    void unqueue(Request request) { ring().unqueue(request); }
    bool isPending(Request request) const { return ring().isPending(request); }
    void setBlockNumber(int block) { ring().blockNumber_ = static_cast<uint8_t>(block); }
    void setPollCursor(int index) { ring().pollCursor_ = static_cast<uint8_t>(index); }

    int responseTicks() const { return ring().responseTicks_; }
    int linkAnswer() const { return link_.connection_.linkAnswer(); }
    bool awaitingResponse() const { return ring().awaitingResponse_.load(); }
    int pollCursor() const { return ring().pollCursor_; }
    int blockNumber() const { return ring().blockNumber_; }
    uint16_t securitySeed() const { return ring().securitySeed_; }
    uint16_t securityKey() const { return ring().securityKey_; }
    int pendingExtensions() const { return ring().pendingExtensions_; }
    // The record counter of a record sequence (read, write).
    int selectedRecord() const { return ring().selectedRecord_; }
    // Completed record reads (end of a download, an erase read-back) since construction.
    int completedReads() const { return ring().completedReads_.load(); }

  private:
    RequestRing& ring() const { return link_.ring_; }

    EcuLink& link_;
};

}  // namespace hm::ecu

namespace hmtest {

inline hm::ecu::EcuLinkTestPeer peer(hm::ecu::EcuLink& link) {
    return hm::ecu::EcuLinkTestPeer(link);
}

}  // namespace hmtest
