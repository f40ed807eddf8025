// The main dialog's button states as a table: one row per situation the dialog can be in.
#include <gtest/gtest.h>

#include "session/DialogButtons.h"

namespace {

using hm::DataSource;
using hm::DialogState;
using hm::LinkPhase;
using Op = hm::ecu::LinkOperation;

// Load, Save, Reload, Erase, sTability, Information, Print, Next, preVious; '-' = off.
std::string shown(const hm::ButtonStates& b) {
    const std::pair<bool, char> flags[] = {{b.load, 'L'},  {b.save, 'S'},      {b.reload, 'R'},
                                           {b.erase, 'E'}, {b.stability, 'T'}, {b.information, 'I'},
                                           {b.print, 'P'}, {b.next, 'N'},      {b.previous, 'V'}};
    std::string out;
    for (const auto& [on, letter] : flags) {
        out += on ? letter : '-';
    }
    return out;
}

TEST(DialogButtons, FollowTheLinkTheOperationTheDataAndTheGraph) {
    struct Row {
        const char* what;
        DialogState state;
        const char* buttons;
    };
    // link, operation, data, graph, ECU read complete, erase held, load dialog open
    const Row rows[] = {
        {"start-up without a link", {LinkPhase::NoLink}, "L--------"},
        {"searching", {LinkPhase::Searching}, "L--------"},
        {"load dialog open",
         {LinkPhase::Searching, Op::None, DataSource::None, 0, false, false, true},
         "---------"},
        {"download running", {LinkPhase::Connected, Op::Download}, "---------"},
        {"download complete, graph 1",
         {LinkPhase::Connected, Op::None, DataSource::Ecu, 1, true},
         "LSRETIPN-"},
        {"download complete, records only",
         {LinkPhase::Connected, Op::None, DataSource::Ecu, 0, true},
         "LSRET----"},
        {"graph 10", {LinkPhase::Connected, Op::None, DataSource::Ecu, 10, true}, "LSRETIP-V"},
        {"file loaded after a download",
         {LinkPhase::Connected, Op::None, DataSource::File, 3, true},
         "LSRETIPNV"},
        {"file loaded offline", {LinkPhase::Offline, Op::None, DataSource::File, 1}, "L---TIPN-"},
        {"stability-only file",
         {LinkPhase::Offline, Op::None, DataSource::StabilityOnly, 0},
         "L---T----"},
        {"stability-only file over graph 5: no graph to step to",
         {LinkPhase::Offline, Op::None, DataSource::StabilityOnly, 5},
         "L---T----"},
        {"erase confirmed",
         {LinkPhase::Connected, Op::None, DataSource::Ecu, 1, true, true},
         "LSR-TIPN-"},
        {"fleet erase running",
         {LinkPhase::Connected, Op::FleetErase, DataSource::Ecu, 0, true},
         "----T----"},
        {"record erase writing",
         {LinkPhase::Connected, Op::RecordErase, DataSource::Ecu, 0, true},
         "----T----"},
        {"record erase reading back",
         {LinkPhase::Connected, Op::ReadBack, DataSource::Ecu, 0, true},
         "----T----"},
        {"connection lost, searching again",
         {LinkPhase::Searching, Op::None, DataSource::None, 0},
         "L--------"},
        {"a file while the retry question is open",
         {LinkPhase::Waiting, Op::None, DataSource::File, 2},
         "L---TIPNV"},
        {"unsupported ECU", {LinkPhase::Stopped}, "L--------"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(shown(hm::buttonStates(row.state)), row.buttons) << row.what;
    }
}

TEST(DialogButtons, PortTooltipNamesNumberAndPath) {
    EXPECT_EQ(hm::portTooltip({3, "/dev/ttyUSB0", "usb-x", false}), "COM 3 (/dev/ttyUSB0)");
    EXPECT_EQ(hm::portTooltip({12, "", "", true}), "COM 12");
}

}  // namespace
