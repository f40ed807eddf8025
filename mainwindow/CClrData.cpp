#include "mainwindow/CClrData.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "resources/Strings.h"
#include "widgets/DialogUnits.h"

namespace hm {
namespace {

QString text(int id) {
    return QString::fromStdString(strCopy(id));
}

constexpr int kOkIcon = 131;
constexpr int kCancelIcon = 124;

}  // namespace

CClrData::CClrData(int supportLevel, QWidget* parent) : QDialog(parent) {
    setFont(DialogUnits::templateFont());
    const DialogUnits du(font());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(du.size(217, 109));
    setWindowTitle(text(sid::kEraseCaption));

    // The two options stand in groups of their own; the handlers keep them exclusive.
    eraseOption_ = new QRadioButton(text(sid::kSelectInfoToClear), this);
    eraseOption_->setObjectName(QStringLiteral("ctl1017"));
    eraseOption_->setAutoExclusive(false);
    du.placeLine(eraseOption_, 18, 8, 181, 8);

    entryList_ = new QComboBox(this);
    entryList_->setObjectName(QStringLiteral("ctl1014"));
    for (int id : eraseListEntries(supportLevel)) {
        entryList_->addItem(text(id));
    }
    QRect listRect = du.rect(41, 21, 137, 86);
    listRect.setHeight(entryList_->sizeHint().height());
    entryList_->setGeometry(listRect);

    writeOption_ = new QRadioButton(text(sid::kWriteCurrentValues), this);
    writeOption_->setObjectName(QStringLiteral("ctl1019"));
    writeOption_->setAutoExclusive(false);
    writeOption_->setEnabled(false);  // nothing enables it: the option cannot be chosen
    du.placeLine(writeOption_, 18, 54, 181, 8);

    okButton_ = new QPushButton(this);
    okButton_->setObjectName(QStringLiteral("ctl1"));
    okButton_->setToolTip(text(sid::kTipProceedErase));
    okButton_->setIcon(QIcon(QStringLiteral(":/icons/%1").arg(kOkIcon)));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    du.place(okButton_, 139, 74, 37, 26);

    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("ctl2"));
    cancelButton_->setToolTip(text(sid::kTipCancelErase));
    cancelButton_->setIcon(QIcon(QStringLiteral(":/icons/%1").arg(kCancelIcon)));
    cancelButton_->setAutoDefault(false);
    du.place(cancelButton_, 41, 74, 37, 26);

    connect(eraseOption_, &QRadioButton::clicked, this, &CClrData::onEraseOption);
    connect(writeOption_, &QRadioButton::clicked, this, &CClrData::onWriteOption);
    connect(okButton_, &QPushButton::clicked, this, &CClrData::onOk);
    connect(cancelButton_, &QPushButton::clicked, this, &CClrData::reject);

    eraseOption_->setChecked(true);
    writeOption_->setChecked(false);
    entryList_->setCurrentIndex(entryList_->count() > 0 ? 0 : -1);
}

EraseSelection CClrData::ask(int supportLevel, QWidget* parent) {
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
