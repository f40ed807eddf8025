#pragma once
// A link host for fuzz targets: every window call does nothing; the retry question is answered
// Yes, or Yes and No in turn.
#include "ecu/LinkHost.h"

namespace hmfuzz {

class NullLinkHost : public hm::ecu::ILinkHost {
  public:
    explicit NullLinkHost(bool alternateAnswers = false) : alternate_(alternateAnswers) {}
    void setTitleState(const std::string&) override {}
    void enableButton(int, bool) override {}
    void setEcuTypeText(const std::string&) override {}
    void startProgress(int) override {}
    void stepProgress() override {}
    void endProgress() override {}
    void hideProgressBar() override {}
    void showGraph(int) override {}
    void setSelectedGraph(int) override {}
    void setStatusIcon(hm::ecu::StatusIcon) override {}
    void setStatusTooltip(const std::string&) override {}
    bool askYesNo(const std::string&) override { return !alternate_ || (++asks_ & 1) != 0; }
    void showMessage(const std::string&, hm::MessageIcon) override {}
    void stopLinkTimer() override {}
    void endDialog() override {}

  private:
    bool alternate_;
    int asks_ = 0;
};

}  // namespace hmfuzz
