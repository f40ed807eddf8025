// The main dialog's print button and the record-button entry point opening the print preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cstring>

#include "fleetdata/DataFile.h"
#include "histogram/CHistogramCtrl.h"
#include "mainwindow/CHaulDlg.h"
#include "print/CMainFrame.h"
#include "print/CPrintGraphApp.h"
#include "tests/support/CHaulDlgTestPeer.h"
#include "tests/support/TestSupport.h"
#include "tests/support/window/ScriptedFileUi.h"

namespace hm {
namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class MainDialogPrint : public ::testing::Test {
  protected:
    void SetUp() override {
        FleetDataImage image;
        image.clear();
        std::memcpy(image.signature, kSignature, sizeof(kSignature));
        image.blockSize = kImageSize;
        for (int i = 0; i < 16; ++i) {
            image.brakeCountByPressure[i] = 10 * (i + 1);
            image.brakeTimeByPressure[i] = 300 * (i + 1);
        }
        image.stabilityRecords[4].voltage = 120;
        image.stabilityRecordCount = 5;
        std::string error;
        ASSERT_TRUE(writeDataFile(dir / "trip.asc", image, error)) << error;

        CHaulDlg::Options options;
        options.session.startTicks = false;
        dialog = std::make_unique<CHaulDlg>(options);
        hmtest::scriptAnswers(*dialog);
        dialog->histogram()->setBuildUpPauses(0, 0);
        dialog->show();
        hmtest::scriptAnswers(*dialog).setNextOpenPath((dir / "trip.asc").string());
        dialog->onLoad();
        dialog->histogram()->finishBuildUp();
        ASSERT_EQ(dialog->session().graphRecord().selectedGraph, 1);
    }
    void TearDown() override {
        dialog.reset();
        flushDeletes();
    }

    hmtest::TempDir dir;
    std::unique_ptr<CHaulDlg> dialog;
};

TEST_F(MainDialogPrint, PrintButtonOpensOnePreviewThatFollowsTheShownGraph) {
    CPrintGraphApp& app = hmtest::peer(*dialog).preview();
    dialog->onPrint();
    ASSERT_TRUE(app.previewOpen());
    EXPECT_TRUE(hmtest::peer(*dialog).preview().previewOpen());
    EXPECT_EQ(hmtest::peer(*dialog).printPageKind(), PageKind::Graph);
    CMainFrame* frame = app.previewWindow();
    dialog->onPrint();
    EXPECT_EQ(app.previewWindow(), frame);

    const QImage graph1 = frame->view()->grab().toImage();
    dialog->onNext();
    const QImage graph2 = frame->view()->grab().toImage();
    EXPECT_NE(graph1, graph2);
    EXPECT_EQ(hmtest::peer(*dialog).pageInputs().graph.shownGraph, 2);
    EXPECT_EQ(hmtest::peer(*dialog).pageInputs().loadedFileName, "trip.asc");

    frame->close();
    flushDeletes();
    EXPECT_FALSE(app.previewOpen());
    EXPECT_FALSE(hmtest::peer(*dialog).preview().previewOpen());
    dialog->onPrint();
    EXPECT_TRUE(app.previewOpen());
    EXPECT_NE(app.previewWindow(), nullptr);
}

TEST_F(MainDialogPrint, RecordButtonOpensTheStabilityPageUnlessAPreviewIsOpen) {
    dialog->printStabilityRecord(5);
    EXPECT_TRUE(hmtest::peer(*dialog).preview().previewOpen());
    EXPECT_EQ(hmtest::peer(*dialog).printPageKind(), PageKind::Stability);
    EXPECT_EQ(hmtest::peer(*dialog).selectedRecord(), 4);
    // Stepping graphs leaves the stability page; another request is dropped.
    dialog->onNext();
    dialog->printStabilityRecord(2);
    dialog->onPrint();
    EXPECT_EQ(hmtest::peer(*dialog).printPageKind(), PageKind::Stability);
    EXPECT_EQ(hmtest::peer(*dialog).selectedRecord(), 4);
}

TEST_F(MainDialogPrint, ClosingTheMainDialogTakesThePreviewWithIt) {
    dialog->onPrint();
    ASSERT_TRUE(hmtest::peer(*dialog).preview().previewOpen());
    QPointer<CMainFrame> frame = hmtest::peer(*dialog).preview().previewWindow();
    ASSERT_FALSE(frame.isNull());
    dialog.reset();
    EXPECT_TRUE(frame.isNull());
}

}  // namespace
}  // namespace hm
