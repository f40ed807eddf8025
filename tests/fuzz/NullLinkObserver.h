#pragma once
// A link observer for fuzz targets: ignores every event and answers a search that found
// nothing with a retry, or with a retry and working offline in turn.
#include "ecu/EcuLink.h"
#include "ecu/LinkEvents.h"

namespace hmfuzz {

class NullLinkObserver : public hm::ecu::LinkObserver {
  public:
    explicit NullLinkObserver(bool alternateAnswers = false) : alternate_(alternateAnswers) {}
    // The link to answer; set right after constructing it.
    hm::ecu::EcuLink* link = nullptr;
    void searchFailed(const std::vector<hm::ecu::PortAttempt>&) override {
        if (link == nullptr) {
            return;
        }
        if (!alternate_ || (++asks_ & 1) != 0) {
            link->retry();
        } else {
            link->workOffline();
        }
    }

  private:
    bool alternate_;
    int asks_ = 0;
};

}  // namespace hmfuzz
