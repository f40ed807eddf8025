// The link against a stand-in ECU that is not the virtual ECU: a scripted far end on a real
// pseudo-terminal that answers late, twice, or "response pending" first. The download must end
// with exactly the image a clean line gives, each record requested once.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "ecu/EcuLink.h"
#include "ecu/LinkTickLoop.h"
#include "ecu/SerialLinkPort.h"
#include "fleetdata/DataFile.h"
#include "support/EcuLinkTestPeer.h"
#include "support/PtyEcu.h"
#include "support/RecordingLinkObserver.h"
#include "support/ScriptedEcu.h"

using namespace hm;
using namespace hm::ecu;
using namespace std::chrono_literals;
using hmtest::Bytes;
using hmtest::bytesOf;

namespace {

bool isRecordRead(const Bytes& r) {
    return r.size() == 5 && r[1] == 0x21 && r[2] == 0x39;
}

struct Outcome {
    ImageBytes image{};
    std::vector<int> recordsRequested;
    int dropped = 0;
    int completed = 0;
};

// Downloads from a scripted ECU whose answers pass through `fault` first.
Outcome download(const std::function<std::vector<Bytes>(const Bytes&, std::vector<Bytes>)>& fault) {
    hmtest::ScriptedEcu data;
    hmtest::fillSample(data);
    hmtest::PtyEcu ecu([&](const Bytes& request) { return fault(request, data(request)); });
    SerialLinkPort port(std::vector<PortEntry>{{1, ecu.devicePath(), "", true}});
    hmtest::RecordingLinkObserver host;
    FleetDataImage image{};
    image.clear();
    Outcome out;
    {
        EcuLink link(port, host, image);
        LinkTickLoop loop(link, 20ms);
        loop.run([&] { return hmtest::peer(link).completedReads() > 0; }, 60s);
        out.dropped = link.droppedFrames();
        out.completed = hmtest::peer(link).completedReads();
    }
    out.image = serialiseImage(image);
    for (const Bytes& r : ecu.requests()) {
        if (isRecordRead(r)) {
            out.recordsRequested.push_back(r[3]);
        }
    }
    return out;
}

std::vector<int> zeroTo31() {
    std::vector<int> v;
    for (int i = 0; i < 32; ++i) {
        v.push_back(i);
    }
    return v;
}

struct HostileCase {
    const char* name;
    std::function<std::vector<Bytes>(const Bytes&, std::vector<Bytes>)> fault;
    bool drops;  // frames must have been dropped on the way
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileLine : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileLine, DownloadEqualsACleanOne) {
    const Outcome clean = download([](const Bytes&, std::vector<Bytes> a) { return a; });
    ASSERT_EQ(clean.completed, 1);
    ASSERT_EQ(clean.recordsRequested, zeroTo31());

    const Outcome hostile = download(GetParam().fault);
    ASSERT_EQ(hostile.completed, 1);
    EXPECT_EQ(hostile.recordsRequested, zeroTo31());
    EXPECT_TRUE(hostile.image == clean.image) << "the image differs from a clean download";
    EXPECT_EQ(hostile.dropped > 0, GetParam().drops);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileLine,
    ::testing::Values(
        // "Response pending" at once, the record answer 100 ms later.
        HostileCase{"PendingFirst",
                    [](const Bytes& r, std::vector<Bytes> a) {
                        if (isRecordRead(r)) {
                            a.insert(a.begin(), {bytesOf("04 7F 21 78 1C"), Bytes{}});
                        }
                        return a;
                    },
                    false},
        // Every answer sent twice.
        HostileCase{"EveryAnswerTwice",
                    [](const Bytes& r, std::vector<Bytes> a) {
                        if (r[1] != 0x90 && !a.empty()) {
                            a.push_back(a.front());
                        }
                        return a;
                    },
                    true},
        // Before each record answer, the answer to the previous record once more (late).
        HostileCase{"LateAnswerOfThePreviousRecord",
                    [](const Bytes& r, std::vector<Bytes> a) {
                        static Bytes previous;
                        if (isRecordRead(r)) {
                            if (!previous.empty() && r[3] != 0) {
                                a.insert(a.begin(), previous);
                            }
                            previous = a.back();
                        }
                        return a;
                    },
                    true},
        // Refusals naming another service and an echo of the request.
        HostileCase{"ForeignRefusalAndEcho",
                    [](const Bytes& r, std::vector<Bytes> a) {
                        if (r[1] != 0x90) {
                            a.insert(a.begin(), bytesOf("04 7F 3B 22 E0"));
                            a.insert(a.begin(), r);
                        }
                        return a;
                    },
                    true}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

}  // namespace
