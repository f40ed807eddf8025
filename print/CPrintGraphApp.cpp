#include "print/CPrintGraphApp.h"

#include <QPrintDialog>
#include <QPrinter>

#include "print/CMainFrame.h"

namespace hm {

CPrintGraphApp& CPrintGraphApp::instance() {
    static CPrintGraphApp app;
    return app;
}

int CPrintGraphApp::OpenPreview(PageInputsProvider provider, QWidget* owner) {
    if (frame_) {
        frame_->raise();
        frame_->activateWindow();
        return 0;
    }
    if (!provider) {
        return 0;
    }
    // No parent: a window-modal dialog on the owner (the stability dialog) would otherwise block
    // the preview too. The owner's destruction still takes the preview with it.
    frame_ = new CMainFrame(std::move(provider));
    if (owner) {
        CMainFrame* frame = frame_.data();
        QObject::connect(owner, &QObject::destroyed, frame, [frame] { delete frame; });
    }
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
    frame_->repaint();
    return 1;
}

void CPrintGraphApp::refreshPreview() {
    if (frame_) {
        frame_->view()->update();
    }
}

void CPrintGraphApp::closePreview() {
    if (frame_) {
        delete frame_.data();
    }
}

bool CPrintGraphApp::runPrintDialog(QPrinter& printer, QWidget* parent) const {
    if (runner_) {
        return runner_(printer, parent);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace hm
