// What assistive technology is told about the chart, the icon buttons and the lamp.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "histogram/CHistogramCtrl.h"
#include "widgets/CButtonST.h"

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The chart has one child per bar of the graph shown, named by the bar's range and value and
// placed over the bar; the blank graph has none.
TEST(Accessibility, ChartBarsAreChildrenNamedByRangeAndValue) {
    struct Case {
        int graph;
        int barCount;  // of the record
        int bars;      // children
        const char* secondBarName;
    };
    const Case cases[] = {
        {1, 16, 16, "0.5 - 1.0  Bar: 2.00"},
        {4, 16, 16, "10 - 20 Kph: 2.0"},
        {6, 28, 28, "1500 - 2000 (km): 40  (0)"},  // 30 intervals: the first two are gone
        {0, 28, 0, nullptr},
    };
    for (const Case& c : cases) {
        hm::CHistogramCtrl chart;
        chart.setGeometry(0, 0, 546, 206);
        chart.setBuildUpPauses(0, 0);
        chart.show();
        hm::GraphDisplayRecord record;
        record.shownGraph = c.graph;
        record.barCount = c.barCount;
        record.shownIntervals = 30;
        record.valueFormat = c.graph == 1 ? "%2.2f" : "%2.1f";
        record.scale = c.graph == 1 ? 0.01f : 0.05f;
        record.maximum = 1000.0f;
        for (int i = 0; i < 16; ++i) {
            record.barValues[i] = static_cast<float>(100 * i) * (c.graph == 1 ? 2.0f : 0.4f);
        }
        chart.Update(record);
        chart.finishBuildUp();
        QAccessibleInterface* iface = accessible(&chart);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Chart);
        ASSERT_EQ(iface->childCount(), c.bars) << "graph " << c.graph;
        if (c.bars == 0) {
            continue;
        }
        QAccessibleInterface* bar = iface->child(1);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->text(QAccessible::Name).toStdString(), c.secondBarName);
        EXPECT_EQ(bar->text(QAccessible::Description), QStringLiteral("Bar 2 of %1").arg(c.bars));
        EXPECT_EQ(bar->parent(), iface);
        EXPECT_EQ(iface->indexOfChild(bar), 1);
        const QRect r = bar->rect();
        EXPECT_EQ(iface->childAt(r.center().x(), r.center().y()), bar);
    }
}

// An icon button's tooltip is its description; Enter presses a focused button that no default
// button would take the key from; the lamp is a status display, not a button.
TEST(Accessibility, IconButtonsDescribeThemselvesAndTakeEnter) {
    QWidget window;
    auto* button = new hm::CButtonST(&window);
    button->setAutoDefault(false);
    button->SetTip(QStringLiteral("Load Haulmetry Data From File"));
    auto* lamp = new hm::CButtonST(&window);
    lamp->setIndicator(true);
    window.show();
    EXPECT_EQ(accessible(button)->text(QAccessible::Description),
              QStringLiteral("Load Haulmetry Data From File"));
    EXPECT_EQ(accessible(button)->role(), QAccessible::Button);
    EXPECT_EQ(accessible(lamp)->role(), QAccessible::StatusBar);

    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicked.count(), 2);
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 2);

    QSignalSpy icons(lamp, &hm::CButtonST::iconsChanged);
    lamp->AssignIcons(126, hm::CButtonST::kNoRestingIcon);
    EXPECT_EQ(lamp->iconId(), 126);
    EXPECT_EQ(icons.count(), 1);
}

}  // namespace
