// The link trace during a real download over a pseudo-terminal: TX entries from the tick thread,
// RX entries from the receive thread and drop notes, read concurrently by a viewer thread as the
// window's view reads them. The viewer, the ring and the trace stream must hold the same lines.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sstream>
#include <thread>

#include "ecu/EcuLink.h"
#include "ecu/LinkTickLoop.h"
#include "ecu/SerialLinkPort.h"
#include "ecu/TracingLinkPort.h"
#include "ecusim/VirtualEcu.h"
#include "support/EcuLinkTestPeer.h"
#include "support/RecordingLinkObserver.h"

using namespace hm;
using namespace hm::ecu;
using namespace std::chrono_literals;

namespace {

std::string linesOf(const std::vector<TraceEntry>& entries) {
    std::string text;
    for (const TraceEntry& e : entries) {
        text += formatTraceLine(e) + '\n';
    }
    return text;
}

// Takes entries whenever the ring says there are new ones (the listener runs on the pushing
// threads), until stopped; then takes the rest.
class Viewer {
  public:
    explicit Viewer(TraceRing& ring) : ring_(ring) {
        ring_.setListener([this] { woken_ = true; });
        thread_ = std::thread([this] {
            while (!stopping_) {
                if (woken_.exchange(false)) {
                    lines += linesOf(ring_.take(next_, next_));
                }
                std::this_thread::sleep_for(1ms);
            }
            lines += linesOf(ring_.take(next_, next_));
        });
    }
    ~Viewer() { stop(); }
    void stop() {
        ring_.setListener({});
        stopping_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    std::string lines;

  private:
    TraceRing& ring_;
    uint64_t next_ = 0;
    std::atomic<bool> woken_{false};
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace

TEST(LinkTraceRing, ConcurrentViewerRingAndTraceFileAgreeOnADownload) {
    ecusim::EcuOptions options;
    options.faults.repeat = true;  // every answer twice: drop notes between the frames
    ecusim::VirtualEcu ecu(options);
    ASSERT_TRUE(ecu.start()) << ecu.error();
    SerialLinkPort serial(std::vector<PortEntry>{{1, ecu.devicePath(), "", true}});
    TraceRing ring;
    std::ostringstream file;
    TracingLinkPort tracer(serial, &file, &ring);
    hmtest::RecordingLinkObserver host;
    FleetDataImage image{};
    image.clear();
    Viewer viewer(ring);
    {
        EcuLink link(tracer, host, image);
        tracer.traceDrops(link);
        LinkTickLoop loop(link, 20ms);
        ASSERT_EQ(loop.run([&] { return hmtest::peer(link).completedReads() > 0; }, 60s),
                  LinkTickLoop::Outcome::Finished);
    }  // closes the port: no more entries
    viewer.stop();
    ecu.stop();

    const std::string text = file.str();
    EXPECT_EQ(linesOf(ring.snapshot()), text);
    EXPECT_EQ(viewer.lines, text);
    for (const char* part : {" TX 03 1A 90", " RX 14 5A 90", " -- dropped (", " -- close"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}
