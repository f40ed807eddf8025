// The rows of the link trace view: bounded like the ring (the oldest rows go), and the cell
// texts of frames and notes.
#include <gtest/gtest.h>

#include "mainwindow/LinkTraceModel.h"

using hm::LinkTraceModel;
using hm::ecu::TraceDirection;
using hm::ecu::TraceEntry;

namespace {

std::vector<TraceEntry> entries(int from, int to) {
    std::vector<TraceEntry> out;
    for (int i = from; i < to; ++i) {
        out.push_back({i, TraceDirection::Tx, {0x02, 0x20, 0x22}, {}});
    }
    return out;
}

QString cell(const LinkTraceModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

}  // namespace

TEST(LinkTraceModel, KeepsTheNewestRowsUpToItsCapacity) {
    LinkTraceModel model(3);
    const int time = LinkTraceModel::section(LinkTraceModel::Column::Time);
    const struct {
        int from, to;
        int firstTime;  // of row 0 afterwards
        int rows;
    } steps[] = {{0, 2, 0, 2}, {2, 4, 1, 3}, {4, 9, 6, 3}, {9, 9, 6, 3}};
    for (const auto& s : steps) {
        model.append(entries(s.from, s.to));
        ASSERT_EQ(model.rowCount(), s.rows) << s.to;
        EXPECT_EQ(cell(model, 0, time).toInt(), s.firstTime) << s.to;
        EXPECT_EQ(cell(model, s.rows - 1, time).toInt(), s.to - 1) << s.to;
    }
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(LinkTraceModel, ShowsFramesInHexWithTheirMeaningAndNotesAsText) {
    LinkTraceModel model(10);
    model.append({{7, TraceDirection::Rx, {0x02, 0x60, 0x62}, {}},
                  {9, TraceDirection::Note, {}, "open COM 1 /dev/pts/3"}});
    const QStringList frame{cell(model, 0, 0), cell(model, 0, 1), cell(model, 0, 2),
                            cell(model, 0, 3)};
    const QStringList note{cell(model, 1, 0), cell(model, 1, 1), cell(model, 1, 2),
                           cell(model, 1, 3)};
    EXPECT_EQ(frame, (QStringList{"7", "RX", "02 60 62", "stop session"}));
    EXPECT_EQ(note, (QStringList{"9", "note", "", "open COM 1 /dev/pts/3"}));
}
