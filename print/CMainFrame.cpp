#include "print/CMainFrame.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QSvgRenderer>
#include <cmath>

#include "print/PrintResources.h"
#include "print/core/PreviewFrameGeometry.h"
#include "resources/Strings.h"
#include "widgets/UiText.h"

namespace hm {

namespace {

QIcon frameIcon() {
    ensurePrintResources();
    QIcon icon;
    QSvgRenderer renderer(QStringLiteral(":/print/frame_icon.svg"));
    if (!renderer.isValid()) {
        return icon;
    }
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

CMainFrame::CMainFrame(PageInputsProvider provider, PrintDialogRunner runner,
                       const PreviewMenuEntries& moreEntries, QWidget* parent)
    : QMainWindow(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(uiText(sid::kPrintPreviewTitle));
    setWindowIcon(frameIcon());

    QMenu* file = menuBar()->addMenu(tr("&File"));
    printAction_ = file->addAction(tr("&Print...\tCtrl+P"));
    printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printAction_->setShortcutContext(Qt::WindowShortcut);

    view_ = new CPrintGraphView(std::move(provider), std::move(runner));
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setWidgetResizable(true);
    scroll_->setBackgroundRole(QPalette::Dark);
    setCentralWidget(scroll_);
    view_->setMinimumSize(view_->sizeHint());
    view_->setFocus();
    connect(printAction_, &QAction::triggered, view_, &CPrintGraphView::print);
    if (moreEntries) {
        moreEntries(file, view_, this);
    }
    file->addSeparator();
    QAction* close =
        addMenuAction(file, tr("&Close\tCtrl+W"),
                      {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addViewMenu();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const PreviewFrameGeometry g = previewFrameGeometry(area.width(), area.height());
        resize(g.width, g.height);
        move(area.x() + g.x, area.y() + g.y);
    }
}

QAction* CMainFrame::addMenuAction(QMenu* menu, const QString& text,
                                   const QList<QKeySequence>& keys) {
    QAction* action = menu->addAction(text);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// View: zoom in and out a step at a time, or to the width of the window; the zoom shows in the
// status bar.
void CMainFrame::addViewMenu() {
    QMenu* view = menuBar()->addMenu(tr("&View"));
    connect(addMenuAction(
                view, tr("Zoom &In\tCtrl++"),
                {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
            &QAction::triggered, view_, &CPrintGraphView::zoomIn);
    connect(addMenuAction(view, tr("Zoom &Out\tCtrl+-"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}),
            &QAction::triggered, view_, &CPrintGraphView::zoomOut);
    connect(addMenuAction(view, tr("Fit &Width\tCtrl+0"), {QKeySequence(Qt::CTRL | Qt::Key_0)}),
            &QAction::triggered, this, [this] { view_->fitWidth(scroll_->viewport()->width()); });

    auto* zoomLabel = new QLabel(this);
    zoomLabel->setObjectName(QStringLiteral("zoom"));
    statusBar()->addPermanentWidget(zoomLabel);
    statusBar()->setAccessibleName(uiText(sid::kA11yZoom));
    auto showZoom = [zoomLabel](double zoom) {
        zoomLabel->setText(tr("Zoom %1 %").arg(std::lround(zoom * 100)));
    };
    connect(view_, &CPrintGraphView::zoomChanged, zoomLabel, showZoom);
    showZoom(view_->zoom());
}

}  // namespace hm
