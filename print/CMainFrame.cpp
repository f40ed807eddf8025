#include "print/CMainFrame.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QSvgRenderer>

#include "print/PrintResources.h"
#include "print/core/PreviewFrameGeometry.h"
#include "resources/Strings.h"

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
    setWindowTitle(QString::fromStdString(strCopy(sid::kPrintPreviewTitle)));
    setWindowIcon(frameIcon());

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    printAction_ = file->addAction(QStringLiteral("&Print...\tCtrl+P"));
    printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printAction_->setShortcutContext(Qt::WindowShortcut);

    view_ = new CPrintGraphView(std::move(provider), std::move(runner));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);
    setCentralWidget(scroll);
    view_->setMinimumSize(view_->sizeHint());
    connect(printAction_, &QAction::triggered, view_, &CPrintGraphView::print);
    if (moreEntries) {
        moreEntries(file, view_, this);
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const PreviewFrameGeometry g = previewFrameGeometry(area.width(), area.height());
        resize(g.width, g.height);
        move(area.x() + g.x, area.y() + g.y);
    }
}

}  // namespace hm
