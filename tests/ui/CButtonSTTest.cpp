#include "widgets/CButtonST.h"
#include "widgets/Icons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>

namespace {

QRgb pixelAt(QWidget& w, QPoint p) {
    return w.grab().toImage().pixel(p);
}

QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

QPixmap solidIcon(QColor c, int size = 16) {
    QPixmap pm(size, size);
    pm.fill(c);
    return pm;
}

void sendEnter(QWidget& w) {
    QEnterEvent enter(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), w.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&w, &enter);
}

void sendLeave(QWidget& w) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w, &leave);
}

TEST(CButtonST, ShiftColorClampsPerColourAndRejectsBadArguments) {
    using Color = hm::CButtonST::ColorIndex;
    using Result = hm::CButtonST::Result;
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Button, QColor(212, 208, 200));
    QApplication::setPalette(pal);  // the colour table starts from the system colours
    hm::CButtonST b;
    EXPECT_EQ(b.color(Color::BkIn), QColor(212, 208, 200));

    EXPECT_EQ(b.ShiftColor(Color::BkIn, 80, true), Result::Ok);
    EXPECT_EQ(b.color(Color::BkIn), QColor(255, 251, 243));

    EXPECT_EQ(b.ShiftColor(static_cast<Color>(6), 10, true), Result::InvalidIndex);
    EXPECT_EQ(b.ShiftColor(static_cast<Color>(-1), 10, true), Result::InvalidIndex);
    EXPECT_EQ(b.ShiftColor(Color::BkOut, 300, true), Result::BadParam);
    EXPECT_EQ(b.ShiftColor(Color::BkOut, -256, true), Result::BadParam);
    EXPECT_EQ(b.color(Color::BkOut), QColor(212, 208, 200));

    EXPECT_EQ(b.ShiftColor(Color::BkOut, -255, true), Result::Ok);
    EXPECT_EQ(b.color(Color::BkOut), QColor(12, 8, 0));  // limited by the blue channel
    EXPECT_EQ(b.ShiftColor(Color::BkOut, -80, true), Result::Ok);
    EXPECT_EQ(b.color(Color::BkOut), QColor(12, 8, 0));  // black channel keeps the colour as it is

    // A system colour change puts the table back to the defaults, without the shift.
    pal.setColor(QPalette::Button, QColor(255, 255, 255));
    QApplication::setPalette(pal);
    QApplication::processEvents();
    EXPECT_EQ(b.color(Color::BkIn), QColor(255, 255, 255));
    EXPECT_EQ(b.ShiftColor(Color::BkIn, 80, false), Result::Ok);
    EXPECT_EQ(b.color(Color::BkIn), QColor(255, 255, 255));  // white stays white
    QApplication::setPalette(QPalette());
}

TEST(CButtonST, DarkenedIconKeepsBlackAndAlphaAndTakesThreeQuarters) {
    QImage img(4, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(0, 0, 0, 255));
    img.setPixel(1, 0, qRgba(255, 128, 3, 255));
    img.setPixel(2, 0, qRgba(100, 200, 40, 0));
    img.setPixel(3, 0, qRgba(1, 0, 0, 255));
    const QImage dark = hm::CButtonST::darkened(QPixmap::fromImage(img))
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(dark.pixel(0, 0), qRgba(0, 0, 0, 255));
    EXPECT_EQ(dark.pixel(1, 0), qRgba(191, 96, 2, 255));
    EXPECT_EQ(qAlpha(dark.pixel(2, 0)), 0);
    EXPECT_EQ(dark.pixel(3, 0), qRgba(0, 0, 0, 255));
}

TEST(CButtonST, RestingIconIsDarkenedAndHoverShowsActiveIconOnLightBackground) {
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Button, QColor(200, 200, 200));
    QApplication::setPalette(pal);
    QWidget parent;
    auto* b = new hm::CButtonST(&parent);
    b->setGeometry(0, 0, 60, 40);
    b->AssignIcons(solidIcon(QColor(200, 100, 40)),
                   hm::CButtonST::darkened(solidIcon(QColor(200, 100, 40))));
    b->ShiftColor(hm::CButtonST::ColorIndex::BkIn, 40, true);
    parent.show();

    // Centred icon: 16x16 in 60x40 starts at (22, 12).
    EXPECT_EQ(pixelAt(*b, QPoint(30, 20)), rgb(150, 75, 30));
    EXPECT_EQ(pixelAt(*b, QPoint(5, 5)), rgb(200, 200, 200));

    sendEnter(*b);
    EXPECT_TRUE(b->isHovered());
    EXPECT_EQ(pixelAt(*b, QPoint(30, 20)), rgb(200, 100, 40));
    EXPECT_EQ(pixelAt(*b, QPoint(5, 5)), rgb(240, 240, 240));
    // Raised frame: highlight on the top-left, shadow on the bottom-right.
    EXPECT_EQ(pixelAt(*b, QPoint(0, 10)), b->palette().color(QPalette::Light).rgb());
    EXPECT_EQ(pixelAt(*b, QPoint(59, 10)), b->palette().color(QPalette::Dark).rgb());

    b->setDown(true);
    EXPECT_EQ(pixelAt(*b, QPoint(0, 10)), b->palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(pixelAt(*b, QPoint(59, 10)), b->palette().color(QPalette::Light).rgb());
    b->setDown(false);

    sendLeave(*b);
    EXPECT_FALSE(b->isHovered());
    EXPECT_EQ(pixelAt(*b, QPoint(0, 10)), rgb(200, 200, 200));
    QApplication::setPalette(QPalette());
}

TEST(CButtonST, TextOnlyButtonDrawsCentredTextAndNoFrameAtRest) {
    hm::CButtonST b(QStringLiteral("7"));
    b.resize(60, 40);
    b.show();
    const QImage img = b.grab().toImage();
    const QColor face = b.color(hm::CButtonST::ColorIndex::BkOut);
    int left = 60, right = -1;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (img.pixelColor(x, y) != face) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 30.0, 2.0);
    EXPECT_GT(left, 2);  // no frame at the edges
}

TEST(CButtonST, SetTipKeepsTheFirstAreaAndWrapsLongLines) {
    hm::CButtonST b;
    b.resize(50, 20);
    b.SetTip(QString());  // nothing happens
    EXPECT_TRUE(b.tipText().isEmpty());
    EXPECT_FALSE(b.tipActive());
    b.SetTip(QStringLiteral("first"));
    b.resize(80, 30);
    b.SetTip(QStringLiteral("line one\nline two"), true);
    EXPECT_EQ(b.tipText(), QStringLiteral("line one\nline two"));
    EXPECT_EQ(b.tipRect(), QRect(0, 0, 50, 20));
    EXPECT_TRUE(b.tipActive());
    b.SetTip(QStringLiteral("off"), false);
    EXPECT_FALSE(b.tipActive());

    const QFontMetrics fm(QApplication::font());
    const QString longLine = QString(QStringLiteral("word ")).repeated(200).trimmed();
    const QString wrapped = hm::CButtonST::wrapTipText(longLine + "\nshort", fm, 400);
    const QStringList lines = wrapped.split('\n');
    EXPECT_GT(lines.size(), 3);
    EXPECT_EQ(lines.last(), QStringLiteral("short"));
    for (const QString& l : lines) {
        EXPECT_LE(fm.horizontalAdvance(l), 400);
    }
    EXPECT_EQ(QString(wrapped).replace('\n', ' '), longLine + " short");
}

TEST(CButtonST, DisablingCancelsHoverAndMovesFocusOn) {
    QWidget parent;
    auto* layout = new QVBoxLayout(&parent);
    auto* first = new hm::CButtonST(QStringLiteral("a"), &parent);
    auto* second = new hm::CButtonST(QStringLiteral("b"), &parent);
    auto* third = new hm::CButtonST(QStringLiteral("c"), &parent);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(third);
    parent.show();
    QApplication::setActiveWindow(&parent);
    first->setFocus();
    sendEnter(*first);
    ASSERT_TRUE(first->isHovered());
    first->setEnabled(false);
    EXPECT_FALSE(first->isHovered());
    EXPECT_TRUE(second->hasFocus());

    // Also when another control holds the focus, the focus moves to the one after.
    third->setFocus();
    second->setEnabled(false);
    EXPECT_TRUE(third->hasFocus());
    third->setEnabled(false);  // nothing after it: the parent
    EXPECT_FALSE(third->hasFocus());
}

TEST(CButtonST, DoubleClickCountsAsTwoClicksAndClickTakesFocus) {
    QWidget parent;
    auto* other = new hm::CButtonST(QStringLiteral("x"), &parent);
    auto* b = new hm::CButtonST(QStringLiteral("y"), &parent);
    other->setGeometry(0, 0, 40, 20);
    b->setGeometry(0, 30, 40, 20);
    parent.show();
    QApplication::setActiveWindow(&parent);
    other->setFocus();
    QSignalSpy clicks(b, &QPushButton::clicked);
    const QPoint c = QPoint(20, 10);
    QTest::mousePress(b, Qt::LeftButton, {}, c);
    QTest::mouseRelease(b, Qt::LeftButton, {}, c);
    EXPECT_TRUE(b->hasFocus());
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(c), b->mapToGlobal(QPointF(c)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &dbl);
    QTest::mouseRelease(b, Qt::LeftButton, {}, c);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(CButtonST, AssignIconsByUnknownResourceLeavesNoIcon) {
    hm::CButtonST b;
    b.AssignIcons(solidIcon(Qt::red));
    EXPECT_FALSE(b.activeIcon().isNull());
    EXPECT_EQ(b.AssignIcons(99999, hm::CButtonST::kDarkerRestingIcon),
              hm::CButtonST::Result::InvalidResource);
    EXPECT_TRUE(b.activeIcon().isNull());
    EXPECT_TRUE(b.restingIcon().isNull());
    b.AssignIcons(QPixmap(), solidIcon(Qt::blue));  // no active icon: no icons at all
    EXPECT_TRUE(b.restingIcon().isNull());
}

TEST(Icons, EveryIconComesAtItsOwnSizeForEveryPixelRatio) {
    const int ids[] = {119, 124, 125, 126, 127, 128, 129, 130,
                       131, 132, 133, 134, 135, 201, 254, 256};
    for (const int id : ids) {
        const QSize own = hm::iconSize(id);
        ASSERT_FALSE(own.isEmpty()) << id;
        for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0, 4.0}) {
            const QPixmap icon = hm::iconPixmap(id, ratio);
            EXPECT_EQ(icon.size(), own * ratio) << id << " at " << ratio;
            EXPECT_EQ(icon.devicePixelRatio(), ratio) << id << " at " << ratio;
        }
    }
    EXPECT_EQ(hm::iconSize(125), QSize(48, 16));
    EXPECT_EQ(hm::iconSize(132), QSize(32, 24));
    EXPECT_EQ(hm::iconPixmap(119, 2.0, QSize(16, 16)).size(), QSize(32, 32));
    EXPECT_TRUE(hm::iconSize(99999).isEmpty());
    EXPECT_TRUE(hm::iconPixmap(99999, 2.0).isNull());
}

TEST(Icons, AHighPixelRatioGetsItsOwnRenderingNotAnEnlargedOne) {
    // A scaled-up 1x icon has soft edges; the 2x rendering has the artwork's own detail.
    const QImage sharp = hm::iconPixmap(129, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage enlarged =
        hm::iconPixmap(129, 1.0)
            .toImage()
            .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(sharp.size(), enlarged.size());
    int different = 0;
    for (int y = 0; y < sharp.height(); ++y) {
        for (int x = 0; x < sharp.width(); ++x) {
            const QRgb a = sharp.pixel(x, y);
            const QRgb b = enlarged.pixel(x, y);
            different += std::abs(qAlpha(a) - qAlpha(b)) > 40 || std::abs(qRed(a) - qRed(b)) > 40;
        }
    }
    EXPECT_GT(different, 20);
    // Not a blank image either: the artwork is there.
    EXPECT_GT(qAlpha(sharp.pixel(sharp.width() / 2, sharp.height() / 2)), 0);
}

}  // namespace
