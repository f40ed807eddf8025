#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "dialogs/CTable.h"
#include "fleetdata/StabilityRecord.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"

using hm::CTable;
using hm::FleetDataImage;

namespace {

FleetDataImage imageWithRecords(uint32_t count) {
    FleetDataImage image;
    image.clear();
    for (int k = 0; k < hm::kStabilitySlots; ++k) {
        auto& r = image.stabilityRecords[k];
        r.stabilitySensorOutput = static_cast<int8_t>(k * 3 - 40);
        r.vehicleSpeed = static_cast<uint8_t>(k + 10);
        r.odometer = 100000u * static_cast<uint32_t>(k + 1);
        r.day = 5;
        r.month = static_cast<uint8_t>(k % 14);  // some slots without a valid month
    }
    image.stabilityRecordCount = count;
    return image;
}

int enabledButtons(const CTable& t) {
    int n = 0;
    for (int k = 0; k < hm::kStabilitySlots; ++k) {
        n += t.button(k)->isEnabled() ? 1 : 0;
    }
    return n;
}

}  // namespace

TEST(CTable, CountDecidesEnabledButtonsAndShownBars) {
    const struct {
        uint32_t count;
        int enabled;
    } cases[] = {{0, 0}, {5, 5}, {32, 32}, {33, 32}, {0x80000000u, 32}, {0xFFFFFFFFu, 32}};
    for (const auto& c : cases) {
        const FleetDataImage image = imageWithRecords(c.count);
        CTable t(image, nullptr);
        EXPECT_EQ(t.windowTitle(), "Stability Snaphot");
        EXPECT_EQ(enabledButtons(t), c.enabled) << c.count;
        for (int k = 0; k < hm::kStabilitySlots; ++k) {
            const bool stored = k < c.enabled;
            EXPECT_EQ(t.button(k)->isEnabled(), stored) << c.count << " slot " << k;
            EXPECT_FALSE(t.button(k)->isHidden()) << "buttons always stay visible";
            EXPECT_EQ(t.button(k)->text(), QString::number(k + 1));
            EXPECT_EQ(t.bar(k)->isVisibleTo(&t), stored) << c.count << " slot " << k;
            // Every button carries its slot's summary, disabled ones included.
            EXPECT_EQ(t.button(k)->tipText().toStdString(), hm::FormatRecordSummary(image, k));
            EXPECT_TRUE(t.button(k)->tipActive());
        }
        EXPECT_EQ(t.scaleLabel(0)->text(), "1.0g");
        EXPECT_EQ(t.scaleLabel(1)->text(), "0.5g");
        EXPECT_EQ(t.scaleLabel(2)->text(), "0.0g");
    }
}

TEST(CTable, BarShowsTheMagnitudeUpToAFullBar) {
    const struct {
        int8_t output;
        int value;
    } cases[] = {{-45, 45},  {45, 45},    {0, 0},      {99, 99},   {100, 100},
                 {127, 100}, {-100, 100}, {-101, 100}, {-128, 100}};
    FleetDataImage image = imageWithRecords(0);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        image.stabilityRecords[i].stabilitySensorOutput = cases[i].output;
    }
    image.stabilityRecordCount = static_cast<uint32_t>(std::size(cases));
    CTable t(image, nullptr);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const QProgressBar* bar = t.bar(static_cast<int>(i));
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 100);
        EXPECT_EQ(bar->value(), cases[i].value) << int(cases[i].output);
        EXPECT_EQ(bar->orientation(), Qt::Vertical);
    }
    // Hidden bars get their position as well.
    EXPECT_EQ(t.bar(20)->value(), std::abs(20 * 3 - 40));
}

TEST(CTable, ButtonsAskForTheirRecord) {
    std::vector<int> asked;
    const FleetDataImage image = imageWithRecords(5);
    CTable t(image, [&asked](int n) { asked.push_back(n); });
    t.show();
    QTest::mouseClick(t.button(2), Qt::LeftButton);
    QTest::mouseClick(t.button(0), Qt::LeftButton);
    QTest::mouseClick(t.button(6), Qt::LeftButton);  // disabled: nothing
    EXPECT_EQ(asked, (std::vector<int>{3, 1}));
    // The dialog stays open while a preview is asked for.
    EXPECT_TRUE(t.isVisible());
}

TEST(CTable, LayoutLinesBarsButtonsAndScale) {
    const FleetDataImage image = imageWithRecords(32);
    CTable t(image, nullptr);
    const hm::DialogUnits du = hm::DialogUnits::layoutUnits();
    EXPECT_EQ(t.size(), du.size(521, 186));
    EXPECT_EQ(t.windowModality(), Qt::WindowModal);  // a preview opened from it stays usable
    for (int k = 0; k < hm::kStabilitySlots; ++k) {
        const QRect bar = t.bar(k)->geometry();
        const QRect button = t.button(k)->geometry();
        EXPECT_LT(bar.bottom(), button.top()) << k;
        EXPECT_GE(bar.left(), button.left()) << k;
        EXPECT_LE(bar.right(), button.right()) << k;
        EXPECT_TRUE(t.rect().contains(button)) << k;
        if (k > 0) {
            EXPECT_GT(button.left(), t.button(k - 1)->geometry().right()) << "no overlap";
        }
    }
    // The labels stand left of the bars, level with their top, middle and bottom.
    const QRect bar = t.bar(0)->geometry();
    for (int i = 0; i < 3; ++i) {
        EXPECT_LT(t.scaleLabel(i)->geometry().right(), bar.left());
    }
    const int tolerance = du.y(4);
    EXPECT_NEAR(t.scaleLabel(0)->geometry().center().y(), bar.top(), tolerance);
    EXPECT_NEAR(t.scaleLabel(1)->geometry().center().y(), bar.center().y(), tolerance);
    EXPECT_NEAR(t.scaleLabel(2)->geometry().center().y(), bar.bottom(), tolerance);
}
