#include "dialogs/CTable.h"

#include <cstdlib>

#include <QLabel>
#include <QProgressBar>

#include "fleetdata/StabilityRecord.h"
#include "resources/Strings.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/UiText.h"

namespace hm {
namespace {

constexpr int kBarMaximum = 100;  // 1.0 g in 0.01 g counts

struct ScaleLabel {
    const char* text;
    int y;  // level with the top, the middle and the bottom of the bars
};
constexpr ScaleLabel kScaleLabels[3] = {{"1.0g", 5}, {"0.5g", 76}, {"0.0g", 147}};

}  // namespace

int CTable::barValue(int8_t stabilitySensorOutput) {
    // Widen first: the magnitude of -128 is 128, which an 8-bit type cannot hold. A progress
    // bar ignores values outside its range, so anything past 1.0 g is limited to a full bar.
    const int magnitude = std::abs(static_cast<int>(stabilitySensorOutput));
    return magnitude > kBarMaximum ? kBarMaximum : magnitude;
}

CTable::CTable(const FleetDataImage& image, PrintRecordFn printRecord, QWidget* parent)
    : QDialog(parent), printRecord_(std::move(printRecord)) {
    setFont(DialogUnits::templateFont());
    const DialogUnits du = DialogUnits::layoutUnits();
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::WindowModal);
    setFixedSize(du.size(521, 186));
    setWindowTitle(uiText(sid::kStabilitySnaphot));

    // A loaded file brings its count unchecked: compare unsigned, so that a count of 32 or more
    // enables every slot and no count reads past the array.
    const uint32_t count = image.stabilityRecordCount;

    for (int k = 0; k < kStabilitySlots; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        const bool stored = static_cast<uint32_t>(k) < count;

        auto* bar = new QProgressBar(this);
        bar->setObjectName(QStringLiteral("ctl%1").arg(1095 + k));
        bar->setOrientation(Qt::Vertical);
        bar->setTextVisible(false);
        bar->setRange(0, kBarMaximum);
        bar->setVisible(stored);
        // Hidden bars get their position too.
        bar->setValue(barValue(image.stabilityRecords[slot].stabilitySensorOutput));
        bar->setAccessibleName(uiText(sid::kA11ySnapshotBar).arg(k + 1));
        du.place(bar, 33 + 15 * k, 8, 8, 146);
        bars_[slot] = bar;

        auto* button = new CButtonST(QString::number(k + 1), this);
        button->setObjectName(QStringLiteral("ctl%1").arg(1063 + k));
        button->setAutoDefault(false);
        button->setAccessibleName(uiText(sid::kA11ySnapshot).arg(k + 1));
        button->setEnabled(stored);
        // Placed first: the tooltip's area is the button's rectangle when the tip is set.
        du.place(button, 30 + 15 * k, 156, 15, 23);
        // Disabled buttons get their text too, from whatever their slot holds.
        button->SetTip(QString::fromStdString(FormatRecordSummary(image, k)), true);
        connect(button, &CButtonST::clicked, this, [this, k] { PrintStabilityRecord(k + 1); });
        buttons_[slot] = button;
    }

    for (std::size_t i = 0; i < scaleLabels_.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(kScaleLabels[i].text), this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        du.place(label, 16, kScaleLabels[i].y, 15, 8);
        scaleLabels_[i] = label;
    }
}

void CTable::PrintStabilityRecord(int recordNumber) {
    if (printRecord_ && recordNumber >= 1 && recordNumber <= kStabilitySlots) {
        printRecord_(recordNumber);
    }
}

}  // namespace hm
