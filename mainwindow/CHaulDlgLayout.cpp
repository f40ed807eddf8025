// The main window's controls: the column of icon buttons, the graph fields, the progress bar,
// the ECU field and the histogram, placed in dialog units; and the scale text spread to stand
// under the chart's bars. What they show is drawn by CHaulDlg::render.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "graphs/GraphFacts.h"
#include "histogram/CHistogramCtrl.h"
#include "mainwindow/CHaulDlg.h"
#include "resources/Strings.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/FramedGroupBox.h"
#include "widgets/UiText.h"

namespace hm {
namespace {

// Spreads a scale text (labels separated by blanks) so that its first label is centred at
// `firstCentre` and its last at `lastCentre` (label coordinates), by letter spacing and indent.
void alignScaleText(QLabel* label, const QString& text, double firstCentre, double lastCentre) {
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const QFontMetricsF fm(font);
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    label->setText(text);
    if (tokens.size() < 2) {
        label->setFont(font);
        label->setIndent(0);
        return;
    }
    const qsizetype kFirst = text.indexOf(tokens.first());
    const qsizetype kLast = text.lastIndexOf(tokens.last());
    auto centreAt = [&](qsizetype k, const QString& token, double spacing) {
        return fm.horizontalAdvance(text.left(k)) + fm.horizontalAdvance(token) / 2 +
               spacing * (static_cast<double>(k) + (static_cast<double>(token.size()) - 1) / 2);
    };
    const double d0 = centreAt(kLast, tokens.last(), 0) - centreAt(kFirst, tokens.first(), 0);
    const double n = static_cast<double>(kLast - kFirst) +
                     static_cast<double>(tokens.last().size() - tokens.first().size()) / 2;
    const double spacing = n > 0 ? (lastCentre - firstCentre - d0) / n : 0;
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    label->setFont(font);
    const double indent = firstCentre - centreAt(kFirst, tokens.first(), spacing);
    label->setIndent(std::max(0, static_cast<int>(indent + 0.5)));
}

}  // namespace

QRect CHaulDlg::duRect(int left, int top, int width, int height) const {
    return DialogUnits::layoutUnits().rect(left, top, width, height);
}

CButtonST* CHaulDlg::addButton(ControlId id, int left, int top, int width, int height, int iconId,
                               int tipId, bool enabled) {
    auto* b = new CButtonST(this);
    b->setGeometry(duRect(left, top, width, height));
    b->setAutoDefault(false);
    b->setDefault(false);
    if (tipId != 0) {
        b->SetTip(uiText(tipId), true);
    }
    b->AssignIcons(iconId, CButtonST::kDarkerRestingIcon);
    b->ShiftColor(CButtonST::ColorIndex::BkIn, 80, true);
    b->setEnabled(enabled);
    controls_[id] = b;
    return b;
}

QLineEdit* CHaulDlg::addField(ControlId id, int left, int top, int width, int height,
                              Qt::Alignment align) {
    auto* e = new QLineEdit(this);
    e->setGeometry(duRect(left, top, width, height));
    e->setReadOnly(true);
    e->setFrame(false);
    e->setAlignment(align | Qt::AlignVCenter);
    e->setFocusPolicy(Qt::NoFocus);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    e->setPalette(pal);
    controls_[id] = e;
    return e;
}

void CHaulDlg::buildControls() {
    // Histogram over the placeholder rectangle (control 1002).
    histogram_ = new CHistogramCtrl(this);
    histogram_->setGeometry(duRect(49, 45, 361, 179));
    controls_[ControlId::Histogram] = histogram_;
    histogram_->show();
    histogram_->SetRange(0, 10);

    // Buttons in the set-up order of the window (also their Tab order).
    struct ButtonRow {
        ControlId id;
        int left, top, width, height, iconId, tipId;
        bool enabled;
        void (CHaulDlg::*onClick)();
    };
    static constexpr ButtonRow kButtons[] = {
        {ControlId::Load, 417, 139, 44, 30, 129, sid::kTipLoad, true, &CHaulDlg::onLoad},
        {ControlId::Stability, 417, 15, 44, 30, 201, sid::kTipStability, false,
         &CHaulDlg::onStability},
        {ControlId::Reload, 417, 46, 44, 30, 135, sid::kTipReload, false, &CHaulDlg::onReload},
        {ControlId::Close, 417, 232, 44, 30, 124, sid::kTipClose, true, &CHaulDlg::onClose},
        {ControlId::Erase, 417, 77, 44, 30, 134, sid::kTipErase, false, &CHaulDlg::onErase},
        {ControlId::Save, 417, 108, 44, 30, 130, sid::kTipSave, false, &CHaulDlg::onSave},
        {ControlId::Information, 417, 170, 44, 30, 254, sid::kTipInformation, false,
         &CHaulDlg::onInformation},
        {ControlId::Print, 417, 201, 44, 30, 256, sid::kTipPrint, false, &CHaulDlg::onPrint},
        {ControlId::Next, 365, 239, 46, 23, 133, sid::kTipNext, false, &CHaulDlg::onNext},
        {ControlId::Previous, 49, 239, 43, 23, 132, sid::kTipPrevious, false,
         &CHaulDlg::onPrevious},
    };
    for (const ButtonRow& row : kButtons) {
        CButtonST* b = addButton(row.id, row.left, row.top, row.width, row.height, row.iconId,
                                 row.tipId, row.enabled);
        connect(b, &QPushButton::clicked, this, row.onClick);
    }

    // The connection indicator: icon only, clicking does nothing.
    auto* status = new CButtonST(this);
    status->setGeometry(duRect(417, 0, 44, 15));
    status->setAutoDefault(false);
    status->setFocusPolicy(Qt::NoFocus);
    controls_[ControlId::Status] = status;
    buildFields();
}

void CHaulDlg::buildFields() {
    QFont titleFont = font();
    titleFont.setBold(true);
    QLineEdit* title = addField(ControlId::GraphTitle, 105, 30, 266, 12, Qt::AlignHCenter);
    title->setFont(titleFont);
    title->setFrame(true);

    progress_ = new QProgressBar(this);
    progress_->setGeometry(duRect(49, 7, 361, 11));
    progress_->setTextVisible(false);
    progress_->hide();
    controls_[ControlId::Progress] = progress_;

    // The read-only fields around the chart; the two distance fields show only for the
    // distance graphs.
    struct FieldRow {
        ControlId id;
        int left, top, width, height;
        Qt::AlignmentFlag align;
        bool shown;
    };
    static constexpr FieldRow kFields[] = {
        {ControlId::TopValue, 6, 55, 34, 12, Qt::AlignRight, true},
        {ControlId::VerticalUnit, 6, 135, 34, 12, Qt::AlignRight, true},
        {ControlId::BottomValue, 6, 215, 34, 12, Qt::AlignRight, true},
        {ControlId::LeftDistance, 49, 225, 67, 12, Qt::AlignLeft, false},
        {ControlId::RightDistance, 343, 225, 67, 12, Qt::AlignRight, false},
        {ControlId::HorizontalUnit, 135, 239, 186, 12, Qt::AlignHCenter, true},
    };
    for (const FieldRow& row : kFields) {
        QLineEdit* field = addField(row.id, row.left, row.top, row.width, row.height, row.align);
        if (!row.shown) {
            field->hide();
        }
    }

    // The scale text is spread to stand under the bars.
    auto* scale = new QLabel(this);
    scale->setGeometry(duRect(49, 225, 361, 12));
    scale->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    controls_[ControlId::ScaleText] = scale;

    ecuGroup_ = new FramedGroupBox(tr("ECU"), this);
    ecuGroup_->setGeometry(duRect(5, 3, 36, 21));
    QLineEdit* type = addField(ControlId::EcuType, 9, 11, 26, 11, Qt::AlignHCenter);
    type->setText(QStringLiteral("---"));
    type->raise();
}

QWidget* CHaulDlg::control(ControlId id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

CButtonST* CHaulDlg::button(ControlId id) const {
    return qobject_cast<CButtonST*>(control(id));
}

QString CHaulDlg::fieldText(ControlId id) const {
    QWidget* w = control(id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        return e->text();
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        return l->text();
    }
    return {};
}

void CHaulDlg::showScale(const GraphTexts& texts) {
    auto* scale = static_cast<QLabel*>(control(ControlId::ScaleText));
    auto* left = static_cast<QLineEdit*>(control(ControlId::LeftDistance));
    auto* right = static_cast<QLineEdit*>(control(ControlId::RightDistance));
    if (texts.distanceLabelsVisible) {
        scale->hide();
        // The two distances stand under the first and the last of the 28 bars.
        left->move(histogram_->x() + histogram_->stackedBarsLeft(), left->y());
        right->move(histogram_->x() + histogram_->stackedBarsRight() - right->width(), right->y());
        left->setText(QString::fromStdString(texts.leftDistance));
        right->setText(QString::fromStdString(texts.rightDistance));
        left->show();
        right->show();
        return;
    }
    // In the label's coordinates: speeds and loads label the bars' centres, pressures mark the
    // 17 bar boundaries.
    const double offset = histogram_->x() - scale->x();
    const QString text = QString::fromStdString(texts.scaleText);
    const bool centres =
        graphFacts(session_->graphRecord().shownGraph).scale == ScaleAlignment::BarCentres;
    const double first =
        offset + (centres ? histogram_->singleBarCentre(0) : histogram_->singleBarBoundary(0));
    const double last = offset + (centres ? histogram_->singleBarCentre(kSingleBarCount - 1)
                                          : histogram_->singleBarBoundary(kSingleBarCount));
    alignScaleText(scale, text, first, last);
    scale->show();
    left->hide();
    right->hide();
}
}  // namespace hm
