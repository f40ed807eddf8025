#include "dialogs/CClrData.h"

#include <QComboBox>
#include <QRadioButton>

#include "resources/Strings.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/UiText.h"

namespace hm {
namespace {

constexpr int kOkIcon = 131;
constexpr int kCancelIcon = 124;

// Tooltip, icon with its darkened resting picture, lightened background under the pointer. The
// button is placed first, since the tooltip's area is its rectangle when the tip is set.
CButtonST* iconButton(QWidget* parent, const QString& name, const QRect& rect, int iconId,
                      int tipId) {
    auto* button = new CButtonST(parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->SetTip(uiText(tipId), true);
    button->AssignIcons(iconId, CButtonST::kDarkerRestingIcon);
    button->ShiftColor(CButtonST::ColorIndex::BkIn, 80, true);
    return button;
}

}  // namespace

CClrData::CClrData(ecu::SupportLevel supportLevel, QWidget* parent) : QDialog(parent) {
    setFont(DialogUnits::templateFont());
    const DialogUnits du = DialogUnits::layoutUnits();
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(du.size(217, 109));
    setWindowTitle(uiText(sid::kEraseCaption));

    // The two options stand in groups of their own; the handlers keep them exclusive.
    eraseOption_ = new QRadioButton(uiText(sid::kSelectInfoToClear), this);
    eraseOption_->setObjectName(QStringLiteral("ctl1017"));
    eraseOption_->setAutoExclusive(false);
    du.placeLine(eraseOption_, 18, 8, 181, 8);

    entryList_ = new QComboBox(this);
    entryList_->setObjectName(QStringLiteral("ctl1014"));
    for (int id : eraseListEntries(supportLevel)) {
        entryList_->addItem(uiText(id));
    }
    QRect listRect = du.rect(41, 21, 137, 86);
    listRect.setHeight(entryList_->sizeHint().height());
    entryList_->setGeometry(listRect);

    writeOption_ = new QRadioButton(uiText(sid::kWriteCurrentValues), this);
    writeOption_->setObjectName(QStringLiteral("ctl1019"));
    writeOption_->setAutoExclusive(false);
    writeOption_->setEnabled(false);  // nothing enables it: the option cannot be chosen
    du.placeLine(writeOption_, 18, 54, 181, 8);

    okButton_ = iconButton(this, QStringLiteral("ctl1"), du.rect(139, 74, 37, 26), kOkIcon,
                           sid::kTipProceedErase);
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    okButton_->setAccessibleName(uiText(sid::kA11yOk));

    cancelButton_ = iconButton(this, QStringLiteral("ctl2"), du.rect(41, 74, 37, 26), kCancelIcon,
                               sid::kTipCancelErase);
    cancelButton_->setAutoDefault(false);
    cancelButton_->setAccessibleName(uiText(sid::kA11yCancel));
    entryList_->setAccessibleName(uiText(sid::kA11yEraseChoice));
    entryList_->setAccessibleDescription(uiText(sid::kA11yEraseChoice));

    connect(eraseOption_, &QRadioButton::clicked, this, &CClrData::onEraseOption);
    connect(writeOption_, &QRadioButton::clicked, this, &CClrData::onWriteOption);
    connect(okButton_, &CButtonST::clicked, this, &CClrData::onOk);
    connect(cancelButton_, &CButtonST::clicked, this, &CClrData::reject);

    eraseOption_->setChecked(true);
    writeOption_->setChecked(false);
    entryList_->setCurrentIndex(entryList_->count() > 0 ? 0 : -1);
}

EraseSelection CClrData::ask(ecu::SupportLevel supportLevel, QWidget* parent) {
    CClrData dialog(supportLevel, parent);
    dialog.exec();
    return dialog.selection();
}

void CClrData::onEraseOption() {
    // A click on an option that is on leaves it on, as an option button does.
    eraseOption_->setChecked(true);
    entryList_->setEnabled(true);
    writeOption_->setChecked(false);
}

void CClrData::onWriteOption() {
    writeOption_->setChecked(true);
    eraseOption_->setChecked(false);
}

void CClrData::onOk() {
    selection_.accepted = true;
    selection_.eraseOption = eraseOption_->isChecked() ? 1 : 0;
    selection_.chosenEntry = entryList_->currentIndex();
    selection_.writeOption = writeOption_->isChecked() ? 1 : 0;
    accept();
}

}  // namespace hm
