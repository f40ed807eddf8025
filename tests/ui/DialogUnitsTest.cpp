#include <gtest/gtest.h>

#include <QLabel>

#include "widgets/DialogUnits.h"

TEST(DialogUnits, ConvertsWithRounding) {
    const hm::DialogUnits du(6, 13);
    EXPECT_EQ(du.x(4), 6);
    EXPECT_EQ(du.x(3), 5);  // 4.5 rounds up
    EXPECT_EQ(du.y(8), 13);
    EXPECT_EQ(du.y(3), 5);  // 4.875
    EXPECT_EQ(du.size(217, 109), QSize(326, 177));
    // Adjacent rectangles share their edge.
    EXPECT_EQ(du.rect(30, 156, 15, 23).right() + 1, du.rect(45, 156, 15, 23).left());
}

TEST(DialogUnits, BaseUnitsGrowWithTheFont) {
    QFont small = hm::DialogUnits::templateFont();
    QFont large = small;
    large.setPointSize(16);
    const hm::DialogUnits a(small);
    const hm::DialogUnits b(large);
    EXPECT_GT(a.baseX(), 2);
    EXPECT_GT(a.baseY(), 8);
    EXPECT_GT(b.baseX(), a.baseX());
    EXPECT_GT(b.baseY(), a.baseY());
}

TEST(DialogUnits, PlaceLineNeverClipsASingleLineControl) {
    const hm::DialogUnits du(6, 13);
    QLabel label("Tall text");
    QFont f = label.font();
    f.setPixelSize(30);
    label.setFont(f);
    du.placeLine(&label, 10, 20, 100, 8);
    const QRect r = du.rect(10, 20, 100, 8);
    EXPECT_GE(label.height(), label.sizeHint().height());
    EXPECT_EQ(label.geometry().center().y(), r.center().y());
}
