#include "widgets/FramedGroupBox.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace {

// The group box as it paints itself in `style`, with a title (or none), at a size of its own.
QImage painted(QGroupBox& box, QStyle* style, const QString& title) {
    box.setStyle(style);
    box.setTitle(title);
    box.resize(90, 60);
    return box.grab().toImage();
}

// The frame drawn by hand must be the frame Qt draws: pixel for pixel, with and without a title,
// in Fusion (which draws it from its picture) and in another style (where the box paints as any).
TEST(FramedGroupBox, PaintsExactlyAsQtsOwnGroupBox) {
    for (const char* name : {"Fusion", "Windows"}) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QString::fromLatin1(name)));
        ASSERT_NE(style, nullptr) << name;
        for (const QString& title : {QStringLiteral("ECU"), QString()}) {
            QGroupBox plain;
            hm::FramedGroupBox framed;
            const QImage expected = painted(plain, style.get(), title);
            const QImage actual = painted(framed, style.get(), title);
            EXPECT_EQ(actual, expected) << name << " title '" << title.toStdString() << "'";
            QImage blank(expected.size(), expected.format());
            blank.fill(expected.pixel(45, 45));
            EXPECT_NE(expected, blank) << name << ": nothing drawn, the comparison proves nothing";
        }
    }
}

}  // namespace
