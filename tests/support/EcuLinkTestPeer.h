#pragma once
// The ECU link's single steps and inner state, for tests: the program sees the link only
// through its events (LinkObserver) and its public facts.
#include "ecu/EcuLink.h"

namespace hm::ecu {

class EcuLinkTestPeer {
  public:
    explicit EcuLinkTestPeer(EcuLink& link) : link_(link) {}

    void HandleFrame(const uint8_t* frame, size_t length) { link_.HandleFrame(frame, length); }
    bool PollStep() { return link_.PollStep(); }
    void SendRequest(Request request) { link_.SendRequest(request); }
    void QueueRecordRead() { link_.QueueRecordRead(); }
    void Queue(Request request) { link_.Queue(request); }
    void Unqueue(Request request) { link_.Unqueue(request); }
    bool IsPending(Request request) const { return link_.IsPending(request); }
    void setBlockNumber(int block) { link_.setBlockNumber(block); }

    int responseTicks() const { return link_.responseTicks(); }
    int linkAnswer() const { return link_.linkAnswer(); }
    bool awaitingResponse() const { return link_.awaitingResponse(); }
    int pollCursor() const { return link_.pollCursor(); }
    int blockNumber() const { return link_.blockNumber(); }
    uint16_t securitySeed() const { return link_.securitySeed(); }
    uint16_t securityKey() const { return link_.securityKey(); }
    int pendingExtensions() const { return link_.pendingExtensions(); }
    int selectedRecord() const { return link_.selectedRecord(); }
    int completedReads() const { return link_.completedReads(); }

  private:
    EcuLink& link_;
};

}  // namespace hm::ecu

namespace hmtest {

inline hm::ecu::EcuLinkTestPeer peer(hm::ecu::EcuLink& link) {
    return hm::ecu::EcuLinkTestPeer(link);
}

}  // namespace hmtest
