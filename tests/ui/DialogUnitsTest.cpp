#include <gtest/gtest.h>

#include <QLabel>

#include "widgets/DialogUnits.h"

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
