#pragma once
// The print preview window: title " Print Preview", centred on the screen, menu "&File" with
// "&Print...\tCtrl+P", the view as its content. Deletes itself when closed.
#include <QMainWindow>

#include "print/CPrintGraphView.h"
#include "print/PrintDialogRunner.h"

class QAction;

namespace hm {

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // A top-level window; `parent` is normally null (see CPrintGraphApp::OpenPreview).
    // `runner` (may be empty: QPrintDialog) is what the print entries ask.
    explicit CMainFrame(PageInputsProvider provider, PrintDialogRunner runner = {},
                        QWidget* parent = nullptr);

    CPrintGraphView* view() const { return view_; }
    QAction* printAction() const { return printAction_; }

  private:
    CPrintGraphView* view_ = nullptr;
    QAction* printAction_ = nullptr;
};

}  // namespace hm
