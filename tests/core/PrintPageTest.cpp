// The printed page drawn onto a recording canvas: box table and drawing states, bars, value and
// range boxes, distance labels, the date cell, the boxed vertical text and the stability body.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "print/core/PageDrawing.h"
#include "print/core/PageLayout.h"
#include "print/core/PreviewFrameGeometry.h"
#include "print/core/RecordingCanvas.h"
#include "support/SampleData.h"

namespace hm {
namespace {

using hmtest::sampleRecord;
using Kind = RecordedOp::Kind;

struct PageFixture : ::testing::Test {
    PageFixture() {
        image.clear();
        std::strcpy(image.vehicleIdent, "VIN0042");
        const uint16_t saved[8] = {2026, 3, 2, 5, 9, 7, 30, 0};
        std::copy(std::begin(saved), std::end(saved), std::begin(image.savedAt));
    }
    PageInputs graphPage(int graph) const {
        PageInputs in{image, {}, PageKind::Graph, 0, "trip.asc", 0};
        in.graph.selectedGraph = graph;
        in.graph.shownGraph = graph;
        in.graph.maximum = 100.0f;
        in.graph.scale = 1.0f;
        in.graph.valueFormat = "%2.0f";
        return in;
    }
    RecordingCanvas draw(const PageInputs& in) const {
        RecordingCanvas canvas;
        drawPage(canvas, in);
        return canvas;
    }
    FleetDataImage image{};
};

TEST_F(PageFixture, BoxesAreDrawnInTableOrderWithTheirKindsDrawingState) {
    const RecordingCanvas c = draw(graphPage(2));
    const auto rects = c.opsOfKind(Kind::Rectangle);
    ASSERT_GE(rects.size(), 13u);
    const PageRect expected[13] = {
        {110, -100, 338, -200},   {338, -100, 1706, -200},  {1706, -100, 1934, -200},
        {110, -225, 338, -285},   {338, -225, 1022, -285},  {1022, -225, 1478, -285},
        {1478, -225, 1934, -285}, {110, -285, 338, -345},   {338, -285, 1022, -345},
        {1022, -285, 1478, -345}, {1478, -285, 1934, -345}, {110, -345, 1934, -445},
        {112, -470, 1932, -1270}};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(rects[i].rect, expected[i]) << "box " << i + 1;
    }
    // The first logo is filled white; the other logos keep the title's grey 160.
    EXPECT_EQ(rects[0].brush, page::kWhite);
    EXPECT_EQ(rects[1].brush, page::kGrey160);
    EXPECT_EQ(rects[2].brush, page::kGrey160);
    EXPECT_EQ(rects[3].brush, page::kGrey160);
    EXPECT_EQ(rects[4].brush, page::kGrey224);
    EXPECT_EQ(rects[7].brush, page::kWhite);
    EXPECT_EQ(rects[12].brush, page::kGrey224);

    const auto bitmaps = c.opsOfKind(Kind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 3u);
    EXPECT_EQ(bitmaps[0].bitmap, PageBitmap::Logo257);
    EXPECT_EQ(bitmaps[1].rect, expected[2]);
    EXPECT_EQ(bitmaps[1].bitmap, PageBitmap::Logo258);
    EXPECT_EQ(bitmaps[2].bitmap, PageBitmap::Logo259);

    const RecordedOp* title = c.findText("2.  Number of Brake Applications v Peak Demand Pressure");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, page::kTitleFont);
    EXPECT_EQ(title->textBackground, page::kGrey160);
    const RecordedOp* label = c.findText("Vehicle Ident Number");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font, page::kLabelFont);
    EXPECT_EQ(label->rect, expected[5]);
    ASSERT_NE(c.findText("Haulmetry v2.3"), nullptr);
    ASSERT_NE(c.findText("trip.asc"), nullptr);
    EXPECT_EQ(c.findText("trip.asc")->rect, expected[8]);
    ASSERT_NE(c.findText("VIN0042"), nullptr);
    EXPECT_EQ(c.findText("VIN0042")->font, page::kValueFont);
}

TEST_F(PageFixture, FileNameAndIdentificationThatAreNotTextShowAsTheCommandLineShowsThem) {
    // The identification comes from ECU bytes or a file: control and non-UTF-8 bytes as \xNN on
    // graph and record pages alike; valid UTF-8 stays as it is.
    std::memcpy(image.vehicleIdent, "\x1B]0;x\x07\xE9\xC3\xA9\0", 11);
    for (const bool record : {false, true}) {
        PageInputs in = graphPage(2);
        if (record) {
            in.printPageKind = PageKind::Stability;
        }
        in.loadedFileName = "\xFF\x1B[2J.asc";
        const RecordingCanvas c = draw(in);
        EXPECT_NE(c.findText("\\xFF\\x1B[2J.asc"), nullptr) << record;
        EXPECT_NE(c.findText("\\x1B]0;x\\x07\\xE9\xC3\xA9"), nullptr) << record;
    }
}

TEST_F(PageFixture, DateCellPrintsTwoSlashesAndAFullYear) {
    EXPECT_EQ(savedAtText(image.savedAt), "05//03//2026 - 09:07");
    const RecordingCanvas c = draw(graphPage(1));
    const RecordedOp* date = c.findText("05//03//2026 - 09:07");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->rect, (PageRect{1478, -285, 1934, -345}));
    EXPECT_EQ(date->layout, TextLayout::CenteredSingleLine);
}

TEST_F(PageFixture, ExplanationIsWrappedInTheInsetValueBox) {
    const RecordingCanvas c = draw(graphPage(3));
    const auto texts = c.opsOfKind(Kind::TextInRect);
    const auto it = std::find_if(texts.begin(), texts.end(), [](const RecordedOp& op) {
        return op.layout == TextLayout::TopLeftWordWrap;
    });
    ASSERT_NE(it, texts.end());
    EXPECT_EQ(it->rect, (PageRect{130, -355, 1914, -445}));
    EXPECT_FALSE(it->text.empty());
}

TEST_F(PageFixture, BlankGraphHasNoTitleNoExplanationAndNoColumns) {
    const RecordingCanvas c = draw(graphPage(0));
    EXPECT_EQ(c.opsOfKind(Kind::Rectangle).size(), 13u);
    EXPECT_EQ(c.opsOfKind(Kind::TextAt).size(), 0u);
    // Only the three labels and the three header values that do not depend on the graph.
    EXPECT_EQ(c.opsOfKind(Kind::TextInRect).size(), 7u);
}

TEST(BarHeight, UsesTheSinglePrecisionFactorAndTruncatedValues) {
    EXPECT_EQ(barHeight(100.0f, 100.0f), 769);  // m = trunc(100 * 1.05f) = 104
    EXPECT_EQ(barHeight(100.0f, 12.7f), 92);    // 800 * 12 / 104
    EXPECT_EQ(barHeight(10.0f, 10.0f), 800);    // m = 10
    EXPECT_EQ(barHeight(0.0f, 5.0f), 0);
    EXPECT_EQ(barHeight(100.0f, 0.9f), 0);
    // Inconsistent input never leaves the body.
    EXPECT_EQ(barHeight(100.0f, 1.0e9f), 800);
    EXPECT_EQ(barHeight(100.0f, -5.0f), 0);
    EXPECT_EQ(barHeight(4.0e9f, 4.0e9f), 761);
}

TEST_F(PageFixture, SixteenColumnGraphsDrawBarThenValueThenRangeBox) {
    PageInputs in = graphPage(1);
    in.graph.scale = 0.01f;
    in.graph.valueFormat = "%2.2f";
    in.graph.barValues[0] = 100.0f;
    in.graph.barValues[15] = 12.7f;
    const RecordingCanvas c = draw(in);
    const auto rects = c.opsOfKind(Kind::Rectangle);
    ASSERT_EQ(rects.size(), 13u + 16u * 3u);
    EXPECT_EQ(rects[13].rect, (PageRect{132, -501, 206, -1270}));
    EXPECT_EQ(rects[13].brush, page::kGrey192);
    EXPECT_EQ(rects[14].rect, (PageRect{112, -1295, 226, -1495}));
    EXPECT_EQ(rects[14].brush, page::kGrey192);
    EXPECT_EQ(rects[15].rect, (PageRect{112, -1505, 226, -1915}));
    EXPECT_EQ(rects[15].brush, page::kGrey224);
    // Column 15: bar of trunc(12.7), value box shows scale x value.
    EXPECT_EQ(rects[13 + 45].rect,
              (PageRect{112 + 114 * 15 + 20, -1270 + 92, 112 + 114 * 16 - 20, -1270}));
    ASSERT_NE(c.findText("1.00"), nullptr);
    ASSERT_NE(c.findText("0.13"), nullptr);
    EXPECT_EQ(c.findText("0.13")->font, page::kVerticalFont);
    ASSERT_NE(c.findText("0.0 - 0.5  Bar"), nullptr);
    ASSERT_NE(c.findText("7.5 - 8.0  Bar"), nullptr);
}

TEST_F(PageFixture, RangeTextsOfEachSixteenColumnGraph) {
    EXPECT_NE(draw(graphPage(4)).findText("150 - 160 Kph"), nullptr);
    EXPECT_NE(draw(graphPage(5)).findText("0 - 10 Kph"), nullptr);
    EXPECT_NE(draw(graphPage(9)).findText("90 - 100 Percent Loaded"), nullptr);
    EXPECT_NE(draw(graphPage(10)).findText("3.0 - 3.5  Bar"), nullptr);
    EXPECT_NE(draw(graphPage(10)).findText("10.5 - 11.0  Bar"), nullptr);
}

TEST(DistanceLabel, OnlyCompletedIntervalsCarryRanges) {
    EXPECT_EQ(distanceLabel(24, 3), "No Data");
    EXPECT_EQ(distanceLabel(25, 3), "0 - 500 (km)");
    EXPECT_EQ(distanceLabel(26, 3), "500 - 1000 (km)");
    EXPECT_EQ(distanceLabel(27, 3), "1000 - 1500 (km)");
    EXPECT_EQ(distanceLabel(0, 0), "No Data");
    EXPECT_EQ(distanceLabel(0, 30), "1000 - 1500 (km)");
    EXPECT_EQ(distanceLabel(27, 4294967295u), "2147483647000 - 2147483647500 (km)");
}

TEST_F(PageFixture, DistanceGraphsDrawTwentyEightColumnsWithDistanceLabels) {
    PageInputs in = graphPage(7);
    in.shownIntervalCount = 3;
    in.graph.barValues[27] = 100.0f;
    const RecordingCanvas c = draw(in);
    const auto rects = c.opsOfKind(Kind::Rectangle);
    ASSERT_EQ(rects.size(), 13u + 28u * 3u);
    EXPECT_EQ(rects[13 + 81].rect, (PageRect{112 + 65 * 27 + 10, -501, 112 + 65 * 28 - 10, -1270}));
    const auto texts = c.opsOfKind(Kind::TextAt);
    ASSERT_EQ(texts.size(), 56u);
    EXPECT_EQ(texts[2 * 24 + 1].text, "No Data");
    EXPECT_EQ(texts[2 * 25 + 1].text, "0 - 500 (km)");
    EXPECT_EQ(texts[2 * 26 + 1].text, "500 - 1000 (km)");
    EXPECT_EQ(texts[2 * 27 + 1].text, "1000 - 1500 (km)");
    EXPECT_EQ(texts[2 * 27].text, "100");
}

TEST_F(PageFixture, GraphSixStacksTheSecondBarAndHasThreeBoxes) {
    PageInputs in = graphPage(6);
    in.graph.barValues[0] = 100.0f;
    in.graph.secondValues[0] = 13.0f;
    const RecordingCanvas c = draw(in);
    const auto rects = c.opsOfKind(Kind::Rectangle);
    ASSERT_EQ(rects.size(), 13u + 28u * 5u);
    EXPECT_EQ(rects[13].rect, (PageRect{122, -501, 167, -1270}));
    EXPECT_EQ(rects[14].rect, (PageRect{122, -1270 + 100, 167, -1270}));
    EXPECT_EQ(rects[14].brush, page::kGrey160);
    EXPECT_EQ(rects[15].rect, (PageRect{112, -1295, 177, -1415}));
    EXPECT_EQ(rects[15].brush, page::kGrey160);
    EXPECT_EQ(rects[16].rect, (PageRect{112, -1425, 177, -1610}));
    EXPECT_EQ(rects[16].brush, page::kGrey192);
    EXPECT_EQ(rects[17].rect, (PageRect{112, -1625, 177, -2010}));
    EXPECT_EQ(rects[17].brush, page::kGrey224);
    const auto texts = c.opsOfKind(Kind::TextAt);
    EXPECT_EQ(texts[0].text, "13");
    EXPECT_EQ(texts[1].text, "100");
}

TEST(VerticalText, ReferencePointCentresTheTextInItsBox) {
    // Box of a 16-column value box; text 40 long, cell 24 high.
    const PageRect box{112, -1295, 226, -1495};
    const PagePoint p = verticalTextOrigin(box, PageSize{40, 24});
    EXPECT_EQ(p, (PagePoint{177, -1376}));
    // The cell runs down from p.y by 40 and lies left of p.x by 24.
    const int centreY = p.y - 20;
    const int centreX = p.x - 12;
    EXPECT_LE(std::abs(centreY - (box.top + box.bottom) / 2), 1);
    EXPECT_LE(std::abs(centreX - (box.left + box.right) / 2), 5);

    // A 65-wide box with a long distance label stays inside its box.
    const PageRect narrow{112, -1505, 177, -1915};
    const PagePoint q = verticalTextOrigin(narrow, PageSize{300, 24});
    EXPECT_LE(q.y, narrow.top);
    EXPECT_GE(q.y - 300, narrow.bottom);
    EXPECT_GE(q.x - 24, narrow.left);
    EXPECT_LE(q.x, narrow.right);
}

TEST_F(PageFixture, StabilityCellsSitAtTheirPositionsWithTheirTexts) {
    image.stabilityRecords[0] = sampleRecord();
    image.stabilityRecordCount = 3;
    const auto cells = stabilityCells(image, 0);
    ASSERT_EQ(cells.size(), 34u);
    const int pos[34][2] = {{152, -510},  {652, -510},  {1152, -510}, {1652, -510}, {152, -550},
                            {652, -550},  {1152, -550}, {1652, -550}, {152, -620},  {152, -660},
                            {652, -660},  {152, -700},  {652, -700},  {152, -740},  {652, -740},
                            {152, -780},  {652, -780},  {152, -820},  {652, -820},  {152, -860},
                            {652, -860},  {152, -900},  {652, -900},  {1152, -620}, {1152, -660},
                            {1652, -660}, {1152, -700}, {1652, -700}, {1152, -740}, {1652, -740},
                            {1152, -780}, {1652, -780}, {1152, -820}, {1652, -820}};
    for (int i = 0; i < 34; ++i) {
        EXPECT_EQ(cells[i].x, pos[i][0]) << "cell " << i + 1;
        EXPECT_EQ(cells[i].y, pos[i][1]) << "cell " << i + 1;
    }
    const std::pair<int, const char*> texts[] = {
        {0, "Stability Snaphot"},
        {1, "1 of 3"},
        {3, "5 Mar"},
        {5, "-0.35 g"},
        {7, "01:02:05"},
        {10, "1234 km"},
        {12, "24.4 V"},
        {14, "8.00 Bar"},
        {16, "12.75 Bar"},
        {18, "62 kph"},
        {20, "2.00 Bar"},
        {22, "1.90 Bar"},
        {25, "OFF"},
        {31, "ON"},  // any non-zero flag
        {33, "ON"},
    };
    for (const auto& [cell, text] : texts) {
        EXPECT_EQ(cells[cell].text, text) << "cell " << cell + 1;
    }
}

TEST_F(PageFixture, StabilitySpecialValues) {
    StabilityRecord r = sampleRecord();
    r.isoDemandPressure = 255;
    r.month = 0;
    r.timeSinceStartup = 0;
    r.stabilitySensorOutput = -128;
    image.stabilityRecords[1] = r;
    r.isoDemandPressure = 254;
    r.month = 13;
    image.stabilityRecords[2] = r;
    image.stabilityRecordCount = 3;
    const auto second = stabilityCells(image, 1);
    EXPECT_EQ(second[1].text, "2 of 3");
    EXPECT_EQ(second[20].text, "Not Connected");
    EXPECT_EQ(second[3].text, "Not Set");
    EXPECT_EQ(second[7].text, "00:00:00");
    EXPECT_EQ(second[5].text, "-1.28 g");
    const auto third = stabilityCells(image, 2);
    EXPECT_EQ(third[20].text, "Error");
    EXPECT_EQ(third[3].text, "Not Set");
}

TEST_F(PageFixture, StabilityPageDrawsItsBoxAndCellsWithTheLabelFont) {
    image.stabilityRecords[0] = sampleRecord();
    image.stabilityRecordCount = 1;
    PageInputs in = graphPage(4);  // the graph in the record does not matter
    in.printPageKind = PageKind::Stability;
    const RecordingCanvas c = draw(in);
    const auto rects = c.opsOfKind(Kind::Rectangle);
    ASSERT_EQ(rects.size(), 14u);
    EXPECT_EQ(rects[13].rect, (PageRect{112, -470, 1932, -970}));
    EXPECT_EQ(rects[13].brush, page::kGrey224);
    EXPECT_NE(c.findText("Stability Snapshot"), nullptr);
    const RecordedOp* count = c.findText("1 of 1");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->rect, (PageRect{652, -510, 2472, -1010}));
    EXPECT_EQ(count->layout, TextLayout::TopLeftSingleLine);
    EXPECT_EQ(count->font, page::kLabelFont);
    EXPECT_EQ(c.findText("4.  Average Pressure v Braking Start Speed"), nullptr);
    EXPECT_EQ(c.opsOfKind(Kind::TextAt).size(), 0u);
}

TEST_F(PageFixture, HeaderIsTheSameOnBothPagesExceptTitleAndExplanation) {
    PageInputs in = graphPage(5);
    const RecordingCanvas graph = draw(in);
    in.printPageKind = PageKind::Stability;
    const RecordingCanvas stability = draw(in);
    auto header = [](const RecordingCanvas& c) {
        std::vector<std::string> out;
        int rects = 0;
        for (const RecordedOp& op : c.ops()) {
            if (op.kind == Kind::Rectangle && ++rects > 12) {
                break;
            }
            if (op.kind == Kind::TextInRect && op.font == page::kTitleFont) {
                continue;
            }
            if (op.kind == Kind::TextInRect && op.layout == TextLayout::TopLeftWordWrap) {
                continue;
            }
            out.push_back(std::to_string(static_cast<int>(op.kind)) + op.text +
                          std::to_string(op.rect.left) + std::to_string(op.rect.top));
        }
        return out;
    };
    EXPECT_EQ(header(graph), header(stability));
    EXPECT_NE(stability.findText("Stability Snapshot"), nullptr);
}

// The stability record index doubles as a download's record counter, which reaches 32; a page
// open meanwhile must never read past the record array nor show a slot that holds no record.
TEST_F(PageFixture, RecordIndexOutsideTheStoredRecordsShowsNoRecord) {
    for (int i = 0; i < kStabilitySlots; ++i) {
        image.stabilityRecords[i] = sampleRecord();
    }
    image.stabilityRecordCount = 40;  // a damaged file may hold any count
    EXPECT_TRUE(stabilityRecordShown(image, 31));
    EXPECT_EQ(stabilityCells(image, 31)[1].text, "32 of 40");
    for (int index : {32, 33, 1000, -1}) {
        EXPECT_FALSE(stabilityRecordShown(image, index)) << index;
        const auto cells = stabilityCells(image, index);
        ASSERT_EQ(cells.size(), 34u);
        EXPECT_EQ(cells[1].text, "No Data");
        EXPECT_EQ(cells[0].text, "Stability Snaphot");
        EXPECT_EQ(cells[10].text, "");
        EXPECT_EQ(cells[20].text, "");
    }
    image.stabilityRecordCount = 2;
    EXPECT_FALSE(stabilityRecordShown(image, 2));
    PageInputs in = graphPage(1);
    in.printPageKind = PageKind::Stability;
    in.selectedRecord = 32;
    const RecordingCanvas c = draw(in);
    EXPECT_NE(c.findText("No Data"), nullptr);
    EXPECT_EQ(c.findText("1234 km"), nullptr);
}

TEST(PreviewFrame, CentredTwoThirdsWideHalfHigh) {
    const PreviewFrameGeometry a = previewFrameGeometry(1920, 1040);
    EXPECT_EQ(a.width, 1280);
    EXPECT_EQ(a.height, 520);
    EXPECT_EQ(a.x, 320);
    EXPECT_EQ(a.y, 260);
    const PreviewFrameGeometry b = previewFrameGeometry(1366, 727);
    EXPECT_EQ(b.width, 910);
    EXPECT_EQ(b.height, 363);
    EXPECT_EQ(b.x, 228);
    EXPECT_EQ(b.y, 182);
}

}  // namespace
}  // namespace hm
