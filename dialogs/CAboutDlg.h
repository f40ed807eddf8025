#pragma once
// The about box: the application icon, "Haulmetry Version 2.3", the licence and an OK button,
// laid out in dialog units like the main window. Window thread.
#include <QDialog>

namespace hm {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace hm
