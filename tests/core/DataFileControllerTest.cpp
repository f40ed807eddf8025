#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>

#include "fleetdata/DataFile.h"
#include "fleetdata/TextExport.h"
#include "session/DataFileController.h"
#include "session/DownloadBackup.h"
#include "support/TestSupport.h"

using hm::FleetDataImage;
namespace fs = std::filesystem;

namespace {

// Answers the file dialog and the questions from scripts and records every message.
class ScriptedUi : public hm::IFileUi {
  public:
    std::optional<std::string> chosenFile;
    bool answerYes = true;
    std::vector<std::string> startDirectories;
    std::vector<std::string> questions;
    std::vector<std::pair<std::string, hm::MessageIcon>> messages;

    std::optional<std::string> chooseOpenFile(const std::string& startDirectory) override {
        startDirectories.push_back(startDirectory);
        return chosenFile;
    }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        return answerYes;
    }
    void showMessage(const std::string& text, hm::MessageIcon icon) override {
        messages.emplace_back(text, icon);
    }
};

class ScopedHome {
  public:
    explicit ScopedHome(const fs::path& home) {
        if (const char* old = std::getenv("HOME")) {
            old_ = old;
        }
        ::setenv("HOME", home.c_str(), 1);
    }
    ~ScopedHome() { ::setenv("HOME", old_.c_str(), 1); }

  private:
    std::string old_ = "/root";
};

const hm::LocalTime kSaveTime{2026, 12, 1, 7, 9, 5, 30, 250};

FleetDataImage downloadedImage() {
    FleetDataImage image;
    image.clear();
    std::memcpy(image.vehicleIdent, "ABC", 3);
    for (int i = 0; i < 16; ++i) {
        image.brakeCountByPressure[i] = static_cast<uint32_t>(i + 1);
    }
    image.brakeAppsByDistance[29] = 120;
    image.slpBrakeAppsByDistance[29] = 3;
    image.stabilityRecords[0].voltage = 120;
    image.stabilityRecordCount = 1;
    return image;
}

bool sameImage(const FleetDataImage& a, const FleetDataImage& b) {
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

std::vector<fs::path> filesIn(const fs::path& dir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        files.push_back(entry.path().filename());
    }
    return files;
}

class DataFileControllerTest : public ::testing::Test {
  protected:
    hmtest::TempDir tmp;
    ScopedHome home{tmp.path()};
    ScriptedUi ui;
    hm::DataFileState state;

    void SetUp() override {
        state.settingsPath = (tmp / "haulmetry.ini").string();
        state.settings.dataDirectory = (tmp / "data").string() + "/";
        fs::create_directory(tmp / "data");
    }
};

}  // namespace

TEST_F(DataFileControllerTest, SaveThenLoadGivesTheIdenticalImage) {
    FleetDataImage image = downloadedImage();
    const hm::SaveResult saved = hm::saveDataFile(image, state, ui, kSaveTime);
    ASSERT_EQ(saved.outcome, hm::SaveOutcome::Saved);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Save  Haulmetry ABC - 07122026-0905.asc ?");
    EXPECT_EQ(saved.dataFilePath, (tmp / "data" / "Haulmetry ABC - 07122026-0905.asc").string());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(filesIn(tmp / "data").size(), 1u);  // no temporary file left, no text export
    // The live image now carries the save stamp.
    EXPECT_EQ(std::string(image.signature), "Haulm +");
    EXPECT_EQ(image.blockSize, 2484);
    const uint16_t stamp[8] = {2026, 12, 1, 7, 9, 5, 30, 250};
    EXPECT_EQ(std::memcmp(image.savedAt, stamp, sizeof(stamp)), 0);

    FleetDataImage loaded = downloadedImage();
    loaded.brakeTimeByPressure[3] = 99;  // something the load must replace
    ui.chosenFile = saved.dataFilePath;
    const hm::LoadResult result = hm::loadDataFile(loaded, state, ui);
    EXPECT_EQ(result.outcome, hm::LoadOutcome::Loaded);
    EXPECT_TRUE(sameImage(loaded, image));
    EXPECT_EQ(state.loadedFileName, "Haulmetry ABC - 07122026-0905.asc");
    EXPECT_TRUE(ui.messages.empty());  // summary option off
}

TEST_F(DataFileControllerTest, DeclinedSaveWritesNothingButStampsTheImage) {
    FleetDataImage image = downloadedImage();
    ui.answerYes = false;
    EXPECT_EQ(hm::saveDataFile(image, state, ui, kSaveTime).outcome, hm::SaveOutcome::Declined);
    EXPECT_TRUE(filesIn(tmp / "data").empty());
    EXPECT_EQ(image.blockSize, 2484);
    EXPECT_EQ(image.savedAt[0], 2026);
    EXPECT_FALSE(fs::exists(state.settingsPath));  // a save never writes the settings
}

TEST_F(DataFileControllerTest, SaveWithTextExportAndAHostileIdentification) {
    FleetDataImage image = downloadedImage();
    std::memcpy(image.vehicleIdent, "../../x\n", 8);
    state.settings.makeTextFile = true;
    const hm::SaveResult saved = hm::saveDataFile(image, state, ui, kSaveTime);
    ASSERT_EQ(saved.outcome, hm::SaveOutcome::Saved);
    const fs::path data = tmp / "data";
    EXPECT_EQ(saved.dataFilePath, (data / "Haulmetry .._.._x_ - 07122026-0905.asc").string());
    EXPECT_EQ(saved.textFilePath, (data / "Haulmetry .._.._x_ - 07122026-0905.txt").string());
    EXPECT_EQ(filesIn(data).size(), 2u);
    EXPECT_EQ(filesIn(tmp.path()).size(), 1u);  // only the data folder: nothing escaped it
    const std::string expected = hm::textExportFileBytes(hm::formatTextExport(image));
    const std::vector<uint8_t> text = hmtest::readFileBytes(saved.textFilePath);
    EXPECT_EQ(std::string(text.begin(), text.end()), expected);
}

TEST_F(DataFileControllerTest, EmptyOrVanishedDataFolderMeansTheDefaultFolder) {
    const fs::path fallback = tmp / "Documents" / "Haulmetry" / "Vehicle Data Files";
    FleetDataImage image = downloadedImage();
    // No data directory yet: the default folder, created by the save; no message.
    state.settings.dataDirectory.clear();
    EXPECT_EQ(hm::saveDataFile(image, state, ui, kSaveTime).outcome, hm::SaveOutcome::Saved);
    EXPECT_TRUE(fs::exists(fallback / "Haulmetry ABC - 07122026-0905.asc"));
    EXPECT_TRUE(ui.messages.empty());

    // A configured folder that is gone (or is a file now) is not recreated: the save goes to the
    // default folder after a message, and so do the following ones.
    hmtest::writeFileText(tmp / "blocker", "a file where the folder should be");
    for (const fs::path& gone : {tmp / "unplugged" / "drive", tmp / "blocker" / "sub"}) {
        ui.messages.clear();
        state.settings.dataDirectory = gone.string() + "/";
        const hm::SaveResult saved = hm::saveDataFile(image, state, ui, kSaveTime);
        EXPECT_EQ(saved.outcome, hm::SaveOutcome::Saved);
        EXPECT_EQ(fs::path(saved.dataFilePath).parent_path(), fallback);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].first.find(gone.string()), std::string::npos);
        EXPECT_FALSE(fs::exists(gone));
        EXPECT_EQ(state.settings.dataDirectory, fallback.string() + "/");
    }
}

TEST_F(DataFileControllerTest, FailedSaveTellsTheUserWhy) {
    hmtest::writeFileText(tmp / "Documents", "a file where the documents folder should be");
    state.settings.dataDirectory.clear();
    FleetDataImage image = downloadedImage();
    const hm::SaveResult failed = hm::saveDataFile(image, state, ui, kSaveTime);
    EXPECT_EQ(failed.outcome, hm::SaveOutcome::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].first.find(failed.dataFilePath), std::string::npos);
    EXPECT_NE(ui.messages[0].first.find("Not a directory"), std::string::npos)
        << ui.messages[0].first;
    EXPECT_EQ(ui.messages[0].second, hm::MessageIcon::Error);
}

TEST_F(DataFileControllerTest, SavesInTheSameMinuteKeepEveryFile) {
    state.settings.makeTextFile = true;
    FleetDataImage image = downloadedImage();
    const std::string stem = "Haulmetry ABC - 07122026-0905";
    std::vector<std::string> written;
    for (int i = 0; i < 3; ++i) {
        image.brakeCountByPressure[0] = static_cast<uint32_t>(100 + i);
        const hm::SaveResult saved = hm::saveDataFile(image, state, ui, kSaveTime);
        ASSERT_EQ(saved.outcome, hm::SaveOutcome::Saved);
        written.push_back(fs::path(saved.dataFilePath).filename().string());
        EXPECT_EQ(fs::path(saved.textFilePath).stem(), fs::path(saved.dataFilePath).stem());
    }
    EXPECT_EQ(written,
              (std::vector<std::string>{stem + ".asc", stem + " (2).asc", stem + " (3).asc"}));
    // The question named the file that was written.
    EXPECT_EQ(ui.questions[1], "Save  " + stem + " (2).asc ?");
    EXPECT_EQ(filesIn(tmp / "data").size(), 6u);
    for (int i = 0; i < 3; ++i) {
        FleetDataImage back;
        ASSERT_TRUE(hm::readDataFile(tmp / "data" / written[static_cast<size_t>(i)], back).ok());
        EXPECT_EQ(back.brakeCountByPressure[0], static_cast<uint32_t>(100 + i));
    }
    // A lone text export of the next number also keeps that number from being used.
    hmtest::writeFileText(tmp / "data" / (stem + " (4).txt"), "x");
    EXPECT_EQ(hm::freeDataFileName((tmp / "data").string(), stem + ".asc", {".txt"}),
              stem + " (5).asc");
    EXPECT_EQ(hm::freeDataFileName((tmp / "data").string(), stem + ".asc", {}), stem + " (4).asc");
}

// A user's files up to " (99999)" (and one far above, with gaps below it): the save and the
// backup before an erase take a name above them all and never write over any of them.
TEST_F(DataFileControllerTest, SaveNeverWritesOverAFileOfTheFullNameRange) {
    const std::string stem = "Haulmetry ABC - 07122026-0905";
    const fs::path data = tmp / "data";
    fs::create_directories(data);
    hmtest::writeFileText(data / (stem + ".asc"), "user's first");
    hmtest::writeFileText(data / (stem + " (99999).asc"), "23 bytes of the user's.");
    FleetDataImage image = downloadedImage();
    const hm::SaveResult saved = hm::saveDataFile(image, state, ui, kSaveTime);
    ASSERT_EQ(saved.outcome, hm::SaveOutcome::Saved);
    EXPECT_EQ(fs::path(saved.dataFilePath).filename(), stem + " (100000).asc");
    EXPECT_EQ(ui.questions.back(), "Save  " + stem + " (100000).asc ?");
    std::string error;
    const hm::SaveResult backup = hm::saveBackupFile(image, state, kSaveTime, error);
    ASSERT_EQ(backup.outcome, hm::SaveOutcome::Saved) << error;
    EXPECT_EQ(fs::path(backup.dataFilePath).filename(), stem + " (100001).asc");
    EXPECT_EQ(fs::file_size(data / (stem + " (99999).asc")), 23u);
    EXPECT_EQ(fs::file_size(data / (stem + ".asc")), 12u);
    EXPECT_EQ(fs::file_size(saved.dataFilePath), hm::kImageSize);
}

TEST_F(DataFileControllerTest, BackupBeforeAnEraseWritesACopyOrSaysWhyNot) {
    FleetDataImage image = downloadedImage();
    const FleetDataImage before = image;
    std::string error;
    const hm::SaveResult backup = hm::saveBackupFile(image, state, kSaveTime, error);
    ASSERT_EQ(backup.outcome, hm::SaveOutcome::Saved) << error;
    EXPECT_TRUE(sameImage(image, before));  // the shown image keeps its own stamp
    FleetDataImage back;
    ASSERT_TRUE(hm::readDataFile(backup.dataFilePath, back).ok());
    EXPECT_EQ(back.brakeCountByPressure[15], 16u);
    EXPECT_TRUE(ui.questions.empty());
    // A second backup in the same minute does not replace the first.
    EXPECT_NE(hm::saveBackupFile(image, state, kSaveTime, error).dataFilePath, backup.dataFilePath);

    hmtest::writeFileText(tmp / "Documents", "blocks the default folder");
    state.settings.dataDirectory.clear();
    const hm::SaveResult failed = hm::saveBackupFile(image, state, kSaveTime, error);
    EXPECT_EQ(failed.outcome, hm::SaveOutcome::Failed);
    EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;
}

// The one keep-the-download policy of erase, reload and a lost connection: an unsaved download
// is written once; the user's save of the same data counts; a new read needs a new backup.
TEST_F(DataFileControllerTest, AnUnsavedDownloadIsBackedUpOnceAndAUserSaveCounts) {
    using Outcome = hm::DownloadBackup::Outcome;
    hm::DownloadBackup backup;
    EXPECT_EQ(backup.ensureSaved(state, kSaveTime).outcome, Outcome::NoDownload);

    FleetDataImage image = downloadedImage();
    backup.readCompleted(image);
    const hm::DownloadBackup::Result first = backup.ensureSaved(state, kSaveTime);
    ASSERT_EQ(first.outcome, Outcome::Saved) << first.error;
    FleetDataImage back;
    ASSERT_TRUE(hm::readDataFile(first.path, back).ok());
    EXPECT_EQ(back.brakeCountByPressure[15], 16u);
    EXPECT_EQ(backup.ensureSaved(state, kSaveTime).outcome, Outcome::AlreadySaved);

    backup.readCompleted(image);  // read again: not in a file yet
    ASSERT_EQ(hm::saveDataFile(image, state, ui, kSaveTime).outcome, hm::SaveOutcome::Saved);
    FleetDataImage other = image;
    other.brakeCountByPressure[0] += 1;
    backup.userSaved(other, "other.asc");  // not the download
    EXPECT_FALSE(backup.saved());
    backup.userSaved(image, "saved.asc");  // stamped by its save, still the download
    EXPECT_EQ(backup.ensureSaved(state, kSaveTime).outcome, Outcome::AlreadySaved);
    EXPECT_EQ(filesIn(tmp / "data").size(), 2u);
}

TEST_F(DataFileControllerTest, AFailedWriteNeverLeavesATruncatedFile) {
    FleetDataImage image = downloadedImage();
    ASSERT_EQ(hm::saveDataFile(image, state, ui, kSaveTime).outcome, hm::SaveOutcome::Saved);
    const fs::path target = tmp / "data" / "Haulmetry ABC - 07122026-0905.asc";
    const std::vector<uint8_t> before = hmtest::readFileBytes(target);

    // Let the kernel refuse writes beyond 1000 bytes, as a full disk would part-way through.
    image.brakeTimeByPressure[0] = 4242;
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const hm::SaveResult result = hm::saveDataFile(image, state, ui, kSaveTime);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result.outcome, hm::SaveOutcome::Failed);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(hmtest::readFileBytes(target), before);
    EXPECT_EQ(filesIn(tmp / "data").size(), 1u);  // the temporary file is gone
}

TEST_F(DataFileControllerTest, AnExistingTextExportOfTheSameNameIsKept) {
    // Before, a folder or file in the text export's place made that write fail after the data
    // file was saved; now the pair moves on to a free name and both are written.
    fs::create_directories(tmp / "data" / "Haulmetry ABC - 07122026-0905.txt");
    state.settings.makeTextFile = true;
    FleetDataImage image = downloadedImage();
    const hm::SaveResult result = hm::saveDataFile(image, state, ui, kSaveTime);
    EXPECT_EQ(result.outcome, hm::SaveOutcome::Saved);
    EXPECT_FALSE(result.textExportFailed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fs::path(result.textFilePath).filename(), "Haulmetry ABC - 07122026-0905 (2).txt");
    EXPECT_TRUE(fs::is_directory(tmp / "data" / "Haulmetry ABC - 07122026-0905.txt"));
    EXPECT_EQ(state.settings.dataDirectory, (tmp / "data").string() + "/");
}

TEST_F(DataFileControllerTest, FileDialogsStartInTheDataFolderOrItsNearestFallback) {
    // The data folder when it exists; else the default folder, the documents folder or the home
    // folder, the first that exists; never the current folder.
    const fs::path documents = tmp / "Documents";
    const fs::path byDefault = documents / "Haulmetry" / "Vehicle Data Files";
    state.settings.dataDirectory = (tmp / "unplugged").string() + "/";
    EXPECT_TRUE(fs::equivalent(hm::dialogStartDirectory(state), tmp.path()));
    fs::create_directories(documents);
    EXPECT_TRUE(fs::equivalent(hm::dialogStartDirectory(state), documents));
    fs::create_directories(byDefault);
    EXPECT_TRUE(fs::equivalent(hm::dialogStartDirectory(state), byDefault));
    state.settings.dataDirectory = (tmp / "data").string() + "/";
    EXPECT_EQ(hm::dialogStartDirectory(state), state.settings.dataDirectory);
}

TEST_F(DataFileControllerTest, CancelledLoadChangesNothing) {
    FleetDataImage image = downloadedImage();
    const FleetDataImage before = image;
    const std::string dir = state.settings.dataDirectory;
    EXPECT_EQ(hm::loadDataFile(image, state, ui).outcome, hm::LoadOutcome::Cancelled);
    ASSERT_EQ(ui.startDirectories.size(), 1u);
    EXPECT_EQ(ui.startDirectories[0], dir);
    EXPECT_TRUE(sameImage(image, before));
    EXPECT_EQ(state.settings.dataDirectory, dir);
    EXPECT_FALSE(fs::exists(state.settingsPath));
}

TEST_F(DataFileControllerTest, LoadRemembersTheFolderAndShowsTheSummaryWhenAsked) {
    FleetDataImage image = downloadedImage();
    fs::create_directories(tmp / "other");
    std::string error;
    image.blockSize = 2484;
    std::memcpy(image.signature, hm::kSignature, 8);
    ASSERT_TRUE(hm::writeDataFile(tmp / "other" / "truck.asc", image, error));

    state.settings.infoPopUp = true;
    state.settings.makeTextFile = true;
    ui.chosenFile = (tmp / "other" / "truck.asc").string();
    FleetDataImage loaded;
    loaded.clear();
    const hm::LoadResult result = hm::loadDataFile(loaded, state, ui);
    EXPECT_EQ(result.outcome, hm::LoadOutcome::Loaded);
    EXPECT_EQ(state.settings.dataDirectory, (tmp / "other").string() + "/");
    EXPECT_EQ(state.loadedFileName, "truck.asc");
    EXPECT_EQ(hm::loadTooltip(state), "Load from Dir - " + state.settings.dataDirectory);
    EXPECT_EQ(hm::saveTooltip(state), "Save To Dir - " + state.settings.dataDirectory);
    const std::vector<uint8_t> ini = hmtest::readFileBytes(state.settingsPath);
    EXPECT_EQ(std::string(ini.begin(), ini.end()),
              "[HLM+]\r\n" + state.settings.dataDirectory +
                  "\r\n[MAKE XL FILE]\r\nYes\r\n[INFO POP UP]\r\nYes");
    // The summary is handed to the window, which shows it once the new title is up: a modal box
    // opened here would stand over the old title.
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(result.summary,
              "DISTANCE\t1620 km\nRESV v DIST\t0 km\nLOAD v DIST\t0 km\nAPPS v PRESS\t136\n"
              "APPS v SPEED\t0\nAPPS v DIST\t0\nABS v DIST\t0\nROLL v DIST\t0\n");
}

TEST_F(DataFileControllerTest, ShortOrInvalidFileIsAFileErrorAndLeavesTheImageAsItWas) {
    // A short file that starts like a valid one: not a byte of it may reach the image.
    FleetDataImage valid = downloadedImage();
    valid.brakeCountByPressure[0] = 999;
    valid.blockSize = 2484;
    std::memcpy(valid.signature, hm::kSignature, 8);
    const hm::ImageBytes bytes = hm::serialiseImage(valid);
    hmtest::writeFileBytes(tmp / "short.asc",
                           std::vector<uint8_t>(bytes.begin(), bytes.begin() + 2000));
    // Right length, signature, but block size 0.
    std::vector<uint8_t> noSize(bytes.begin(), bytes.end());
    std::memset(noSize.data() + 2480, 0, 4);
    hmtest::writeFileBytes(tmp / "nosize.asc", noSize);

    for (const char* name : {"short.asc", "nosize.asc"}) {
        FleetDataImage image = downloadedImage();
        state.loadedFileName = "earlier.asc";
        ui.chosenFile = (tmp / name).string();
        const hm::LoadResult result = hm::loadDataFile(image, state, ui);
        EXPECT_EQ(result.outcome, hm::LoadOutcome::FileError) << name;
        EXPECT_TRUE(sameImage(image, downloadedImage())) << name;
        EXPECT_EQ(state.loadedFileName, "earlier.asc");
        EXPECT_TRUE(ui.messages.empty());             // the title tells the user
        EXPECT_TRUE(fs::exists(state.settingsPath));  // written for every chosen file
        EXPECT_EQ(state.settings.dataDirectory, tmp.path().string() + "/");
    }
}

TEST_F(DataFileControllerTest, StabilityOnlyAndUnreadableFiles) {
    FleetDataImage stabilityOnly;
    stabilityOnly.clear();
    stabilityOnly.stabilityRecords[0].voltage = 100;
    stabilityOnly.stabilityRecordCount = 1;
    stabilityOnly.blockSize = 2484;
    std::memcpy(stabilityOnly.signature, hm::kSignature, 8);
    std::string error;
    ASSERT_TRUE(hm::writeDataFile(tmp / "stab.asc", stabilityOnly, error));
    state.settings.infoPopUp = true;  // no summary for a file without fleet data
    FleetDataImage image = downloadedImage();
    ui.chosenFile = (tmp / "stab.asc").string();
    EXPECT_EQ(hm::loadDataFile(image, state, ui).outcome, hm::LoadOutcome::StabilityDataOnly);
    EXPECT_TRUE(sameImage(image, stabilityOnly));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].first, "Stability Data Only");
    EXPECT_EQ(ui.messages[0].second, hm::MessageIcon::Exclamation);
    EXPECT_EQ(state.loadedFileName, "stab.asc");  // the title names the file of the records

    // A file that vanished after the dialog: the user is told, the image stays. Bytes of the
    // path that are not text show as \xNN in the message and the tooltips, as on the command
    // line; the folder is remembered byte for byte.
    ui.messages.clear();
    const FleetDataImage before = image;
    ui.chosenFile = (tmp / "gone\xE9" / "x\x1B.asc").string();
    const hm::LoadResult gone = hm::loadDataFile(image, state, ui);
    EXPECT_EQ(gone.outcome, hm::LoadOutcome::Unreadable);
    EXPECT_TRUE(sameImage(image, before));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].first.find("gone\\xE9/x\\x1B.asc: "), std::string::npos)
        << ui.messages[0].first;
    EXPECT_EQ(state.settings.dataDirectory, (tmp / "gone\xE9").string() + "/");
    EXPECT_EQ(hm::loadTooltip(state), "Load from Dir - " + tmp.path().string() + "/gone\\xE9/");
}

TEST_F(DataFileControllerTest, ReadSettingsAtStartUp) {
    state.settings.dataDirectory.clear();
    EXPECT_FALSE(hm::readSettings(state));
    EXPECT_EQ(state.settings.dataDirectory, "");
    hmtest::writeFileText(state.settingsPath,
                          "[HLM+]\r\n/mnt/trucks/\r\n[MAKE XL FILE]\r\nYes\r\n[INFO POP UP]\r\nNo");
    EXPECT_TRUE(hm::readSettings(state));
    EXPECT_EQ(state.settings.dataDirectory, "/mnt/trucks/");
    EXPECT_TRUE(state.settings.makeTextFile);
    EXPECT_FALSE(state.settings.infoPopUp);
    EXPECT_EQ(hm::loadTooltip(state), "Load from Dir - /mnt/trucks/");
}

// The Settings window's data folder and options: taken whole or not at all.
TEST_F(DataFileControllerTest, SettingsFromTheSettingsWindowAreTakenWholeOrNotAtAll) {
    const hm::Settings before = state.settings;
    hm::Settings chosen{"relative/folder", true, true};
    std::string error;
    EXPECT_FALSE(hm::applySettings(state, chosen, error));
    EXPECT_NE(error.find("full path"), std::string::npos) << error;
    // A settings file that cannot be written (its folder is a file) changes nothing either.
    chosen.dataDirectory = (tmp / "new/trailers").string();
    hm::DataFileState blocked = state;
    hmtest::writeFileText(tmp / "plain", "x");
    blocked.settingsPath = (tmp / "plain/haulmetry.ini").string();
    EXPECT_FALSE(hm::applySettings(blocked, chosen, error));
    EXPECT_EQ(blocked.settings.dataDirectory, before.dataDirectory);
    EXPECT_FALSE(blocked.settings.makeTextFile);
    // A missing folder is created; the settings file holds what the window reads back.
    ASSERT_TRUE(hm::applySettings(state, chosen, error)) << error;
    EXPECT_TRUE(fs::is_directory(chosen.dataDirectory));
    hm::Settings read;
    ASSERT_TRUE(hm::readSettingsFile(state.settingsPath, read));
    EXPECT_EQ(read.dataDirectory, chosen.dataDirectory);
    EXPECT_TRUE(read.makeTextFile && read.infoPopUp);
    EXPECT_EQ(state.settings.dataDirectory, chosen.dataDirectory);
}

TEST(SummaryText, UsesSigned32BitTotals) {
    FleetDataImage image;
    image.clear();
    image.brakeAppsByDistance[29] = 250;
    image.slpBrakeAppsByDistance[29] = 10;
    image.distanceByReservoirPressure[0] = 7;
    image.distanceByLoad[5] = 0x80000000u;
    image.brakeCountBySpeed[15] = 12;
    image.brakeAppsByDistance[30] = 1;
    image.brakeAppsByDistance[31] = 5;
    image.absEventsByDistance[31] = 3;
    image.rolloverEventsByDistance[30] = 2;
    EXPECT_EQ(hm::summaryText(image),
              "DISTANCE\t5250 km\n"
              "RESV v DIST\t7 km\n"
              "LOAD v DIST\t-2147483648 km\n"
              "APPS v PRESS\t0\n"
              "APPS v SPEED\t12\n"
              "APPS v DIST\t65541\n"
              "ABS v DIST\t3\n"
              "ROLL v DIST\t131072\n");
}
