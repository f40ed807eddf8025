#pragma once
// The session's inner parts, for tests: the program reaches the session only through its
// intents, its view and its read-only facts.
#include "session/Session.h"

namespace hm {

class SessionTestPeer {
  public:
    explicit SessionTestPeer(Session& session) : session_(session) {}

    // The ECU link (nullptr when the session has none).
    ecu::EcuLink* link() { return session_.link_.get(); }
    // The data-file state, to change the settings (the data folder) after the start.
    DataFileState& dataFileState() { return session_.files_; }

  private:
    Session& session_;
};

}  // namespace hm

namespace hmtest {

inline hm::SessionTestPeer peer(hm::Session& session) {
    return hm::SessionTestPeer(session);
}

}  // namespace hmtest
