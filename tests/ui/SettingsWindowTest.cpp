// The Settings window on its own (what it hands back, what it refuses) and behind the main
// window's "Settings..." (the settings file and library.conf written, the tooltips updated,
// Cancel writing nothing), with real files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/LibrarySettingsAccess.h"
#include "dialogs/CSettingsDlg.h"
#include "library/WorkshopIdentity.h"
#include "mainwindow/CHaulDlg.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"
#include "tests/support/window/ScriptedFileUi.h"
#include "widgets/CButtonST.h"

namespace {

using hm::CSettingsDlg;
using hm::SettingsFacts;
using hm::SettingsValues;
namespace fs = std::filesystem;

// Runs `act` on the Settings window once the modal run that shows it has started.
void whenShown(std::function<void(CSettingsDlg&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<CSettingsDlg*>(w);
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

SettingsFacts editableFacts() {
    SettingsFacts facts;
    facts.libraryEditable = true;
    facts.defaultDataFolder = "/home/u/Documents/Haulmetry/Vehicle Data Files";
    facts.logoProblem = [](const std::string& path) { return hm::library::logoProblem(path); };
    return facts;
}

TEST(SettingsWindow, HandsBackTheFieldsAndKeepsUntouchedBytes) {
    hmtest::TempDir dir;
    SettingsValues values;
    values.program.dataDirectory = "/mnt/\xe9t\xe9/";  // not UTF-8: shown, not typed
    values.library.workshopName = "Old";
    values.library.workshopAddress = {"Dock 4", "Hamburg"};
    CSettingsDlg dialog(values, editableFacts());
    dialog.nameEdit()->setText(QStringLiteral("Nord Bremsen"));
    dialog.addressEdit()->setPlainText(QStringLiteral("Kai 1\n20457 Hamburg\n\n"));
    dialog.textFileBox()->setChecked(true);
    dialog.okButton()->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().program.dataDirectory, values.program.dataDirectory);
    EXPECT_TRUE(dialog.values().program.makeTextFile);
    EXPECT_EQ(dialog.values().library.workshopName, "Nord Bremsen");
    EXPECT_EQ(dialog.values().library.workshopAddress,
              (std::vector<std::string>{"Kai 1", "20457 Hamburg"}));
}

TEST(SettingsWindow, RefusesARelativeFolderAndABadLogoInline) {
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "logo.svg", "<svg><script>x()</script></svg>");
    CSettingsDlg dialog(SettingsValues{}, editableFacts());
    dialog.show();
    // It fits a 1920x1080 screen at QT_SCALE_FACTOR=2, with room for a title bar and a panel.
    EXPECT_LE(dialog.width(), 1920 / 2);
    EXPECT_LE(dialog.height(), 1080 / 2 - 60);
    dialog.dataFolderEdit()->setText(QStringLiteral("relative/folder"));
    EXPECT_TRUE(dialog.folderNote()->text().contains(QStringLiteral("full path")));
    dialog.okButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.dataFolderEdit()->setText(QString::fromStdString((dir / "new").string()));
    EXPECT_TRUE(dialog.folderNote()->text().contains(QStringLiteral("OK creates it")));
    dialog.logoEdit()->setText(QString::fromStdString((dir / "logo.svg").string()));
    EXPECT_FALSE(dialog.logoNote()->isHidden());
    EXPECT_TRUE(dialog.logoNote()->text().contains(QStringLiteral("script")));
    dialog.okButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.logoEdit()->clear();
    EXPECT_TRUE(dialog.logoNote()->isHidden());
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().program.dataDirectory, (dir / "new").string());
}

class SettingsFromMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        hm::CHaulDlg::Options options;
        options.session.settingsPath = (dir / "haulmetry.ini").string();
        window = std::make_unique<hm::CHaulDlg>(options);
        hmtest::scriptAnswers(*window);
        window->setLibrarySettingsAccess(hm::librarySettingsAccess(""));
        window->show();
    }
    hmtest::TempDir dir;
    hmtest::ScopedEnv config{"XDG_CONFIG_HOME", (dir / "config").string()};
    hmtest::ScopedEnv library{"HAULMETRY_LIBRARY", std::nullopt};
    fs::path conf = dir / "config/haulmetry/library.conf";
    std::unique_ptr<hm::CHaulDlg> window;
};

TEST_F(SettingsFromMainWindow, OkWritesBothFilesAndCancelWritesNothing) {
    whenShown([](CSettingsDlg& dialog) { dialog.reject(); });
    window->openSettings();
    EXPECT_FALSE(fs::exists(dir / "haulmetry.ini"));
    EXPECT_FALSE(fs::exists(conf));

    const std::string folder = (dir / "trailers").string();
    whenShown([&](CSettingsDlg& dialog) {
        dialog.dataFolderEdit()->setText(QString::fromStdString(folder));
        dialog.infoPopUpBox()->setChecked(true);
        dialog.nameEdit()->setText(QStringLiteral("Nord Bremsen"));
        dialog.okButton()->click();
    });
    window->openSettings();
    EXPECT_TRUE(fs::is_directory(folder));
    hm::Settings read;
    ASSERT_TRUE(hm::readSettingsFile(dir / "haulmetry.ini", read));
    EXPECT_EQ(read.dataDirectory, folder);
    EXPECT_TRUE(read.infoPopUp);
    EXPECT_EQ(window->session().dataFileState().settings.dataDirectory, folder);
    EXPECT_EQ(window->button(hm::CHaulDlg::ControlId::Save)->tipText().toStdString(),
              "Save To Dir - " + folder);
    EXPECT_EQ(hm::library::workshopIdentity().name, "Nord Bremsen");
}

TEST_F(SettingsFromMainWindow, AFailedWriteIsShownAndTheWindowComesBackWithTheValues) {
    fs::create_directories(conf.parent_path());
    fs::create_symlink(dir / "elsewhere", conf);
    int shown = 0;
    std::function<void(CSettingsDlg&)> step = [&](CSettingsDlg& dialog) {
        ++shown;
        if (shown == 1) {
            dialog.nameEdit()->setText(QStringLiteral("Nord"));
            dialog.okButton()->click();
            whenShown(step);  // the window comes back after the message
        } else {
            EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("Nord"));
            dialog.reject();
        }
    };
    whenShown(step);
    testing::internal::CaptureStdout();
    window->openSettings();
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(shown, 2);
    EXPECT_NE(log.find("symbolic link"), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(dir / "elsewhere"));
}

// A password in the library's address never reaches the screen, and survives the write.
TEST_F(SettingsFromMainWindow, APasswordInTheAddressIsHiddenAndKept) {
    fs::create_directories(conf.parent_path());
    hmtest::writeFileText(conf, "library=postgresql://shop:s3cret@db/fleet\n");
    fs::permissions(conf, fs::perms::owner_read | fs::perms::owner_write);
    QString shownAddress;
    bool readOnly = false;
    whenShown([&](CSettingsDlg& dialog) {
        shownAddress = dialog.libraryEdit()->text();
        readOnly = dialog.libraryEdit()->isReadOnly();
        dialog.nameEdit()->setText(QStringLiteral("Nord"));
        dialog.okButton()->click();
    });
    window->openSettings();
    EXPECT_FALSE(shownAddress.contains(QStringLiteral("s3cret"))) << shownAddress.toStdString();
    EXPECT_TRUE(readOnly);
    const std::vector<uint8_t> bytes = hmtest::readFileBytes(conf);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "library=postgresql://shop:s3cret@db/fleet\nworkshop_name=Nord\n");
}

}  // namespace
