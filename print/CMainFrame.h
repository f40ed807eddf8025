#pragma once
// The print preview window: title " Print Preview", centred on the screen, menu "&File" with
// "&Print...\tCtrl+P", the view as its content. Deletes itself when closed.
#include <QMainWindow>
#include <functional>

#include "print/CPrintGraphView.h"
#include "print/PrintDialogRunner.h"

class QAction;
class QMenu;

namespace hm {

// Adds entries of a higher layer to the preview's File menu after "Print..." (the main dialog
// passes the report's entries); `window` owns the dialogs those entries open.
using PreviewMenuEntries =
    std::function<void(QMenu* fileMenu, CPrintGraphView* view, QWidget* window)>;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // A top-level window; `parent` is normally null (see CPrintGraphApp::OpenPreview).
    // `runner` (may be empty: QPrintDialog) is what the print entries ask; `moreEntries` (may
    // be empty) adds to the File menu.
    explicit CMainFrame(PageInputsProvider provider, PrintDialogRunner runner = {},
                        const PreviewMenuEntries& moreEntries = {}, QWidget* parent = nullptr);

    CPrintGraphView* view() const { return view_; }
    QAction* printAction() const { return printAction_; }

  private:
    CPrintGraphView* view_ = nullptr;
    QAction* printAction_ = nullptr;
};

}  // namespace hm
