#pragma once
// A link over a fake port with one device, an observer that records its events and a scripted
// ECU holding the sample data; tests drive the link tick by tick.
#include <gtest/gtest.h>

#include <memory>

#include "ecu/EcuLink.h"
#include "support/EcuLinkTestPeer.h"
#include "support/FakeLinkPort.h"
#include "support/RecordingLinkObserver.h"
#include "support/ScriptedEcu.h"

namespace hmtest {

class LinkFixture : public ::testing::Test {
  protected:
    FakeLinkPort port{{{1, "/dev/fake1", true}}};
    RecordingLinkObserver host;
    hm::FleetDataImage image{};
    ScriptedEcu ecu;
    std::unique_ptr<hm::ecu::EcuLink> link;

    void SetUp() override {
        image.clear();
        fillSample(ecu);
    }
    // The port answers every request with the scripted ECU's reply.
    void answerWithScriptedEcu() {
        port.responder = [this](const Bytes& r) { return ecu(r); };
    }
    void make(const hm::ecu::KeyConstants& keys = hm::ecu::kDefaultKeyConstants) {
        link = std::make_unique<hm::ecu::EcuLink>(port, host, image, keys);
        host.link = link.get();
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            link->OnLinkTimer();
        }
    }
    // Ticks until the next completed record read, at most `limit` ticks; returns the ticks
    // used, or -1 when none completed.
    int runUntilComplete(int limit = 200) {
        const int before = hmtest::peer(*link).completedReads();
        for (int t = 1; t <= limit; ++t) {
            tick();
            if (hmtest::peer(*link).completedReads() > before) {
                return t;
            }
        }
        return -1;
    }
};

}  // namespace hmtest
