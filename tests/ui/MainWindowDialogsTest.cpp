// The main window's erase, stability and information buttons end to end: the window with its
// 100 ms link timer on a pseudo-terminal to the virtual ECU, the dialogs answered as a user
// would while the window's event loop runs.
#include <gtest/gtest.h>

// Before any Qt header: the virtual ECU's memory has a member named like Qt's "slots" macro.
#include "ecusim/VirtualEcu.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>

#include "dialogs/CClrData.h"
#include "dialogs/CInfo.h"
#include "dialogs/CTable.h"
#include "ecu/EcuLink.h"
#include "ecu/SerialLinkPort.h"
#include "fleetdata/DataFile.h"
#include "mainwindow/CHaulDlg.h"
#include "print/CPrintGraphApp.h"
#include "session/DataFileController.h"
#include "support/CHaulDlgTestPeer.h"
#include "support/EcuLinkTestPeer.h"
#include "support/SessionTestPeer.h"
#include "support/TestSupport.h"
#include "tests/support/window/ScriptedFileUi.h"
#include "widgets/CButtonST.h"

using namespace hm;

namespace {

// Runs `act` on the first visible top-level window of type T, from the event loop of the modal
// run that shows it.
template <class T>
void whenShown(std::function<void(T&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(w);
            if (dialog != nullptr && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(*dialog);
                return;
            }
        }
    });
    timer->start();
}

ecu::EcuLink* linkOf(CHaulDlg& window) {
    return hmtest::peer(window.session()).link();
}

int enabledRecordButtons(const CTable& table) {
    int n = 0;
    for (int k = 0; k < kStabilitySlots; ++k) {
        n += table.button(k)->isEnabled() ? 1 : 0;
    }
    return n;
}

class MainWindowDialogsTest : public ::testing::Test {
  protected:
    std::unique_ptr<ecusim::VirtualEcu> ecu;
    std::unique_ptr<ecu::SerialLinkPort> port;
    std::unique_ptr<CHaulDlg> window;
    hmtest::TempDir dataDir;
    QString confirmation;  // the text of the erase confirmation

    // Starts a virtual ECU of type `ecuType` and makes the window with it as its only port.
    void makeWindow(const std::string& ecuType) {
        ecusim::EcuOptions options;
        options.identity.ecuType = ecuType;
        ecu = std::make_unique<ecusim::VirtualEcu>(options);
        ASSERT_TRUE(ecu->start()) << ecu->error();
        port = std::make_unique<ecu::SerialLinkPort>(
            std::vector<ecu::PortEntry>{{1, ecu->devicePath(), "", true}});
        CHaulDlg::Options o;
        o.session.port = port.get();
        window = std::make_unique<CHaulDlg>(o);
    }
    void start(const std::string& ecuType = "B337") {
        ASSERT_NO_FATAL_FAILURE(makeWindow(ecuType));
        hmtest::peer(window->session()).dataFileState().settings.dataDirectory =
            dataDir.path().string() + "/";
        window->show();
        ASSERT_TRUE(waitForRead(0));
        ASSERT_TRUE(window->windowTitle().endsWith(" [ ECU Data ]"));
    }
    void TearDown() override {
        window.reset();
        if (ecu) {
            ecu->stop();
        }
    }
    bool waitForRead(int completedBefore) {
        return QTest::qWaitFor(
            [&] { return hmtest::peer(*linkOf(*window)).completedReads() > completedBefore; },
            60000);
    }
    // Writes the saved data file dataDir/other.asc holding one brake count of `brakeCount`.
    void writeOtherFile(uint32_t brakeCount) {
        FleetDataImage file{};
        file.clear();
        file.brakeCountByPressure[0] = brakeCount;
        stampSavedImage(file, LocalTime{2026, 1, 1, 1, 1, 1, 1, 1});
        std::string error;
        ASSERT_TRUE(writeDataFile(dataDir / "other.asc", file, error)) << error;
    }
    CButtonST* button(CHaulDlg::ControlId id) { return window->button(id); }
    bool progressShown() { return window->control(CHaulDlg::ControlId::Progress)->isVisible(); }

    // Presses the erase button; in the dialog the user waits until the security access is
    // done (the link keeps ticking meanwhile), picks `entry` and confirms.
    void eraseThrough(int entry) {
        ecu::EcuLink* link = linkOf(*window);
        int shownEntries = -1;
        whenShown<CClrData>([&](CClrData& dialog) {
            shownEntries = dialog.entryList()->count();
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return !hmtest::peer(*link).isPending(ecu::Request::RequestSeed) &&
                           !hmtest::peer(*link).isPending(ecu::Request::SendKey) &&
                           !hmtest::peer(*link).isPending(ecu::Request::StartSession) &&
                           !hmtest::peer(*link).awaitingResponse();
                },
                10000));
            dialog.entryList()->setCurrentIndex(entry);
            // The confirmation that follows names the backup written before anything is erased.
            whenShown<QMessageBox>([&](QMessageBox& box) {
                confirmation = box.text();
                EXPECT_EQ(box.icon(), QMessageBox::NoIcon);  // a question, without an icon
                EXPECT_EQ(backups().size(), 1u);
                EXPECT_TRUE(hmtest::peer(*link).isPending(ecu::Request::ReadFleetBlock) ||
                            !hmtest::peer(*link).isPending(ecu::Request::EraseFleetBlock));
                box.button(QMessageBox::Yes)->click();
            });
            dialog.okButton()->click();
        });
        ASSERT_TRUE(button(CHaulDlg::ControlId::Erase)->isEnabled());
        button(CHaulDlg::ControlId::Erase)->click();
        EXPECT_EQ(shownEntries,
                  link->supportLevel() == hm::ecu::SupportLevel::FleetAndRecords ? 2 : 1);
        const std::vector<std::filesystem::path> saved = backups();
        ASSERT_EQ(saved.size(), 1u);
        EXPECT_TRUE(confirmation.contains(QString::fromStdString(saved[0].string())))
            << confirmation.toStdString();
    }
    std::vector<std::filesystem::path> backups() const {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(dataDir.path())) {
            files.push_back(entry.path());
        }
        return files;
    }
    // Opens the stability dialog from its button and returns how many record buttons it
    // enables (bars shown alike).
    int recordsInStabilityDialog() {
        int enabled = -1;
        whenShown<CTable>([&](CTable& table) {
            enabled = enabledRecordButtons(table);
            for (int k = 0; k < kStabilitySlots; ++k) {
                EXPECT_EQ(table.bar(k)->isVisible(), table.button(k)->isEnabled()) << k;
            }
            table.reject();
        });
        button(CHaulDlg::ControlId::Stability)->click();
        return enabled;
    }
};

}  // namespace

TEST_F(MainWindowDialogsTest, RecordEraseFromTheEraseButton) {
    ASSERT_NO_FATAL_FAILURE(start());
    const int reads = hmtest::peer(*linkOf(*window)).completedReads();
    ASSERT_GT(window->session().image().stabilityRecordCount, 0u);
    eraseThrough(1);

    // The ECU has not answered a single write yet: it still holds its snapshots.
    EXPECT_GT(ecusim::imageFromMemory(ecu->memory()).stabilityRecordCount, 0u);
    EXPECT_EQ(recordsInStabilityDialog(), 0);
    EXPECT_FALSE(button(CHaulDlg::ControlId::Erase)->isEnabled());
    EXPECT_TRUE(progressShown());
    EXPECT_EQ(window->session().view().progressTotal, 62);

    ASSERT_TRUE(waitForRead(reads));
    const uint32_t held = ecusim::imageFromMemory(ecu->memory()).stabilityRecordCount;
    EXPECT_EQ(held, 0u);
    EXPECT_EQ(recordsInStabilityDialog(), static_cast<int>(held));
    EXPECT_FALSE(progressShown());
    EXPECT_TRUE(window->control(CHaulDlg::ControlId::GraphTitle)->isVisible());
    EXPECT_TRUE(button(CHaulDlg::ControlId::Erase)->isEnabled());
    EXPECT_TRUE(window->windowTitle().endsWith(" [ ECU Data ]"));
}

TEST_F(MainWindowDialogsTest, FleetEraseFromTheEraseButtonLeavesZeroGraphs) {
    ASSERT_NO_FATAL_FAILURE(start());
    const int reads = hmtest::peer(*linkOf(*window)).completedReads();
    const uint32_t records = window->session().image().stabilityRecordCount;
    eraseThrough(0);
    EXPECT_FALSE(button(CHaulDlg::ControlId::Erase)->isEnabled());
    EXPECT_TRUE(progressShown());
    EXPECT_EQ(window->session().view().progressTotal, 52);

    ASSERT_TRUE(waitForRead(reads));
    EXPECT_FALSE(progressShown());
    EXPECT_TRUE(button(CHaulDlg::ControlId::Erase)->isEnabled());
    for (int graph = 1; graph <= kGraphCount; ++graph) {
        window->session().showGraph(graph);
        const GraphDisplayRecord& r = window->session().graphRecord();
        for (int bar = 0; bar < r.barCount; ++bar) {
            EXPECT_EQ(r.barValues[bar], 0.0f) << "graph " << graph << " bar " << bar;
            EXPECT_EQ(r.secondValues[bar], 0.0f) << "graph " << graph << " bar " << bar;
        }
    }
    EXPECT_EQ(recordsInStabilityDialog(), static_cast<int>(records));
}

TEST_F(MainWindowDialogsTest, StabilityOnlyEcuErasesRecordsFromItsOnlyEntry) {
    ASSERT_NO_FATAL_FAILURE(start("B330"));
    ASSERT_EQ(linkOf(*window)->supportLevel(), hm::ecu::SupportLevel::RecordsOnly);
    const int reads = hmtest::peer(*linkOf(*window)).completedReads();
    eraseThrough(0);
    EXPECT_EQ(window->session().image().stabilityRecordCount, 0u);
    EXPECT_EQ(window->session().view().progressTotal, 62);
    ASSERT_TRUE(waitForRead(reads));
    EXPECT_EQ(ecusim::imageFromMemory(ecu->memory()).stabilityRecordCount, 0u);
    EXPECT_TRUE(button(CHaulDlg::ControlId::Erase)->isEnabled());
}

TEST_F(MainWindowDialogsTest, AFailedBackupErasesNothingAndSaysWhy) {
    ASSERT_NO_FATAL_FAILURE(start());
    // The data folder has gone and the default folder cannot be made (a file blocks it).
    const std::string oldHome = qEnvironmentVariable("HOME").toStdString();
    hmtest::writeFileText(dataDir / "Documents", "not a folder");
    ::setenv("HOME", dataDir.path().c_str(), 1);
    hmtest::peer(window->session()).dataFileState().settings.dataDirectory =
        (dataDir / "gone").string() + "/";
    const uint32_t held = ecusim::imageFromMemory(ecu->memory()).stabilityRecordCount;
    QString message;
    whenShown<CClrData>([&](CClrData& dialog) {
        dialog.entryList()->setCurrentIndex(1);
        whenShown<QMessageBox>([&](QMessageBox& box) {
            message = box.text();
            box.button(QMessageBox::Ok)->click();
        });
        dialog.okButton()->click();
    });
    button(CHaulDlg::ControlId::Erase)->click();
    ::setenv("HOME", oldHome.c_str(), 1);
    EXPECT_TRUE(message.contains(QStringLiteral("Nothing was erased"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Not a directory"))) << message.toStdString();
    EXPECT_FALSE(progressShown());
    EXPECT_TRUE(button(CHaulDlg::ControlId::Erase)->isEnabled());
    EXPECT_GT(window->session().image().stabilityRecordCount, 0u);
    QTest::qWait(500);  // ticks go on: nothing is sent to the ECU
    EXPECT_EQ(ecusim::imageFromMemory(ecu->memory()).stabilityRecordCount, held);
}

TEST_F(MainWindowDialogsTest, LoadIsOffWhileTheDownloadRunsAndBackForAnUnsupportedEcu) {
    ASSERT_NO_FATAL_FAILURE(makeWindow("A100"));  // answers, but supports nothing of this tool
    hmtest::scriptAnswers(*window);               // the "not supported" message is only logged
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return progressShown(); }, 30000));
    EXPECT_FALSE(button(CHaulDlg::ControlId::Load)->isEnabled());
    // Refused while the ECU fills the image: the file offered to the dialog is not loaded.
    ASSERT_NO_FATAL_FAILURE(writeOtherFile(1));
    hmtest::scriptAnswers(*window).setNextOpenPath((dataDir / "other.asc").string());
    window->onLoad();
    EXPECT_EQ(window->session().loadedFileName(), "");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return linkOf(*window)->linkState() == hm::ecu::LinkState::Stopped; }, 30000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return button(CHaulDlg::ControlId::Load)->isEnabled(); }, 5000));
}

TEST_F(MainWindowDialogsTest, ADownloadThatStartsWhileTheFileIsChosenKeepsTheFileOut) {
    ASSERT_NO_FATAL_FAILURE(start());
    ASSERT_NO_FATAL_FAILURE(writeOtherFile(4242));
    QString message;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        linkOf(*window)->BeginDownload();  // as the link does on a reconnection
        whenShown<QMessageBox>([&](QMessageBox& box) {
            message = box.text();
            box.button(QMessageBox::Ok)->click();
        });
        // Typed into the file name field, as a user would: selectFile() leaves that field alone
        // once it has the focus, and the dialog then has nothing to accept.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString((dataDir / "other.asc").string()));
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    button(CHaulDlg::ControlId::Load)->click();
    EXPECT_TRUE(message.contains(QStringLiteral("other.asc"))) << message.toStdString();
    EXPECT_EQ(window->session().loadedFileName(), "");
    EXPECT_NE(window->session().image().brakeCountByPressure[0], 4242u);
    EXPECT_FALSE(button(CHaulDlg::ControlId::Load)->isEnabled());  // the download is still running
    ASSERT_TRUE(waitForRead(hmtest::peer(*linkOf(*window)).completedReads()));
    EXPECT_TRUE(button(CHaulDlg::ControlId::Load)->isEnabled());
    EXPECT_NE(window->session().image().brakeCountByPressure[0], 4242u);
}

TEST_F(MainWindowDialogsTest, CancelChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(start());
    const FleetDataImage before = window->session().image();
    whenShown<CClrData>([](CClrData& dialog) { dialog.cancelButton()->click(); });
    button(CHaulDlg::ControlId::Erase)->click();
    EXPECT_EQ(std::memcmp(&before, &window->session().image(), sizeof before), 0);
    EXPECT_TRUE(button(CHaulDlg::ControlId::Erase)->isEnabled());
    EXPECT_FALSE(progressShown());
}

TEST_F(MainWindowDialogsTest, InformationShowsTheSelectedGraph) {
    ASSERT_NO_FATAL_FAILURE(start());
    for (int i = 0; i < 5; ++i) {
        window->onNext();
    }
    ASSERT_EQ(window->session().graphRecord().selectedGraph, 6);
    const FleetDataImage& image = window->session().image();
    QStringList values;
    whenShown<CInfo>([&](CInfo& info) {
        for (int row = 0; row < 4; ++row) {
            values << info.rowValue(row)->text();
        }
        info.accept();
    });
    button(CHaulDlg::ControlId::Information)->click();
    EXPECT_EQ(values, (QStringList{QString::number(image.intervalCount()),
                                   QString::number(image.kmInCurrentInterval()),
                                   QString::number(image.brakeAppsByDistance[28]),
                                   QString::number(image.slpBrakeAppsByDistance[28])}));
}

TEST_F(MainWindowDialogsTest, RecordButtonsOpenOnePreviewAtATime) {
    ASSERT_NO_FATAL_FAILURE(start());
    ASSERT_GE(window->session().image().stabilityRecordCount, 3u);
    CPrintGraphApp& app = hmtest::peer(*window).preview();
    whenShown<CTable>([&](CTable& table) {
        table.button(1)->click();
        EXPECT_TRUE(app.previewOpen());
        EXPECT_EQ(hmtest::peer(*window).selectedRecord(), 1);
        EXPECT_EQ(hmtest::peer(*window).printPageKind(), PageKind::Stability);
        table.button(2)->click();  // a preview is open: nothing
        EXPECT_EQ(hmtest::peer(*window).selectedRecord(), 1);
        EXPECT_TRUE(table.isVisible());  // the dialog stays open
        app.closePreview();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !hmtest::peer(*window).preview().previewOpen(); }, 5000));
        table.button(2)->click();
        EXPECT_TRUE(app.previewOpen());
        EXPECT_EQ(hmtest::peer(*window).selectedRecord(), 2);
        table.reject();
    });
    button(CHaulDlg::ControlId::Stability)->click();
    EXPECT_TRUE(hmtest::peer(*window).preview().previewOpen());
}
