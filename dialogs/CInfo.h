#pragma once
// The "Display Information" dialog behind the main window's information button: the
// explanation of the selected graph and, for the three events-per-distance graphs, the interim
// counters of the running 500 km interval. Takes plain values, hands nothing back.
// Window thread only.
#include <array>

#include <QDialog>

#include "graphs/GraphInformation.h"

class QLabel;
class QTextEdit;

namespace hm {

class CButtonST;

class CInfo : public QDialog {
    Q_OBJECT
  public:
    explicit CInfo(const InterimValues& values, QWidget* parent = nullptr);

    // The explanation font: Arial (or its metric twin), bold, 16 pixels cell height.
    static QFont explanationFont();

    // The controls, for the tests.
    QTextEdit* explanation() const { return explanation_; }
    QLabel* rowLabel(int row) const { return labels_[static_cast<std::size_t>(row)]; }
    QLabel* rowValue(int row) const { return values_[static_cast<std::size_t>(row)]; }
    CButtonST* okButton() const { return okButton_; }

  private:
    QTextEdit* explanation_ = nullptr;               // 1020
    std::array<QLabel*, kInterimRows> labels_ = {};  // 1048..1051
    std::array<QLabel*, kInterimRows> values_ = {};  // 1043..1046
    CButtonST* okButton_ = nullptr;                  // 1
};

}  // namespace hm
