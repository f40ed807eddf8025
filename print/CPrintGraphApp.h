#pragma once
// The print preview application object: opens the one print preview window of the process and
// knows whether it is open. Window thread only.
//
// Callers (the main dialog's print button, the stability dialog's record buttons):
//     if (!CPrintGraphApp::instance().previewOpen()) {
//         printPageKind = ...; selectedRecord = ...;
//         CPrintGraphApp::instance().OpenPreview(provider, this);
//     }
// The provider is called at every paint, so the preview follows the caller's current state;
// call refreshPreview() after that state changes to repaint it at once.
#include <QPointer>
#include <functional>

#include "print/CMainFrame.h"
#include "print/CPrintGraphView.h"

class QPrinter;
class QWidget;

namespace hm {

class CPrintGraphApp {
  public:
    static CPrintGraphApp& instance();

    // Opens the preview window drawing from `provider`; when `owner` (may be null) is destroyed
    // the preview goes with it. Returns 1 when a window was opened, 0 when one is already open
    // (it is raised instead, its provider unchanged) or the provider is empty.
    int OpenPreview(PageInputsProvider provider, QWidget* owner = nullptr);

    // True from OpenPreview until the preview window is closed and destroyed.
    bool previewOpen() const { return !frame_.isNull(); }
    CMainFrame* previewWindow() const { return frame_.data(); }
    // Repaints the open preview (no-op without one).
    void refreshPreview();
    // Closes the open preview (no-op without one).
    void closePreview();

    // The print dialog of the print flow: returns true when the user accepted and `printer` is
    // set up. The default shows QPrintDialog modally; tests install a runner that does not block.
    using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void setPrintDialogRunner(PrintDialogRunner runner) { runner_ = std::move(runner); }
    bool runPrintDialog(QPrinter& printer, QWidget* parent) const;

  private:
    CPrintGraphApp() = default;

    QPointer<CMainFrame> frame_;
    PrintDialogRunner runner_;
};

}  // namespace hm
