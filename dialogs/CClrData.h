#pragma once
// The erase selection dialog behind the main window's erase button: the user picks which data
// the ECU is to erase. Takes the ECU's support level, hands back an EraseSelection; it never
// touches the image or the link. Window thread only.
#include <QDialog>

#include "session/EraseSelection.h"

class QComboBox;
class QRadioButton;

namespace hm {

class CButtonST;

class CClrData : public QDialog {
    Q_OBJECT
  public:
    // `supportLevel` decides the list entries (1: fleet and stability, 2: stability only,
    // otherwise none).
    explicit CClrData(ecu::SupportLevel supportLevel, QWidget* parent = nullptr);

    // Valid after the dialog has ended: accepted with the three results after OK, accepted
    // false after Cancel or the close box.
    EraseSelection selection() const { return selection_; }

    // Runs the dialog modally and returns its selection.
    static EraseSelection ask(ecu::SupportLevel supportLevel, QWidget* parent);

    // The controls, for the tests.
    QRadioButton* eraseOption() const { return eraseOption_; }
    QRadioButton* writeOption() const { return writeOption_; }
    QComboBox* entryList() const { return entryList_; }
    CButtonST* okButton() const { return okButton_; }
    CButtonST* cancelButton() const { return cancelButton_; }

  private:
    void onEraseOption();
    void onWriteOption();
    void onOk();

    QRadioButton* eraseOption_ = nullptr;  // 1017
    QComboBox* entryList_ = nullptr;       // 1014
    QRadioButton* writeOption_ = nullptr;  // 1019
    CButtonST* okButton_ = nullptr;        // 1 (default)
    CButtonST* cancelButton_ = nullptr;    // 2
    EraseSelection selection_;
};

}  // namespace hm
