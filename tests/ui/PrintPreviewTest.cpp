// The print preview window: one at a time, title and menu, repaint from the current state,
// Ctrl+P through the (injected) print dialog to exactly one printed page.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <cstring>

#include "print/CMainFrame.h"
#include "print/CPrintGraphApp.h"
#include "print/core/PreviewFrameGeometry.h"
#include "tests/support/TestSupport.h"

namespace hm {
namespace {

int countPreviewFrames() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<CMainFrame*>(w) != nullptr) {
            ++n;
        }
    }
    return n;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The state a main dialog would hand over: image, graph record, page kind.
struct FakeDialogState {
    FakeDialogState() {
        image.clear();
        std::strcpy(image.vehicleIdent, "VIN0042");
        graph.selectedGraph = graph.shownGraph = 1;
        graph.maximum = 100.0f;
        graph.valueFormat = "%2.0f";
        graph.barValues[0] = 100.0f;
    }
    PageInputsProvider provider() {
        return [this] {
            ++calls;
            return PageInputs{image, graph, printPageKind, selectedRecord, "trip.asc", 0};
        };
    }
    FleetDataImage image{};
    GraphDisplayRecord graph;
    PageKind printPageKind = PageKind::Graph;
    int selectedRecord = 0;
    int calls = 0;
};

class PrintPreviewTest : public ::testing::Test {
  protected:
    void TearDown() override {
        app.closePreview();
        flushDeletes();
    }
    FakeDialogState state;
    // What the print entries ask; a test sets it before printing (none: cancelled).
    PrintDialogRunner printDialog;
    CPrintGraphApp app{[this](QPrinter& printer, QWidget* parent) {
        return printDialog && printDialog(printer, parent);
    }};
};

TEST_F(PrintPreviewTest, AtMostOnePreviewAndAFreshOneAfterClosing) {
    EXPECT_FALSE(app.previewOpen());
    int callerFlag = 0;
    EXPECT_EQ(app.OpenPreview(state.provider(), nullptr, [&] { callerFlag = 0; }), 1);
    callerFlag = 1;
    EXPECT_TRUE(app.previewOpen());
    CMainFrame* first = app.previewWindow();
    EXPECT_EQ(app.OpenPreview(state.provider(), nullptr, [&] { callerFlag = 7; }), 0);
    EXPECT_EQ(countPreviewFrames(), 1);
    EXPECT_EQ(app.previewWindow(), first);

    first->close();
    flushDeletes();
    EXPECT_FALSE(app.previewOpen());
    EXPECT_EQ(callerFlag, 0);
    EXPECT_EQ(countPreviewFrames(), 0);
    EXPECT_EQ(app.OpenPreview(state.provider()), 1);
    EXPECT_EQ(countPreviewFrames(), 1);
}

TEST_F(PrintPreviewTest, PreviewGoesWithItsOwner) {
    auto* owner = new QWidget;
    app.OpenPreview(state.provider(), owner);
    EXPECT_TRUE(app.previewOpen());
    // Not a child of the owner: a window-modal dialog on the owner must not block it.
    EXPECT_EQ(app.previewWindow()->parentWidget(), nullptr);
    delete owner;
    EXPECT_FALSE(app.previewOpen());
}

TEST_F(PrintPreviewTest, TitleMenuAndPlacement) {
    app.OpenPreview(state.provider());
    CMainFrame* frame = app.previewWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral(" Print Preview"));
    EXPECT_FALSE(frame->windowIcon().isNull());
    const auto menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&View"));
    EXPECT_EQ(frame->printAction()->text(), QStringLiteral("&Print...\tCtrl+P"));
    EXPECT_EQ(frame->printAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const PreviewFrameGeometry g = previewFrameGeometry(area.width(), area.height());
    EXPECT_EQ(frame->size(), QSize(g.width, g.height));
}

// Pixel of the preview at page point (x, y) in 0.1 mm, y upward.
QColor pagePixel(const QImage& image, CPrintGraphView* view, int x, int y) {
    const QPoint origin = view->pageRect().topLeft();
    return image.pixelColor(origin.x() + qRound(x * view->logicalDpiX() / 254.0),
                            origin.y() + qRound(-y * view->logicalDpiY() / 254.0));
}

TEST_F(PrintPreviewTest, EveryPaintDrawsTheCurrentState) {
    app.OpenPreview(state.provider());
    CPrintGraphView* view = app.previewWindow()->view();
    // Inside the first bar (x 132..206, y -501..-1270) of a graph page.
    QImage before = view->grab().toImage();
    EXPECT_EQ(pagePixel(before, view, 170, -900), QColor(192, 192, 192));
    const int callsBefore = state.calls;

    state.graph.shownGraph = state.graph.selectedGraph =
        0;  // the main dialog shows the blank graph
    QImage after = view->grab().toImage();
    EXPECT_GT(state.calls, callsBefore);
    EXPECT_EQ(pagePixel(after, view, 170, -900), QColor(224, 224, 224));
}

TEST_F(PrintPreviewTest, CtrlPRunsThePrintDialogAndPrintsOnePage) {
    hmtest::TempDir dir;
    const QString pdf = QString::fromStdString((dir / "printed.pdf").string());
    int dialogs = 0;
    printDialog = ([&](QPrinter& printer, QWidget*) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    app.OpenPreview(state.provider());
    CMainFrame* frame = app.previewWindow();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs, 1);

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page/") + bytes.count("/Type /Page "),
              1);
}

TEST_F(PrintPreviewTest, CancelledPrintDialogPrintsNothing) {
    int dialogs = 0;
    printDialog = ([&](QPrinter&, QWidget*) {
        ++dialogs;
        return false;
    });
    app.OpenPreview(state.provider());
    const int calls = state.calls;
    EXPECT_FALSE(app.previewWindow()->view()->print());
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(state.calls, calls);  // the page was not drawn for a printer
}

}  // namespace
}  // namespace hm
