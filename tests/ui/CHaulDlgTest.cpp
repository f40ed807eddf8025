#include "mainwindow/CHaulDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "app/CHaulApp.h"
#include "app/DemoEcu.h"
#include "dialogs/CAboutDlg.h"
#include "ecu/EcuLink.h"
#include "ecu/SerialLinkPort.h"
#include "fleetdata/DataFile.h"
#include "histogram/CHistogramCtrl.h"
#include "resources/Strings.h"
#include "tests/support/CHaulDlgTestPeer.h"
#include "tests/support/FakeDevices.h"
#include "tests/support/SessionTestPeer.h"
#include "tests/support/TestSupport.h"
#include "tests/support/window/ScriptedFileUi.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/Icons.h"
#include "widgets/UiText.h"

namespace {

using hm::CHaulDlg;

hm::ecu::EcuLink* linkOf(CHaulDlg& dialog) {
    return hmtest::peer(dialog.session()).link();
}

const CHaulDlg::ControlId kAllButtons[] = {
    CHaulDlg::ControlId::Load,  CHaulDlg::ControlId::Save,      CHaulDlg::ControlId::Reload,
    CHaulDlg::ControlId::Erase, CHaulDlg::ControlId::Stability, CHaulDlg::ControlId::Information,
    CHaulDlg::ControlId::Print, CHaulDlg::ControlId::Next,      CHaulDlg::ControlId::Previous,
    CHaulDlg::ControlId::Close};

std::set<CHaulDlg::ControlId> enabledButtons(const CHaulDlg& d) {
    std::set<CHaulDlg::ControlId> on;
    for (CHaulDlg::ControlId id : kAllButtons) {
        if (d.control(id)->isEnabled()) {
            on.insert(id);
        }
    }
    return on;
}

hm::FleetDataImage validImage() {
    hm::FleetDataImage image;
    image.clear();
    std::memcpy(image.signature, hm::kSignature, sizeof(hm::kSignature));
    image.blockSize = hm::kImageSize;
    return image;
}

void writeImage(const std::filesystem::path& path, const hm::FleetDataImage& image) {
    std::string error;
    ASSERT_TRUE(hm::writeDataFile(path, image, error)) << error;
}

class MainDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        CHaulDlg::Options options;
        options.session.settingsPath = (dir / "haulmetry.ini").string();
        dialog = std::make_unique<CHaulDlg>(options);
        hmtest::scriptAnswers(*dialog);
        dialog->histogram()->setBuildUpPauses(0, 0);
        dialog->show();
    }

    QString text(CHaulDlg::ControlId id) const { return dialog->fieldText(id); }

    void loadFile(const std::filesystem::path& path) {
        hmtest::scriptAnswers(*dialog).setNextOpenPath(path.string());
        dialog->onLoad();
        dialog->histogram()->finishBuildUp();
    }

    hmtest::TempDir dir;
    std::unique_ptr<CHaulDlg> dialog;
};

TEST_F(MainDialog, StartsWithOnlyLoadAndCloseAndTheNoDataTitle) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ No Data Loaded ]"));
    EXPECT_EQ(enabledButtons(*dialog), (std::set<CHaulDlg::ControlId>{CHaulDlg::ControlId::Load,
                                                                      CHaulDlg::ControlId::Close}));
    EXPECT_EQ(text(CHaulDlg::ControlId::EcuType), QStringLiteral("---"));
    EXPECT_FALSE(hmtest::peer(*dialog).linkTimerActive());
    // Fixed size of 461 x 263 dialog units in the font's base units.
    const hm::DialogUnits units = hm::DialogUnits::layoutUnits();
    const hm::DialogBaseUnits b{units.baseX(), units.baseY()};
    EXPECT_EQ(dialog->size(), QSize(hm::mulDivRound(461, b.x, 4), hm::mulDivRound(263, b.y, 8)));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    // Button geometry, tooltip and darkened resting icon.
    hm::CButtonST* load = dialog->button(CHaulDlg::ControlId::Load);
    EXPECT_EQ(load->geometry().topLeft(),
              QPoint(hm::mulDivRound(417, b.x, 4), hm::mulDivRound(139, b.y, 8)));
    EXPECT_EQ(load->tipText(), QStringLiteral("Load Haulmetry Data From File"));
    ASSERT_FALSE(load->restingIcon().isNull());
    EXPECT_NE(load->restingIcon().toImage(), load->activeIcon().toImage());
    EXPECT_EQ(dialog->button(CHaulDlg::ControlId::Stability)->tipText(),
              QStringLiteral("View and Print Stability Data"));
    // The histogram sits on the placeholder rectangle.
    EXPECT_EQ(dialog->histogram()->geometry().topLeft(),
              QPoint(hm::mulDivRound(49, b.x, 4), hm::mulDivRound(45, b.y, 8)));
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::ScaleText)->isVisibleTo(dialog.get()));
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::LeftDistance)->isVisibleTo(dialog.get()));
    EXPECT_EQ(dialog->histogram()->cursor().shape(), Qt::WaitCursor);
}

TEST_F(MainDialog, ValidLoadShowsGraphOneAndSteppingStopsAtTheEnds) {
    hm::FleetDataImage image = validImage();
    image.brakeTimeByPressure[0] = 250;
    image.brakeCountByPressure[0] = 2;
    image.slpBrakeAppsByDistance[hm::kEntry29] = 30;
    writeImage(dir / "truck.asc", image);
    dialog->session().ecuType("B337", hm::ecu::SupportLevel::FleetAndRecords);
    loadFile(dir / "truck.asc");

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ File: truck.asc ]"));
    EXPECT_EQ(dialog->session().graphRecord().selectedGraph, 1);
    EXPECT_EQ(text(CHaulDlg::ControlId::EcuType), QStringLiteral("---"));
    EXPECT_EQ(hmtest::peer(*dialog).pageInputs().ecuType,
              "");  // a file does not say which ECU wrote it
    EXPECT_EQ(text(CHaulDlg::ControlId::GraphTitle), hm::uiText(203));
    EXPECT_EQ(text(CHaulDlg::ControlId::TopValue), QStringLiteral("1.25"));
    EXPECT_EQ(text(CHaulDlg::ControlId::BottomValue), QStringLiteral("0.00"));
    EXPECT_EQ(text(CHaulDlg::ControlId::VerticalUnit), QStringLiteral("(Sec)"));
    EXPECT_EQ(
        enabledButtons(*dialog),
        (std::set<CHaulDlg::ControlId>{CHaulDlg::ControlId::Load, CHaulDlg::ControlId::Stability,
                                       CHaulDlg::ControlId::Information, CHaulDlg::ControlId::Print,
                                       CHaulDlg::ControlId::Next, CHaulDlg::ControlId::Close}));
    EXPECT_EQ(dialog->histogram()->tipText(0), QStringLiteral("1.25"));
    EXPECT_FALSE(dialog->histogram()->busy());

    for (int n = 2; n <= 10; ++n) {
        dialog->onNext();
    }
    EXPECT_EQ(dialog->session().graphRecord().selectedGraph, 10);
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Next)->isEnabled());
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Previous)->isEnabled());
    dialog->onNext();  // disabled at the end: nothing changes
    EXPECT_EQ(dialog->session().graphRecord().selectedGraph, 10);

    while (dialog->session().graphRecord().selectedGraph > 6) {
        dialog->onPrevious();
    }
    dialog->histogram()->finishBuildUp();
    // Graph 6: stacked bars, distance labels instead of the scale text.
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::ScaleText)->isVisibleTo(dialog.get()));
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::RightDistance)->isVisibleTo(dialog.get()));
    EXPECT_EQ(text(CHaulDlg::ControlId::LeftDistance), QStringLiteral("1000"));
    EXPECT_EQ(text(CHaulDlg::ControlId::RightDistance), QStringLiteral("15000"));
    EXPECT_EQ(dialog->histogram()->tipCount(), 28);
    EXPECT_EQ(dialog->session().shownIntervalCount(), 30u);
    // An ECU operation that starts now fills the image: the file's name goes with the file.
    EXPECT_EQ(dialog->session().loadedFileName(), "truck.asc");
    dialog->session().operationStarted(hm::ecu::LinkOperation::Download, 42);
    EXPECT_EQ(dialog->session().loadedFileName(), "");
    EXPECT_EQ(hmtest::peer(*dialog).pageInputs().loadedFileName, "");

    // While it runs no graph is shown, and a step is refused as its buttons are.
    const int selected = dialog->session().graphRecord().selectedGraph;
    dialog->onPrevious();
    EXPECT_EQ(dialog->session().graphRecord().selectedGraph, selected);
    EXPECT_EQ(dialog->session().graphRecord().shownGraph, 0);
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Previous)->isEnabled());
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::ScaleText)->isVisibleTo(dialog.get()));
}

TEST_F(MainDialog, StabilityOnlyAndInvalidFiles) {
    writeImage(dir / "records.asc", validImage());
    loadFile(dir / "records.asc");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ File: records.asc ]"));
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Stability)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Print)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Information)->isEnabled());
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Load)->isEnabled());

    hmtest::writeFileText(dir / "junk.asc", "not a data file");
    loadFile(dir / "junk.asc");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ ***  File Error  *** ]"));
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Load)->isEnabled());

    // Cancelling the dialog changes nothing.
    dialog->onLoad();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ ***  File Error  *** ]"));
    // The load and save tooltips now name the data directory.
    EXPECT_TRUE(
        dialog->button(CHaulDlg::ControlId::Load)->tipText().startsWith("Load from Dir - "));
    EXPECT_TRUE(dialog->button(CHaulDlg::ControlId::Save)->tipText().startsWith("Save To Dir - "));
}

TEST_F(MainDialog, ProgressHidesTheTitleAndItsEndShowsAndSelectsGraphOne) {
    dialog->session().selectGraph(6);
    dialog->session().operationStarted(hm::ecu::LinkOperation::Download, 3);
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::GraphTitle)->isVisibleTo(dialog.get()));
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Progress)->isVisibleTo(dialog.get()));
    EXPECT_EQ(text(CHaulDlg::ControlId::GraphTitle), QStringLiteral(" "));
    for (int i = 0; i < 3; ++i) {
        dialog->session().operationStep(hm::ecu::StepKind::RecordRead);
    }
    EXPECT_EQ(static_cast<QProgressBar*>(dialog->control(CHaulDlg::ControlId::Progress))->value(),
              3);
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Progress)->isVisibleTo(dialog.get()));
    dialog->session().operationStep(hm::ecu::StepKind::RecordRead);  // past the end
    dialog->histogram()->finishBuildUp();
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Progress)->isVisibleTo(dialog.get()));
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::GraphTitle)->isVisibleTo(dialog.get()));
    EXPECT_EQ(text(CHaulDlg::ControlId::GraphTitle), hm::uiText(203));
    // The graph shown is the selected one, so next, previous and information start from it.
    EXPECT_EQ(dialog->session().graphRecord().selectedGraph, 1);
    EXPECT_EQ(dialog->histogram()->tipCount(), 16);
    EXPECT_EQ(dialog->session().graphRecord().shownGraph, 1);
}

TEST_F(MainDialog, LoadIsOffWhileTheOpenFileDialogIsUp) {
    dialog->fileUi().answerWith(nullptr);
    bool loadWasEnabled = true;
    QString shownTitle;
    QTimer::singleShot(200, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        loadWasEnabled = dialog->control(CHaulDlg::ControlId::Load)->isEnabled();
        if (modal != nullptr) {
            shownTitle = modal->windowTitle();
            static_cast<QDialog*>(modal)->reject();
        }
    });
    dialog->onLoad();
    EXPECT_FALSE(loadWasEnabled);
    EXPECT_EQ(shownTitle, QStringLiteral("Open File"));
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Load)->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ No Data Loaded ]"));
}

TEST_F(MainDialog, EnterDoesNotEndTheDialogEscapeDoes) {
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    QTest::keyClick(dialog.get(), Qt::Key_Enter);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(MainDialog, WorkingOfflinePutsTheLampOutAndTheAboutBoxShowsTheVersion) {
    dialog->session().probing(hm::ecu::PortAttempt{});
    const QImage yellow = dialog->button(CHaulDlg::ControlId::Status)->activeIcon().toImage();
    dialog->session().workingOffline();
    EXPECT_EQ(dialog->button(CHaulDlg::ControlId::Status)->tipText(),
              QStringLiteral("Working Offline"));
    const QImage now = dialog->button(CHaulDlg::ControlId::Status)->activeIcon().toImage();
    EXPECT_NE(now, yellow);
    EXPECT_EQ(now, hm::iconPixmap(127, dialog->devicePixelRatioF()).toImage());

    hm::CAboutDlg about(dialog.get());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Haulmetry"));
    auto* version = about.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Haulmetry Version 2.3"));
    auto* licence = about.findChild<QLabel*>(QStringLiteral("licence"));
    ASSERT_NE(licence, nullptr);
    EXPECT_TRUE(licence->text().contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_GE(version->width(), version->fontMetrics().horizontalAdvance(version->text()));
    auto* ok = about.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
}

TEST(GuiOptions, ParsesPortsDemoKeyAndFileAndRejectsBadArguments) {
    using Args = std::vector<std::string>;
    hm::GuiOptions o;
    std::string error;
    ASSERT_TRUE(hm::parseGuiOptions({"--demo", "--port", "/dev/a", "--port", "/dev/b", "--key",
                                     "3,7,11", "--trace", "t\xe9.txt", "caf\xe9.asc"},
                                    o, error));
    EXPECT_TRUE(o.demo);
    EXPECT_EQ(o.ports, (std::vector<std::string>{"/dev/a", "/dev/b"}));
    EXPECT_EQ(o.keys.rotate, 3);
    EXPECT_EQ(o.keys.divisor, 11);
    EXPECT_EQ(o.file, "caf\xe9.asc");  // raw bytes, as the file system names it
    EXPECT_EQ(o.traceFile, "t\xe9.txt");
    hm::GuiOptions dashed;
    ASSERT_TRUE(hm::parseGuiOptions({"--", "--demo"}, dashed, error));
    EXPECT_EQ(dashed.file, "--demo");
    EXPECT_FALSE(dashed.demo);
    for (const Args& bad :
         {Args{"--port"}, Args{"--key", "1,2,0"}, Args{"--bogus"}, Args{"--port", ""},
          Args{"a.asc", "b.asc"}, Args{""}, Args{"--trace"}, Args{"--trace", ""}}) {
        hm::GuiOptions x;
        error.clear();
        EXPECT_FALSE(hm::parseGuiOptions(bad, x, error)) << bad.size();
        EXPECT_FALSE(error.empty());
    }
}

TEST_F(MainDialog, PrintDoesNothingWhileAPreviewIsOpen) {
    hmtest::peer(*dialog).setPrintPageKind(hm::PageKind::Stability);
    ASSERT_EQ(hmtest::peer(*dialog).preview().OpenPreview(
                  [this] { return hmtest::peer(*dialog).pageInputs(); }),
              1);
    dialog->onPrint();
    EXPECT_EQ(hmtest::peer(*dialog).printPageKind(), hm::PageKind::Stability);
}

// The whole road over a pseudo-terminal: the virtual ECU answers, the download fills the image
// and shows graph 1; close asks the ECU to stop the session first and ends when it answers.
class MainDialogWithEcu : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ecu.start(hm::ecu::kDefaultKeyConstants)) << ecu.error();
        hm::ecu::PortEntry entry;
        entry.number = 7;
        entry.path = ecu.devicePath();
        port = std::make_unique<hm::ecu::SerialLinkPort>(std::vector<hm::ecu::PortEntry>{entry});
        CHaulDlg::Options options;
        options.session.port = port.get();
        options.session.byIdNames = {"usb-demo-adapter"};
        dialog = std::make_unique<CHaulDlg>(options);
        hmtest::scriptAnswers(*dialog);
        dialog->histogram()->setBuildUpPauses(0, 0);
        dialog->show();
    }
    void TearDown() override {
        dialog.reset();
        port.reset();
        ecu.stop();
    }

    void waitForDownload() {
        QTRY_VERIFY_WITH_TIMEOUT(dialog->windowTitle().endsWith(QStringLiteral("[ ECU Data ]")),
                                 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->histogram()->buildingUp(), 5000);
    }

    hm::DemoEcu ecu;
    std::unique_ptr<hm::ecu::SerialLinkPort> port;
    std::unique_ptr<CHaulDlg> dialog;
};

TEST_F(MainDialogWithEcu, DownloadEnablesTheButtonsAndCloseWaitsForTheEcu) {
    EXPECT_TRUE(hmtest::peer(*dialog).linkTimerActive());
    waitForDownload();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ ECU Data ]"));
    EXPECT_EQ(dialog->session().graphRecord().selectedGraph, 1);
    EXPECT_EQ(enabledButtons(*dialog),
              (std::set<CHaulDlg::ControlId>{
                  CHaulDlg::ControlId::Load, CHaulDlg::ControlId::Save, CHaulDlg::ControlId::Reload,
                  CHaulDlg::ControlId::Erase, CHaulDlg::ControlId::Stability,
                  CHaulDlg::ControlId::Information, CHaulDlg::ControlId::Print,
                  CHaulDlg::ControlId::Next, CHaulDlg::ControlId::Close}));
    EXPECT_NE(dialog->fieldText(CHaulDlg::ControlId::EcuType), QStringLiteral("---"));
    // The report's cover names the type the window shows.
    EXPECT_EQ(QString::fromStdString(hmtest::peer(*dialog).pageInputs().ecuType),
              dialog->fieldText(CHaulDlg::ControlId::EcuType));
    const QString tip = dialog->button(CHaulDlg::ControlId::Status)->tipText();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("COM 7"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QString::fromStdString(ecu.devicePath())));
    EXPECT_TRUE(tip.contains(QStringLiteral("usb-demo-adapter")));
    EXPECT_TRUE(dialog->session().image().hasFleetData());

    // Reload: blank graph and the download buttons off until the ECU has answered again.
    dialog->onReload();
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Save)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Next)->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ ... ]"));
    QTRY_VERIFY_WITH_TIMEOUT(dialog->control(CHaulDlg::ControlId::Save)->isEnabled(), 30000);

    // Escape is the close operation: with a link it only asks the ECU to stop the session.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(linkOf(*dialog)->closeRequested());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 10000);
}

TEST_F(MainDialogWithEcu, LostConnectionBlanksTheGraphAndTheNextAttemptDisablesTheEcuButtons) {
    waitForDownload();
    ecu.stop();  // the ECU goes silent (the device disappears)
    dialog->onReload();
    // No answer: after the response time-out the connection is given up.
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->control(CHaulDlg::ControlId::Stability)->isEnabled(), 15000);
    // While the download runs nothing may load a file into the image.
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Load)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!linkOf(*dialog)->linked(), 15000);
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Next)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Print)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Information)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Save)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Erase)->isEnabled());
    EXPECT_FALSE(dialog->control(CHaulDlg::ControlId::Reload)->isEnabled());
    EXPECT_TRUE(dialog->control(CHaulDlg::ControlId::Load)->isEnabled());
    EXPECT_EQ(dialog->fieldText(CHaulDlg::ControlId::GraphTitle), QStringLiteral(" "));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Haulmetry [ No Data Loaded ]"));
    // Without a link, close ends the dialog at once.
    dialog->onClose();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(MainDialogWithEcu, SecondCloseEndsAtOnce) {
    waitForDownload();
    dialog->onClose();
    EXPECT_TRUE(dialog->isVisible());
    dialog->onClose();
    EXPECT_FALSE(dialog->isVisible());
}

// A burst of device events (400 links made in 8 spurts, as udev makes them with a hub full of
// adapters) costs one or two refreshes of the port table, each told only the names that
// appeared, instead of one whole rescan per spurt.
TEST(MainDialogDevices, ABurstOfDeviceEventsIsOneRefreshOfTheNamesThatAppeared) {
    hmtest::FakeDevices fake;
    hm::ecu::SerialLinkPort port(std::vector<hm::ecu::PortEntry>{});
    std::vector<hm::ecu::PortChanges> refreshes;
    CHaulDlg::Options options;
    options.session.port = &port;
    options.session.startTicks = false;
    options.watchDevices = fake.config;
    options.session.refreshPorts = [&](const hm::ecu::PortChanges& changes) {
        refreshes.push_back(changes);
        return std::vector<std::string>{};
    };
    CHaulDlg dialog(options);
    std::set<std::string> made;
    for (int spurt = 0; spurt < 8; ++spurt) {
        for (int i = 0; i < 50; ++i) {
            const std::string name = "ttyACM" + std::to_string(spurt * 50 + i);
            fake.device(name, "/nonexistent");
            made.insert(name);
        }
        QTest::qWait(10);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!refreshes.empty(), 5000);
    QTest::qWait(2 * CHaulDlg::kPortRefreshDelayMs);
    EXPECT_LE(refreshes.size(), 2u);
    std::set<std::string> seen;
    for (const hm::ecu::PortChanges& changes : refreshes) {
        EXPECT_FALSE(changes.everything);
        seen.insert(changes.devices.begin(), changes.devices.end());
    }
    EXPECT_EQ(seen, made);
}

}  // namespace
