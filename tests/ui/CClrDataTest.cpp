#include <gtest/gtest.h>

#include <QComboBox>

#include <QRadioButton>
#include <QTest>

#include "dialogs/CClrData.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"

using hm::CClrData;

namespace {

QStringList entries(const CClrData& d) {
    QStringList list;
    for (int i = 0; i < d.entryList()->count(); ++i) {
        list << d.entryList()->itemText(i);
    }
    return list;
}

}  // namespace

TEST(CClrData, StartStateForEachSupportLevel) {
    const struct {
        int level;
        QStringList entries;
        int selected;
    } cases[] = {
        {1, {"Extended Fleet Information", "Stability Snapshot Information"}, 0},
        {2, {"Stability Snapshot Information"}, 0},
        {0, {}, -1},
    };
    for (const auto& c : cases) {
        CClrData d(static_cast<hm::ecu::SupportLevel>(c.level));
        EXPECT_EQ(d.windowTitle(), "Select Data to Erase From ECU");
        EXPECT_EQ(entries(d), c.entries) << c.level;
        EXPECT_EQ(d.entryList()->currentIndex(), c.selected) << c.level;
        EXPECT_EQ(d.eraseOption()->text(), "Select Info To Clear");
        EXPECT_TRUE(d.eraseOption()->isChecked());
        EXPECT_EQ(d.writeOption()->text(), "Write Current Extended Fleet Values To ECU");
        EXPECT_FALSE(d.writeOption()->isChecked());
        EXPECT_FALSE(d.writeOption()->isEnabled());
        EXPECT_EQ(d.okButton()->tipText(), "Proceed with Write Operation");
        EXPECT_EQ(d.cancelButton()->tipText(), "Cancel without Updating ECU");
        EXPECT_TRUE(d.okButton()->isDefault());
    }
}

TEST(CClrData, SizeAndButtonsFollowTheTemplate) {
    CClrData d(hm::ecu::SupportLevel::FleetAndRecords);
    const hm::DialogUnits du = hm::DialogUnits::layoutUnits();
    EXPECT_EQ(d.size(), du.size(217, 109));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.okButton()->geometry(), du.rect(139, 74, 37, 26));
    EXPECT_EQ(d.cancelButton()->geometry(), du.rect(41, 74, 37, 26));
    // Cancel on the left, OK on the right, neither clipped by the dialog.
    EXPECT_LT(d.cancelButton()->geometry().right(), d.okButton()->geometry().left());
    EXPECT_TRUE(d.rect().contains(d.okButton()->geometry()));
    // The list sits between the two options without covering them.
    EXPECT_GT(d.entryList()->geometry().top(), d.eraseOption()->geometry().bottom());
    EXPECT_LT(d.entryList()->geometry().bottom(), d.writeOption()->geometry().top());
}

TEST(CClrData, OkHandsBackTheChoice) {
    CClrData d(hm::ecu::SupportLevel::FleetAndRecords);
    d.entryList()->setCurrentIndex(1);
    d.writeOption()->click();  // disabled: no effect
    d.okButton()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const hm::EraseSelection s = d.selection();
    EXPECT_TRUE(s.accepted);
    EXPECT_EQ(s.eraseOption, 1);
    EXPECT_EQ(s.chosenEntry, 1);
    EXPECT_EQ(s.writeOption, 0);

    CClrData empty(hm::ecu::SupportLevel::None);
    empty.okButton()->click();
    EXPECT_TRUE(empty.selection().accepted);
    EXPECT_EQ(empty.selection().chosenEntry, -1);
}

TEST(CClrData, ClickingTheEraseOptionKeepsItOn) {
    CClrData d(hm::ecu::SupportLevel::RecordsOnly);
    d.eraseOption()->click();
    d.eraseOption()->click();
    EXPECT_TRUE(d.eraseOption()->isChecked());
    EXPECT_TRUE(d.entryList()->isEnabled());
    EXPECT_FALSE(d.writeOption()->isChecked());
}

TEST(CClrData, CancelAndEnter) {
    CClrData cancelled(hm::ecu::SupportLevel::FleetAndRecords);
    cancelled.cancelButton()->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_FALSE(cancelled.selection().accepted);

    // Enter presses the default button, OK.
    CClrData entered(hm::ecu::SupportLevel::RecordsOnly);
    entered.show();
    QTest::keyClick(&entered, Qt::Key_Return);
    EXPECT_EQ(entered.result(), QDialog::Accepted);
    EXPECT_EQ(entered.selection().chosenEntry, 0);

    // Escape is Cancel.
    CClrData escaped(hm::ecu::SupportLevel::FleetAndRecords);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_EQ(escaped.result(), QDialog::Rejected);
    EXPECT_FALSE(escaped.selection().accepted);
}
