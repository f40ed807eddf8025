#include "mainwindow/AccessibleNames.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QWidget>

#include "histogram/CHistogramCtrl.h"
#include "mainwindow/CHaulDlg.h"
#include "resources/Strings.h"
#include "widgets/CButtonST.h"
#include "widgets/UiText.h"

namespace hm {
namespace {

// Icons of the connection lamp and what each says.
QString lampName(int iconId) {
    int state = sid::kA11yLampOff;
    if (iconId == 125) {
        state = sid::kA11yLampProbing;
    } else if (iconId == 126) {
        state = sid::kA11yLampConnected;
    }
    return uiText(sid::kA11yLampName).arg(uiText(state));
}

struct ButtonName {
    CHaulDlg::ControlId id;
    int nameId;
    int tipId;
    QKeySequence key;  // the window's key for the button (empty: none)
};

// In the Tab order: the column from top to bottom, then previous and next.
const ButtonName kButtons[] = {
    {CHaulDlg::ControlId::Stability, sid::kA11yButtonFirst + 4, sid::kTipStability, {}},
    {CHaulDlg::ControlId::Reload, sid::kA11yButtonFirst + 3, sid::kTipReload,
     QKeySequence(Qt::Key_F5)},
    {CHaulDlg::ControlId::Erase, sid::kA11yButtonFirst + 2, sid::kTipErase, {}},
    {CHaulDlg::ControlId::Save, sid::kA11yButtonFirst + 1, sid::kTipSave,
     QKeySequence(Qt::CTRL | Qt::Key_S)},
    {CHaulDlg::ControlId::Load, sid::kA11yButtonFirst + 0, sid::kTipLoad,
     QKeySequence(Qt::CTRL | Qt::Key_O)},
    {CHaulDlg::ControlId::Information, sid::kA11yButtonFirst + 5, sid::kTipInformation, {}},
    {CHaulDlg::ControlId::Print, sid::kA11yButtonFirst + 6, sid::kTipPrint,
     QKeySequence(Qt::CTRL | Qt::Key_P)},
    {CHaulDlg::ControlId::Close, sid::kA11yButtonFirst + 7, sid::kTipClose,
     QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {CHaulDlg::ControlId::Previous, sid::kA11yButtonFirst + 9, sid::kTipPrevious,
     QKeySequence(Qt::Key_Left)},
    {CHaulDlg::ControlId::Next, sid::kA11yButtonFirst + 8, sid::kTipNext,
     QKeySequence(Qt::Key_Right)},
};

// The fields around the chart, named in the order of their string ids.
const CHaulDlg::ControlId kFields[] = {
    CHaulDlg::ControlId::GraphTitle,     CHaulDlg::ControlId::TopValue,
    CHaulDlg::ControlId::VerticalUnit,   CHaulDlg::ControlId::BottomValue,
    CHaulDlg::ControlId::LeftDistance,   CHaulDlg::ControlId::RightDistance,
    CHaulDlg::ControlId::HorizontalUnit, CHaulDlg::ControlId::ScaleText,
    CHaulDlg::ControlId::EcuType,
};

void nameButtons(CHaulDlg& dialog) {
    QWidget* previous = nullptr;
    for (const ButtonName& b : kButtons) {
        QWidget* w = dialog.control(b.id);
        if (w == nullptr) {
            continue;
        }
        w->setAccessibleName(uiText(b.nameId));
        QString description = uiText(b.tipId);
        if (!b.key.isEmpty()) {
            description = uiText(sid::kA11yWithShortcut)
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
    chart->setAccessibleTexts({uiText(sid::kA11yBar), uiText(sid::kA11yBarOf)});
    chart->setAccessibleName(uiText(sid::kA11yChart));
    chart->setAccessibleDescription(uiText(sid::kA11yChartDescription));
    QObject::connect(chart, &CHistogramCtrl::updateFinished, chart, [&dialog, chart] {
        const QString title = dialog.fieldText(CHaulDlg::ControlId::GraphTitle).trimmed();
        chart->setAccessibleName(title.isEmpty() ? uiText(sid::kA11yChart)
                                                 : uiText(sid::kA11yChartOf).arg(title));
    });
}

}  // namespace

void nameMainWindowControls(CHaulDlg& dialog) {
    nameButtons(dialog);
    nameChart(dialog);
    int nameId = sid::kA11yFieldFirst;
    for (CHaulDlg::ControlId id : kFields) {
        if (QWidget* w = dialog.control(id)) {
            w->setAccessibleName(uiText(nameId));
        }
        ++nameId;
    }
    if (QWidget* progress = dialog.control(CHaulDlg::ControlId::Progress)) {
        progress->setAccessibleName(uiText(sid::kA11yProgress));
    }
    if (CButtonST* lamp = dialog.button(CHaulDlg::ControlId::Status)) {
        lamp->setIndicator(true);
        lamp->setAccessibleName(lampName(lamp->iconId()));
        QObject::connect(lamp, &CButtonST::iconsChanged, lamp,
                         [lamp] { lamp->setAccessibleName(lampName(lamp->iconId())); });
    }
}

}  // namespace hm
