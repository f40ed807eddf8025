#include "dialogs/CInfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>

#include "resources/Strings.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/UiText.h"

namespace hm {
namespace {

constexpr int kOkIcon = 124;
constexpr int kRowTop[kInterimRows] = {101, 117, 133, 149};

QLabel* centredText(const QString& text, QWidget* parent, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

}  // namespace

QFont CInfo::explanationFont() {
    // Arial, or one of its metric-compatible twins where it is not installed.
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    // The font is asked for by its cell height (ascent plus descent) of 16 pixels. Arial's cell
    // is 1.117 em, so its em is 14 pixels; the twins' own line metrics differ (Nimbus Sans
    // reports a much taller cell), so the em is set directly rather than measured.
    font.setPixelSize(14);
    return font;
}

CInfo::CInfo(const InterimValues& values, QWidget* parent) : QDialog(parent) {
    setFont(DialogUnits::templateFont());
    const DialogUnits du = DialogUnits::layoutUnits();
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(du.size(225, 210));
    setWindowTitle(uiText(sid::kDisplayInformation));

    const GraphInformationTexts texts = graphInformationTexts(values);

    auto* graphBox = new QGroupBox(tr("Graph"), this);
    du.place(graphBox, 6, 5, 212, 75);

    explanation_ = new QTextEdit(this);
    explanation_->setObjectName(QStringLiteral("ctl1020"));
    explanation_->setReadOnly(true);
    explanation_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    explanation_->setFont(explanationFont());
    explanation_->setPlainText(QString::fromStdString(texts.explanation));
    explanation_->setAccessibleName(uiText(sid::kA11yExplanation));
    du.place(explanation_, 14, 19, 196, 52);

    auto* interimBox = new QGroupBox(tr("Interim Values"), this);
    du.place(interimBox, 6, 87, 212, 81);

    for (int row = 0; row < kInterimRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        labels_[r] = centredText(QString::fromStdString(texts.labels[r]), this,
                                 QStringLiteral("ctl%1").arg(1048 + row));
        du.place(labels_[r], 12, kRowTop[r], 153, 13);
        values_[r] = centredText(QString::fromStdString(texts.values[r]), this,
                                 QStringLiteral("ctl%1").arg(1043 + row));
        du.place(values_[r], 170, kRowTop[r], 39, 13);
    }

    okButton_ = new CButtonST(this);
    okButton_->setObjectName(QStringLiteral("ctl1"));
    okButton_->AssignIcons(kOkIcon, CButtonST::kDarkerRestingIcon);
    okButton_->ShiftColor(CButtonST::ColorIndex::BkIn, 80, true);
    okButton_->setDefault(true);
    okButton_->setAccessibleName(uiText(sid::kA11yOk));
    du.place(okButton_, 90, 174, 44, 30);
    connect(okButton_, &CButtonST::clicked, this, &CInfo::accept);
}

}  // namespace hm
