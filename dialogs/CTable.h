#pragma once
// The stability snapshot dialog: one vertical bar per stored stability record (the magnitude of
// its sensor output on a 0 to 1.0 g scale) and a numbered button under each bar whose tooltip is
// the record's summary and whose press asks for the print preview of that record. It reads the
// image once, when it is built, and never changes it. Window thread only.
#include <array>
#include <functional>

#include <QDialog>

#include "fleetdata/FleetDataImage.h"

class QLabel;
class QProgressBar;

namespace hm {

class CButtonST;

class CTable : public QDialog {
    Q_OBJECT
  public:
    // Called with the record number n (1..32) of a pressed button. The receiver decides whether
    // a preview may open (one at a time) and opens the stability page of slot n - 1.
    using PrintRecordFn = std::function<void(int recordNumber)>;

    // `image` is read during construction only. The dialog is window-modal on `parent`, so a
    // preview window opened from it (a window of its own, not a child of this dialog) stays
    // usable while the dialog is shown.
    CTable(const FleetDataImage& image, PrintRecordFn printRecord, QWidget* parent = nullptr);

    // Bar position for a sensor output: its magnitude, limited to the bar range 0..100.
    static int barValue(int8_t stabilitySensorOutput);

    // The press of button n (1..32): hands n to the print callback.
    void PrintStabilityRecord(int recordNumber);

    // The controls, for the tests (k = 0..31; scale labels 0..2 = 1.0g, 0.5g, 0.0g).
    QProgressBar* bar(int k) const { return bars_[static_cast<std::size_t>(k)]; }
    CButtonST* button(int k) const { return buttons_[static_cast<std::size_t>(k)]; }
    QLabel* scaleLabel(int i) const { return scaleLabels_[static_cast<std::size_t>(i)]; }

  private:
    std::array<QProgressBar*, kStabilitySlots> bars_ = {};  // 1095 + k
    std::array<CButtonST*, kStabilitySlots> buttons_ = {};  // 1063 + k
    std::array<QLabel*, 3> scaleLabels_ = {};
    PrintRecordFn printRecord_;
};

}  // namespace hm
