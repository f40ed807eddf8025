#pragma once
// The print preview window: title " Print Preview", centred on the screen, menu "&File" with
// "&Print...\tCtrl+P" and "&Close\tCtrl+W" (Escape too), menu "&View" with zoom in, zoom out
// and fit to width, the view as its content in a scroll area, the zoom in the status bar.
// Deletes itself when closed.
#include <QMainWindow>
#include <functional>

#include "print/CPrintGraphView.h"
#include "print/PrintDialogRunner.h"

#include <QKeySequence>
#include <QList>

class QAction;
class QMenu;
class QScrollArea;

namespace hm {

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
    static QAction* addMenuAction(QMenu* menu, const QString& text,
                                  const QList<QKeySequence>& keys);
    void addViewMenu();

    QScrollArea* scroll_ = nullptr;
    CPrintGraphView* view_ = nullptr;
    QAction* printAction_ = nullptr;
};

}  // namespace hm
