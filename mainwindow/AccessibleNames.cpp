#include "mainwindow/AccessibleNames.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QWidget>

#include "histogram/CHistogramCtrl.h"
#include "mainwindow/CHaulDlg.h"
#include "resources/Strings.h"
#include "widgets/CButtonST.h"

namespace hm {
namespace {

QString text(int id) {
    return QString::fromUtf8(str(id).data(), static_cast<qsizetype>(str(id).size()));
}

// Icons of the connection lamp and what each says.
QString lampName(int iconId) {
    int state = sid::kA11yLampOff;
    if (iconId == 125) {
        state = sid::kA11yLampProbing;
    } else if (iconId == 126) {
        state = sid::kA11yLampConnected;
    }
    return text(sid::kA11yLampName).arg(text(state));
}

struct ButtonName {
    int id;
    int nameId;
    int tipId;
    QKeySequence key;  // the window's key for the button (empty: none)
};

// In the Tab order: the column from top to bottom, then previous and next.
const ButtonName kButtons[] = {
    {CHaulDlg::kStability, sid::kA11yButtonFirst + 4, sid::kTipStability, {}},
    {CHaulDlg::kReload, sid::kA11yButtonFirst + 3, sid::kTipReload, QKeySequence(Qt::Key_F5)},
    {CHaulDlg::kWrite, sid::kA11yButtonFirst + 2, sid::kTipWrite, {}},
    {CHaulDlg::kSave, sid::kA11yButtonFirst + 1, sid::kTipSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
    {CHaulDlg::kLoad, sid::kA11yButtonFirst + 0, sid::kTipLoad, QKeySequence(Qt::CTRL | Qt::Key_O)},
    {CHaulDlg::kInformation, sid::kA11yButtonFirst + 5, sid::kTipInformation, {}},
    {CHaulDlg::kPrint, sid::kA11yButtonFirst + 6, sid::kTipPrint,
     QKeySequence(Qt::CTRL | Qt::Key_P)},
    {CHaulDlg::kClose, sid::kA11yButtonFirst + 7, sid::kTipClose,
     QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {CHaulDlg::kPrevious, sid::kA11yButtonFirst + 9, sid::kTipPrevious, QKeySequence(Qt::Key_Left)},
    {CHaulDlg::kNext, sid::kA11yButtonFirst + 8, sid::kTipNext, QKeySequence(Qt::Key_Right)},
};

// The fields around the chart, named in the order of their string ids.
const int kFields[] = {
    CHaulDlg::kGraphTitle,     CHaulDlg::kTopValue,     CHaulDlg::kVerticalUnit,
    CHaulDlg::kBottomValue,    CHaulDlg::kLeftDistance, CHaulDlg::kRightDistance,
    CHaulDlg::kHorizontalUnit, CHaulDlg::kScaleText,    CHaulDlg::kEcuType,
};

void nameButtons(CHaulDlg& dialog) {
    QWidget* previous = nullptr;
    for (const ButtonName& b : kButtons) {
        QWidget* w = dialog.control(b.id);
        if (w == nullptr) {
            continue;
        }
        w->setAccessibleName(text(b.nameId));
        QString description = text(b.tipId);
        if (!b.key.isEmpty()) {
            description = text(sid::kA11yWithShortcut)
                              .arg(description, b.key.toString(QKeySequence::NativeText));
        }
        w->setAccessibleDescription(description);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, w);
        }
        previous = w;
    }
}

void nameChart(CHaulDlg& dialog) {
    CHistogramCtrl* chart = dialog.histogram();
    if (chart == nullptr) {
        return;
    }
    chart->setAccessibleTexts({text(sid::kA11yBar), text(sid::kA11yBarOf)});
    chart->setAccessibleName(text(sid::kA11yChart));
    chart->setAccessibleDescription(text(sid::kA11yChartDescription));
    QObject::connect(chart, &CHistogramCtrl::updateFinished, chart, [&dialog, chart] {
        const QString title = dialog.fieldText(CHaulDlg::kGraphTitle).trimmed();
        chart->setAccessibleName(title.isEmpty() ? text(sid::kA11yChart)
                                                 : text(sid::kA11yChartOf).arg(title));
    });
}

}  // namespace

void nameMainWindowControls(CHaulDlg& dialog) {
    nameButtons(dialog);
    nameChart(dialog);
    int nameId = sid::kA11yFieldFirst;
    for (int id : kFields) {
        if (QWidget* w = dialog.control(id)) {
            w->setAccessibleName(text(nameId));
        }
        ++nameId;
    }
    if (QWidget* progress = dialog.control(CHaulDlg::kProgress)) {
        progress->setAccessibleName(text(sid::kA11yProgress));
    }
    if (CButtonST* lamp = dialog.button(CHaulDlg::kStatus)) {
        lamp->setIndicator(true);
        lamp->setAccessibleName(lampName(lamp->iconId()));
        QObject::connect(lamp, &CButtonST::iconsChanged, lamp,
                         [lamp] { lamp->setAccessibleName(lampName(lamp->iconId())); });
    }
}

}  // namespace hm
