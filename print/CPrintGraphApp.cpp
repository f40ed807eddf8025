#include "print/CPrintGraphApp.h"

#include "print/CMainFrame.h"

namespace hm {

int CPrintGraphApp::OpenPreview(PageInputsProvider provider, QWidget* owner,
                                std::function<void()> onClosed) {
    if (frame_) {
        raisePreview();
        return 0;
    }
    if (!provider) {
        return 0;
    }
    // No parent: a window-modal dialog on the owner (the stability dialog) would otherwise block
    // the preview too. The owner's destruction still takes the preview with it.
    frame_ = new CMainFrame(std::move(provider), runner_, moreEntries_);
    if (onClosed) {
        QObject::connect(frame_.data(), &QObject::destroyed,
                         [done = std::move(onClosed)] { done(); });
    }
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

void CPrintGraphApp::raisePreview() {
    if (frame_) {
        frame_->raise();
        frame_->activateWindow();
    }
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

}  // namespace hm
