#pragma once
// The link's real transport: the port table (PortTable.h), one SerialPort and its
// ReceiveThread behind the ILinkPort contract. At most one port is open at a time.
//
// Thread: everything but the frame handler runs on the window thread. ClosePort wakes and
// joins the receive thread before closing the descriptor, so the thread of the next open
// never overlaps the old one, and the handler is never called after ClosePort returns.
// ClosePort must not be called from the frame handler.
#include <memory>
#include <string>
#include <vector>

#include "ecu/LinkPort.h"
#include "ecu/PortTable.h"
#include "ecu/ReceiveThread.h"
#include "ecu/SerialPort.h"

namespace hm::ecu {

class SerialLinkPort : public ILinkPort {
  public:
    // Builds the table with EnumeratePorts(config).
    explicit SerialLinkPort(const PortScanConfig& config);
    // Uses a ready table (tests, demo mode).
    explicit SerialLinkPort(std::vector<PortEntry> table);
    ~SerialLinkPort() override;

    int portCount() const override;
    int portNumber(int index) const override;
    std::string portPath(int index) const override;
    bool OpenPort(int index) override;
    PortOpenError lastOpenError() const override { return port_.lastError(); }
    bool StartReceiveThread(FrameHandler handler) override;
    bool WritePort(const uint8_t* bytes, size_t count) override;
    void ClosePort() override;

    // Enumerates the devices again and appends those not listed yet (an adapter plugged in
    // since); listed entries keep their index, so a pass under way is not disturbed. Returns
    // how many were added.
    int addNewPorts(const PortScanConfig& config);
    // The same for the devices named in `changes` only (addChangedPorts).
    int addChangedPorts(const PortScanConfig& config, const PortChanges& changes);

    // Paths left out because the table was full (more than 255 ports).
    const std::vector<std::string>& notUsed() const { return notUsed_; }
    // Devices the scan found but does not probe, with the reason (no UART behind a ttyS name).
    const std::vector<LeftOutPort>& leftOut() const { return leftOut_; }
    // The whole table, with the /dev/serial/by-id names of USB adapters.
    const std::vector<PortEntry>& ports() const { return table_; }
    // Table index of the open port, or -1.
    int openIndex() const { return openIndex_; }
    // errno of the last failed open (0 when none), for the window's message.
    int lastOpenErrno() const override { return port_.lastErrno(); }
    // True once the receive thread has seen the open port hang up (adapter unplugged).
    bool lineHungUp() const override { return receiver_.hungUp(); }
    // The receive thread of the open port (its hang-up state and wake-up count).
    const ReceiveThread& receiveThread() const { return receiver_; }
    // Test hook: observes every read made by the receive thread of the next start.
    void setChunkObserver(ReceiveThread::ChunkObserver observer) {
        observer_ = std::move(observer);
    }

  private:
    std::vector<std::string> notUsed_;
    std::vector<LeftOutPort> leftOut_;
    std::vector<PortEntry> table_;
    SerialPort port_;
    ReceiveThread receiver_;
    ReceiveThread::ChunkObserver observer_;
    int openIndex_ = -1;
};

}  // namespace hm::ecu
