#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>

#include <QTextEdit>

#include "dialogs/CInfo.h"
#include "resources/Strings.h"
#include "support/SampleData.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"

using hm::CInfo;
using hmtest::sampleInterimValues;

namespace {

QStringList rowTexts(const CInfo& d) {
    QStringList list;
    for (int row = 0; row < hm::kInterimRows; ++row) {
        list << d.rowLabel(row)->text() << d.rowValue(row)->text();
    }
    return list;
}

}  // namespace

// The texts themselves are tested in the core (GraphInformationTest); here the dialog must put
// each into its own control.
TEST(CInfo, ShowsTheTextsOfTheGraph) {
    const QString none = "No Interim Data for this graph";
    CInfo plain(sampleInterimValues(2));
    EXPECT_EQ(plain.windowTitle(), "Display Information");
    EXPECT_EQ(plain.explanation()->toPlainText().toStdString(), std::string(hm::str(266)));
    EXPECT_EQ(rowTexts(plain),
              (QStringList{none, "---", "---", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(rowTexts(CInfo(sampleInterimValues(7))),
              (QStringList{"Number of 500km intervals", "42", "Km(s) in current interval (0..500)",
                           "499", "ABS Events in current interval", "5", "---", "---"}));
    EXPECT_TRUE(CInfo(sampleInterimValues(0)).explanation()->toPlainText().isEmpty());
}

TEST(CInfo, ExplanationIsReadOnlyBoldAndLargerThanTheDialogFont) {
    CInfo d(sampleInterimValues(3));
    EXPECT_TRUE(d.explanation()->isReadOnly());
    const QFontInfo info(d.explanation()->font());
    EXPECT_TRUE(info.bold());
    EXPECT_EQ(d.explanation()->font().pixelSize(), 14);
    EXPECT_GT(info.pixelSize(), d.rowLabel(0)->fontInfo().pixelSize());
}

TEST(CInfo, LayoutStaysInsideTheDialog) {
    CInfo d(sampleInterimValues(6));
    const hm::DialogUnits du = hm::DialogUnits::layoutUnits();
    EXPECT_EQ(d.size(), du.size(225, 210));
    EXPECT_EQ(d.okButton()->geometry(), du.rect(90, 174, 44, 30));
    EXPECT_TRUE(d.okButton()->tipText().isEmpty());
    for (int row = 0; row < hm::kInterimRows; ++row) {
        const QRect label = d.rowLabel(row)->geometry();
        const QRect value = d.rowValue(row)->geometry();
        EXPECT_LT(label.right(), value.left()) << row;
        EXPECT_TRUE(d.rect().contains(value)) << row;
        EXPECT_TRUE(d.rowLabel(row)->alignment() & Qt::AlignHCenter);
        if (row > 0) {
            EXPECT_GT(label.top(), d.rowLabel(row - 1)->geometry().top());
        }
    }
    d.okButton()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
}
