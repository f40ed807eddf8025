#include "dialogs/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "widgets/DialogUnits.h"
#include "widgets/Icons.h"

namespace hm {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Haulmetry"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(DialogUnits::templateFont());
    const QFontMetrics fm(font());
    const DialogUnits du = DialogUnits::layoutUnits();
    auto rect = [&du](int l, int t, int w, int h) { return du.rect(l, t, w, h); };
    setFixedSize(du.size(211, 66));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QRect iconRect = rect(24, 22, 20, 20);
    icon->setGeometry(iconRect);
    icon->setPixmap(iconPixmap(119, devicePixelRatioF(), QSize(32, 32)));
    icon->setAlignment(Qt::AlignCenter);

    auto* text = new QLabel(tr("Haulmetry Version %1").arg(QStringLiteral(HM_VERSION_TEXT)), this);
    text->setObjectName(QStringLiteral("version"));
    QRect textRect = rect(67, 22, 76, 8);
    textRect.setHeight(std::max(textRect.height(), fm.height()));
    textRect.setWidth(std::max(textRect.width(), fm.horizontalAdvance(text->text()) + 4));
    text->setGeometry(textRect);

    // The licence notice below the version, in the same column.
    auto* licence = new QLabel(tr("Licence: GPL-3.0-or-later"), this);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setToolTip(
        tr("Free software under the GNU General Public License, version 3 or later, with no "
           "warranty."));
    QRect licenceRect = rect(67, 34, 76, 8);
    licenceRect.setHeight(std::max(licenceRect.height(), fm.height()));
    licenceRect.setWidth(std::max(licenceRect.width(), fm.horizontalAdvance(licence->text()) + 4));
    licence->setGeometry(licenceRect);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(rect(159, 20, 29, 25));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace hm
