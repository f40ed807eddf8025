#pragma once
// The print preview controller: opens the one print preview window of its owner and knows
// whether it is open. The main dialog owns one; the print dialog runner is given at
// construction. Window thread only.
//
// A caller (the main dialog's print button, the stability dialog's record buttons):
//     if (!preview_.previewOpen()) {
//         printPageKind = ...; selectedRecord = ...;
//         preview_.OpenPreview(provider, this);
//     }
// (a record button raises the open preview instead: raisePreview()).
// The provider is called at every paint, so the preview follows the caller's current state;
// call refreshPreview() after that state changes to repaint it at once.
#include <QPointer>
#include <functional>

#include "print/CMainFrame.h"
#include "print/CPrintGraphView.h"
#include "print/PrintDialogRunner.h"

class QWidget;

namespace hm {

class CPrintGraphApp : public PrintPreview {
  public:
    // `runner` (may be empty: QPrintDialog) is what the preview's print entries ask;
    // `moreEntries` (may be empty) adds to the preview's File menu.
    explicit CPrintGraphApp(PrintDialogRunner runner = {}, PreviewMenuEntries moreEntries = {})
        : runner_(std::move(runner)), moreEntries_(std::move(moreEntries)) {}
    // Closes the open preview: it draws from its owner's state.
    ~CPrintGraphApp() override { closePreview(); }
    CPrintGraphApp(const CPrintGraphApp&) = delete;
    CPrintGraphApp& operator=(const CPrintGraphApp&) = delete;

    // Opens the preview window drawing from `provider`; when `owner` (may be null) is destroyed
    // the preview goes with it. `onClosed` (may be empty) runs when the window is destroyed.
    // Returns 1 when a window was opened, 0 when one is already open (it is raised instead, its
    // provider unchanged) or the provider is empty; `onClosed` is kept only when a window was
    // opened.
    int OpenPreview(PageInputsProvider provider, QWidget* owner = nullptr,
                    std::function<void()> onClosed = {}) override;

    // True from OpenPreview until the preview window is closed and destroyed.
    bool previewOpen() const override { return !frame_.isNull(); }
    CMainFrame* previewWindow() const { return frame_.data(); }
    // Brings the open preview to the front with the focus (no-op without one).
    void raisePreview() override;
    // Repaints the open preview (no-op without one).
    void refreshPreview() override;
    // Closes the open preview (no-op without one).
    void closePreview() override;

  private:
    QPointer<CMainFrame> frame_;
    PrintDialogRunner runner_;
    PreviewMenuEntries moreEntries_;
};

}  // namespace hm
