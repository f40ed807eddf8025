#pragma once
// What the ECU link reports while it works, in its own terms: the connection state machine's
// phase, the port in use, the ECU's type, the progress of an operation, notices and the end of
// a session. The main window decides what it shows from these; the command line prints them.
//
// Every event is delivered on the window thread (the thread that runs the link's ticks and
// handles its frames). An observer must not destroy the link from an event; it may call
// retry() or workOffline() from searchFailed, which the link reports as the last thing of its
// tick.
#include <string>
#include <vector>

#include "ecu/EcuProtocol.h"
#include "ecu/LinkPort.h"
#include "ecu/PortTable.h"

namespace hm::ecu {

// States of the connection state machine. The numbers are those of the tick-by-tick sequence
// (traces and tests name them): open a port, probe, wait for the probe answer (2..4), probe
// again, wait (6, 7), give the port up; then connected, polling. The last three are where the
// link stops ticking: a pass found no ECU and the user is asked, the user chose to work
// offline, or the ECU turned out to be unsupported.
enum class LinkState {
    OpenPort = 0,
    FirstProbe = 1,
    FirstWait1 = 2,
    FirstWait2 = 3,
    FirstWait3 = 4,
    SecondProbe = 5,
    SecondWait1 = 6,
    SecondWait2 = 7,
    GiveUp = 8,
    Connected = 9,
    Polling = 10,
    WaitingForUser = 11,
    Offline = 12,
    Stopped = 13,
};

// What became of one port in a search pass.
enum class AttemptOutcome {
    NoAnswer,    // opened and probed; nothing answered
    OpenFailed,  // could not be opened (openError, openErrno say why)
    BadFrames,   // only frames with a wrong checksum or length came (badFrames of them)
    HungUp,      // the line hung up while probed (adapter unplugged)
    NoReader,    // opened, but its receive thread could not be started
    Connected,   // the ECU answered the probe
};

struct PortAttempt {
    int index = 0;   // entry of the port table
    PortEntry port;  // its number and path (byIdName is left to the window)
    AttemptOutcome outcome = AttemptOutcome::NoAnswer;
    PortOpenError openError = PortOpenError::None;
    int openErrno = 0;
    int badFrames = 0;
};

// The ECU operations that fill or change the image. A record erase writes the 32 records and
// then reads them back (ReadBack, the same progress bar going on); a fleet erase erases the
// blocks and then reads everything again as one operation.
enum class LinkOperation { None, Download, FleetErase, RecordErase, ReadBack };

// What was done in one progress step.
enum class StepKind { BlockRead, RecordRead, BlockErased, RecordWritten };

// Why a connection to the ECU ended.
enum class LossReason {
    TimedOut,  // a request went unanswered for too long
    HungUp,    // the line hung up (adapter unplugged, the far end closed)
};

enum class LinkNotice {
    UnsupportedEcu,  // the ECU's type is not supported; the link has stopped for good
    ReceiveFailed,   // a port was opened but its receive thread could not start
};

class LinkObserver {
  public:
    virtual ~LinkObserver() = default;

    // A search pass tries table entry `index` of `count` (the tick that opens it).
    virtual void searching(int /*index*/, int /*count*/) {}
    // The port is open and the link probes it.
    virtual void probing(const PortAttempt& /*port*/) {}
    // One port of a search pass is done with (every outcome, Connected included).
    virtual void portTried(const PortAttempt& /*attempt*/) {}
    // The ECU answered on `port`; the download starts next.
    virtual void connected(const PortAttempt& /*port*/) {}
    // A pass over every port found no ECU. The link waits in LinkState::WaitingForUser until
    // retry() or workOffline() is called. `attempts` lists the ports of the pass in order.
    virtual void searchFailed(const std::vector<PortAttempt>& /*attempts*/) {}
    // The user chose to work offline: the link has closed and stopped ticking.
    virtual void workingOffline() {}
    // The connection to the ECU ended: it stopped answering (`request` is the one that went
    // unanswered) or the line hung up, idle or not (`request` is the one outstanding, or
    // empty). The link has closed the port and searches again from the next tick.
    virtual void connectionLost(const std::string& /*request*/, LossReason /*reason*/) {}
    // The ECU's type as read (four characters from the wire) and what it supports.
    virtual void ecuType(const std::string& /*type*/, SupportLevel /*level*/) {}
    // An operation starts (`total` progress steps); ReadBack continues its erase's bar.
    virtual void operationStarted(LinkOperation /*operation*/, int /*total*/) {}
    // One step of the running operation.
    virtual void operationStep(StepKind /*kind*/) {}
    // The read that ends every operation is complete: the image holds what the ECU holds.
    virtual void operationFinished(LinkOperation /*operation*/) {}
    virtual void notice(LinkNotice /*notice*/) {}
    // The ECU answered StopSession after a close was requested.
    virtual void closeDone() {}
};

}  // namespace hm::ecu
