// The window's session without a window: intents and link events in, one view state and the
// requests on the wire out. The link runs over a fake port answered by the scripted ECU, ticked
// by a manual clock; questions and files go through a scripted IFileUi.
#include "session/Session.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <set>

#include "ecu/EcuLink.h"
#include "fleetdata/DataFile.h"
#include "resources/Strings.h"
#include "support/FakeLinkPort.h"
#include "support/ScriptedEcu.h"
#include "support/SessionTestPeer.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using hm::ViewState;

class FakeUi : public hm::IFileUi {
  public:
    std::optional<std::string> chooseOpenFile(const std::string&) override {
        if (onChoose) {
            onChoose();
        }
        return std::exchange(chosenFile, std::nullopt);
    }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        return answerYes;
    }
    bool askYesNoWithDetails(const std::string& text, const std::string& details) override {
        retryDetails.push_back(details);
        return askYesNo(text);
    }
    void showMessage(const std::string& text, hm::MessageIcon) override {
        messages.push_back(text);
    }
    void showNotice(const std::string& text) override { notices.push_back(text); }

    std::optional<std::string> chosenFile;
    std::function<void()> onChoose;  // runs while the file dialog is "open"
    bool answerYes = true;
    std::vector<std::string> questions, retryDetails, messages, notices;
};

// Host and clock: posted calls wait in a queue, the clock is a flag the test advances.
class FakeHost : public hm::SessionHost, public hm::TickSource {
  public:
    void post(std::function<void()> call) override { posted.push_back(std::move(call)); }
    void render(const ViewState& view) override {
        shown = view;
        ++renders;
    }
    void end() override { ended = true; }
    hm::EraseSelection askEraseSelection(hm::ecu::SupportLevel) override { return selection; }
    void startTicks(int) override { armed = true; }
    void stopTicks() override { armed = false; }
    bool ticking() const override { return armed; }

    std::deque<std::function<void()>> posted;
    ViewState shown;
    int renders = 0;
    bool ended = false;
    bool armed = false;
    hm::EraseSelection selection{true, 1, 0, 0};  // the first entry of the list
};

// What the session handed to the library: the moment and the identification of the image.
class FakeRecorder : public hm::ImageRecorder {
  public:
    void record(Moment moment, const hm::FleetDataImage& image, const std::string& path) override {
        const char* names[] = {"download", "load", "save"};
        moments.push_back(std::string(names[static_cast<int>(moment)]) + ":" +
                          image.vehicleIdentString() + ":" + fs::path(path).filename().string());
    }
    std::vector<std::string> moments;
};

std::set<std::string> on(const hm::ButtonStates& b) {
    std::set<std::string> names;
    const std::pair<const char*, bool> rows[] = {
        {"load", b.load},   {"save", b.save},      {"reload", b.reload},
        {"erase", b.erase}, {"stab", b.stability}, {"info", b.information},
        {"print", b.print}, {"next", b.next},      {"prev", b.previous}};
    for (const auto& [name, enabled] : rows) {
        if (enabled) {
            names.insert(name);
        }
    }
    return names;
}

const std::set<std::string> kEcuDataButtons{"load", "save", "reload", "erase",
                                            "stab", "info", "print",  "next"};

class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override { hmtest::fillSample(ecu); }

    void make(bool withPort = true, bool offlineWhenNotFound = false) {
        port.responder = [this](const hmtest::Bytes& r) { return ecu(r); };
        hm::Session::Options options;
        options.port = withPort ? &port : nullptr;
        options.offlineWhenNotFound = offlineWhenNotFound;
        options.recorder = &recorder;
        session = std::make_unique<hm::Session>(options, ui, host, host);
        fs::create_directories(dir / "data");
        hmtest::peer(*session).dataFileState().settings.dataDirectory =
            (dir / "data").string() + "/";
    }
    // No folder to save into: the data folder is unset and the default one is a file.
    void blockSaving() {
        hmtest::peer(*session).dataFileState().settings.dataDirectory.clear();
        hmtest::writeFileText(dir / "Documents", "a file where the folder should be");
    }
    // One tick when the clock runs, then every posted call.
    void step() {
        if (host.armed) {
            host.armed = false;
            session->tick();
        }
        while (!host.posted.empty()) {
            auto call = std::move(host.posted.front());
            host.posted.pop_front();
            call();
        }
    }
    bool runUntil(const std::function<bool()>& done, int limit = 400) {
        for (int i = 0; i < limit && !done(); ++i) {
            step();
        }
        return done();
    }
    void download() {
        make();
        ASSERT_TRUE(runUntil([&] { return host.shown.titleState == " [ ECU Data ]"; }));
    }
    const ViewState& view() const { return host.shown; }
    std::string writeFile(const std::string& name, bool fleetData, const char* ident = "") {
        hm::FleetDataImage image;
        image.clear();
        if (*ident != '\0') {
            image.setVehicleIdent(ident, std::strlen(ident));
        }
        image.stabilityRecords[0].voltage = 100;  // one stability record
        image.stabilityRecords[0].odometer = 4200;
        image.stabilityRecordCount = 1;
        std::memcpy(image.signature, hm::kSignature, sizeof(hm::kSignature));
        image.blockSize = hm::kImageSize;
        if (fleetData) {
            image.brakeTimeByPressure[0] = 250;
            image.brakeCountByPressure[0] = 2;
        }
        std::string error;
        EXPECT_TRUE(hm::writeDataFile(dir / name, image, error)) << error;
        return (dir / name).string();
    }
    std::vector<fs::path> savedFiles() const {
        std::vector<fs::path> files;
        if (fs::is_directory(dir / "data")) {
            for (const auto& entry : fs::directory_iterator(dir / "data")) {
                files.push_back(entry.path());
            }
        }
        return files;
    }

    hmtest::TempDir dir;
    hmtest::ScopedEnv home{"HOME", dir.path().string()};
    hmtest::FakeLinkPort port{{{1, "/dev/fake1", true, false}}};
    hmtest::ScriptedEcu ecu;
    FakeUi ui;
    FakeHost host;
    FakeRecorder recorder;
    std::unique_ptr<hm::Session> session;
};

TEST_F(SessionTest, WithoutALinkOnlyLoadIsOnAndTheLampIsOut) {
    make(false);
    EXPECT_EQ(view().titleState, " [ No Data Loaded ]");
    EXPECT_EQ(on(view().buttons), std::set<std::string>{"load"});
    EXPECT_EQ(view().lamp, hm::kLampOff);
    EXPECT_EQ(view().lampTooltip, "Working Offline");
    EXPECT_EQ(view().ecuField, "---");
    EXPECT_FALSE(host.armed);
    session->close();
    EXPECT_TRUE(host.ended);
}

// A download: frames reach the link through posted calls, the view follows the operation.
TEST_F(SessionTest, DownloadShowsProgressThenTheEcuDataAndItsButtons) {
    make();
    ASSERT_TRUE(runUntil([&] { return view().progressShown; }));
    EXPECT_EQ(view().titleState, " [ ... ]");
    EXPECT_EQ(view().progressTotal, hm::ecu::kDownloadSteps);
    EXPECT_FALSE(view().buttons.load);  // nothing may load into the image the ECU fills
    EXPECT_FALSE(session->loadFile(writeFile("f.asc", true)));
    EXPECT_FALSE(session->loadBytes(hm::ImageBytes{}, "TRL1"));
    ASSERT_TRUE(runUntil([&] { return view().titleState == " [ ECU Data ]"; }));
    EXPECT_FALSE(view().progressShown);
    EXPECT_EQ(on(view().buttons), kEcuDataButtons);
    EXPECT_EQ(view().lamp, hm::kLampConnected);
    EXPECT_EQ(view().lampTooltip, "COM 1 (/dev/fake1)");
    EXPECT_EQ(view().ecuField, "B400");
    EXPECT_EQ(view().selectedGraph, 1);
    EXPECT_EQ(session->shownEcuType(), "B400");
    EXPECT_TRUE(session->image().hasFleetData());
}

// State x intent -> view: each row starts from a state, forwards one intent and checks the
// title, the buttons and the graph shown.
TEST_F(SessionTest, IntentsOnFilesAndGraphs) {
    struct Row {
        const char* what;
        std::function<void()> intent;
        std::string title;
        std::set<std::string> buttons;
        int graph;
    };
    make(false);
    const std::string good = writeFile("truck.asc", true);
    const std::string records = writeFile("records.asc", false);
    hmtest::writeFileText(dir / "junk.asc", "not a data file");
    const std::vector<Row> rows = {
        {"load a file",
         [&] { session->loadFile(good); },
         " [ File: truck.asc ]",
         {"load", "stab", "info", "print", "next"},
         1},
        {"next",
         [&] { session->next(); },
         " [ File: truck.asc ]",
         {"load", "stab", "info", "print", "next", "prev"},
         2},
        {"previous twice stops at 1",
         [&] {
             session->previous();
             session->previous();
         },
         " [ File: truck.asc ]",
         {"load", "stab", "info", "print", "next"},
         1},
        {"not a data file: the data stays",
         [&] { session->loadFile((dir / "junk.asc").string()); },
         " [ ***  File Error  *** ]",
         {"load", "stab", "info", "print", "next"},
         1},
        {"cancelled load",
         [&] { session->load(); },
         " [ ***  File Error  *** ]",
         {"load", "stab", "info", "print", "next"},
         1},
        {"stability only: no graph to show, explain, print or step to",
         [&] { session->loadFile(records); },
         " [ File: records.asc ]",
         {"load", "stab"},
         0},
        {"next and previous refuse over stability records alone",
         [&] {
             session->next();
             session->previous();
         },
         " [ File: records.asc ]",
         {"load", "stab"},
         0},
    };
    for (const Row& row : rows) {
        row.intent();
        EXPECT_EQ(view().titleState, row.title) << row.what;
        EXPECT_EQ(on(view().buttons), row.buttons) << row.what;
        EXPECT_EQ(view().selectedGraph, row.graph) << row.what;
    }
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_FALSE(session->image().hasFleetData());  // the stability records are the image now
}

// A file that is not a data file: the title says " [ ***  File Error  *** ]" and a message box
// gives the reason the command line gives; the data on display stays.
TEST_F(SessionTest, FileErrorSaysWhy) {
    struct Row {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    std::string wrongSize(hm::kImageSize, '\0');
    std::memcpy(wrongSize.data(), hm::kSignature, sizeof(hm::kSignature));
    const std::vector<Row> rows = {
        {"short.asc", std::string(1000, 'x'),
         "file is too short (1000 bytes, a data file has 2484)"},
        {"unsigned.asc", std::string(hm::kImageSize, 'x'), "signature missing"},
        {"size.asc", wrongSize, "wrong block size 0 (expected 2484)"},
    };
    make(false);
    session->loadFile(writeFile("truck.asc", true));
    for (const Row& row : rows) {
        hmtest::writeFileText(dir / row.name, row.bytes);
        ui.messages.clear();
        session->loadFile((dir / row.name).string());
        EXPECT_EQ(view().titleState, " [ ***  File Error  *** ]") << row.name;
        ASSERT_EQ(ui.messages.size(), 1u) << row.name;
        EXPECT_NE(ui.messages[0].find((dir / row.name).string()), std::string::npos)
            << ui.messages[0];
        EXPECT_NE(ui.messages[0].find(row.reason), std::string::npos) << ui.messages[0];
        EXPECT_TRUE(session->image().hasFleetData()) << row.name;
    }
}

// Before a reload an unsaved download is written to the data folder (a notice names it); a
// download the user saved is not written again; a backup that fails reloads nothing.
TEST_F(SessionTest, ReloadKeepsTheDownloadFirst) {
    struct Row {
        const char* what;
        bool userSaves;
        bool folderIsAFile;
        size_t files;
        size_t notices;
        bool reloads;
    };
    const Row rows[] = {{"unsaved", false, false, 1, 1, true},
                        {"saved by the user", true, false, 1, 0, true},
                        {"backup fails", false, true, 0, 0, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(dir / "data");
        ui = FakeUi{};
        download();
        if (row.folderIsAFile) {
            blockSaving();
        }
        if (row.userSaves) {
            session->save();
            ASSERT_EQ(savedFiles().size(), 1u);
        }
        session->reload();
        step();  // posted messages
        EXPECT_EQ(savedFiles().size(), row.files);
        EXPECT_EQ(ui.notices.size(), row.notices);
        if (row.notices == 1) {
            EXPECT_NE(ui.notices[0].find(savedFiles()[0].filename().string()), std::string::npos);
        }
        EXPECT_EQ(view().titleState == " [ ... ]", row.reloads) << view().titleState;
        if (!row.reloads) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_NE(ui.messages[0].find("could not be saved"), std::string::npos);
        }
        session.reset();
        fs::remove_all(dir / "data");
        fs::remove(dir / "Documents");
    }
}

// Erase: the download is backed up before the question, which names the file; Yes sends the
// erase, No and a failed backup send nothing.
TEST_F(SessionTest, EraseBacksUpAsksAndOnlyThenWrites) {
    struct Row {
        const char* what;
        bool answerYes;
        bool folderIsAFile;
        bool erased;
    };
    const Row rows[] = {
        {"yes", true, false, true}, {"no", false, false, false}, {"no backup", true, true, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ui = FakeUi{};
        ui.answerYes = row.answerYes;
        ecu.erased.clear();
        download();
        if (row.folderIsAFile) {
            blockSaving();
        }
        session->erase();
        step();
        if (!row.folderIsAFile) {
            ASSERT_EQ(ui.questions.size(), 1u);
            EXPECT_NE(ui.questions[0].find("has been saved to"), std::string::npos);
        } else {
            EXPECT_TRUE(ui.questions.empty());
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_NE(ui.messages[0].find("Nothing was erased."), std::string::npos);
        }
        EXPECT_EQ(view().buttons.erase, !row.erased);  // held from the confirmation on
        if (row.erased) {
            ASSERT_TRUE(runUntil([&] { return view().progressShown; }));
            EXPECT_EQ(view().progressTotal, hm::ecu::kFleetEraseSteps);
            EXPECT_FALSE(view().buttons.save || view().buttons.reload || view().buttons.load);
            ASSERT_TRUE(runUntil(
                [&] { return view().titleState == " [ ECU Data ]" && !view().progressShown; }));
            EXPECT_TRUE(view().buttons.erase);
        }
        EXPECT_EQ(!ecu.erased.empty(), row.erased);
        session.reset();
        fs::remove_all(dir / "data");
        fs::remove(dir / "Documents");
    }
}

// A completed download, a loaded file (also stability records alone) and a saved file go to the
// recorder; a failed or cancelled load, and the read that follows an erase, do not.
TEST_F(SessionTest, DownloadsLoadsAndSavesAreRecorded) {
    download();
    const std::string ident = session->image().vehicleIdentString();
    session->save();
    session->erase();
    ASSERT_TRUE(runUntil([&] { return view().progressShown; }));
    ASSERT_TRUE(runUntil([&] { return !view().progressShown; }));
    const std::string file = fs::path(session->lastSavedPath()).filename().string();
    session->loadFile(writeFile("truck.asc", true));
    session->loadFile(writeFile("records.asc", false));
    hmtest::writeFileText(dir / "junk.asc", "not a data file");
    session->loadFile((dir / "junk.asc").string());
    session->load();
    const std::vector<std::string> expected = {"download:" + ident + ":",
                                               "save:" + ident + ":" + file, "load::truck.asc",
                                               "load::records.asc"};
    EXPECT_EQ(recorder.moments, expected);
}

// A file handed over from outside is refused while a load dialog is open or the ECU fills the
// image, and loaded otherwise.
TEST_F(SessionTest, HandOverIsRefusedWhileBusy) {
    make(false);
    const std::string good = writeFile("truck.asc", true);
    bool handedOver = true;
    ui.onChoose = [&] { handedOver = session->loadFile(good); };
    session->load();
    EXPECT_FALSE(handedOver);
    EXPECT_EQ(view().titleState, " [ No Data Loaded ]");
    ui.onChoose = nullptr;
    EXPECT_TRUE(session->loadFile(good));
    EXPECT_EQ(view().titleState, " [ File: truck.asc ]");
}

// A download of the trailer library is shown as a loaded file named by its label; refused while
// a load dialog is open; bytes that are not a data image are refused with a message. The
// download from the ECU it replaces on screen is still saved before a reload.
TEST_F(SessionTest, LibraryDownloadLoadsLikeAFile) {
    download();
    const hm::ImageBytes downloaded = hm::serialiseImage(session->image());
    hm::FleetDataImage file;
    ASSERT_TRUE(hm::readDataFile(writeFile("truck.asc", true), file).ok());
    const hm::ImageBytes bytes = hm::serialiseImage(file);
    bool taken = true;
    ui.onChoose = [&] { taken = session->loadBytes(bytes, "TRL1 2026-01-02 10:00:00"); };
    session->load();
    EXPECT_FALSE(taken);
    ui.onChoose = nullptr;
    EXPECT_TRUE(session->loadBytes(bytes, "TRL1 2026-01-02 10:00:00"));
    EXPECT_EQ(view().titleState, " [ File: TRL1 2026-01-02 10:00:00 ]");
    EXPECT_EQ(session->image().brakeCountByPressure[0], 2u);
    hm::ImageBytes junk;
    junk.fill(0x5A);
    EXPECT_TRUE(session->loadBytes(junk, "TRL2"));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().find("TRL2 is not a data image"), std::string::npos);
    EXPECT_EQ(view().titleState, " [ File: TRL1 2026-01-02 10:00:00 ]");
    EXPECT_TRUE(savedFiles().empty());
    // A download as the library keeps it: without the signature a save writes.
    EXPECT_TRUE(session->loadBytes(downloaded, "TRL1 2026-01-03 09:00:00"));
    EXPECT_EQ(view().titleState, " [ File: TRL1 2026-01-03 09:00:00 ]");
    EXPECT_EQ(ui.messages.size(), 1u);
    session->reload();
    EXPECT_EQ(savedFiles().size(), 1u);
}

// The line hangs up: an unsaved download is saved, the ECU's display goes, the lamp goes out
// and the search starts again; a file on display stays.
TEST_F(SessionTest, LostConnectionKeepsTheDownloadAndForgetsTheEcuDisplay) {
    download();
    port.ports()[0].hangsUp = true;
    ASSERT_TRUE(runUntil([&] { return view().lamp == hm::kLampOff; }, 20));
    EXPECT_EQ(view().titleState, " [ No Data Loaded ]");
    EXPECT_EQ(view().lampTooltip, "Trying To Connect...");
    EXPECT_EQ(on(view().buttons), std::set<std::string>{"load"});
    ASSERT_EQ(ui.notices.size(), 1u);
    EXPECT_NE(ui.notices[0].find("line hung up"), std::string::npos);
    EXPECT_EQ(savedFiles().size(), 1u);

    // Connected again with a file on display: losing the line leaves the file shown.
    port.ports()[0].hangsUp = false;
    ASSERT_TRUE(runUntil([&] { return view().titleState == " [ ECU Data ]"; }));
    ASSERT_TRUE(session->loadFile(writeFile("truck.asc", true)));
    port.ports()[0].hangsUp = true;
    ASSERT_TRUE(runUntil([&] { return view().lamp == hm::kLampOff; }, 20));
    EXPECT_EQ(view().titleState, " [ File: truck.asc ]");
    EXPECT_EQ(view().selectedGraph, 1);
}

// With a language installed, the session's messages and title are whole translated sentences
// with the reason and the path filled in.
TEST_F(SessionTest, MessagesAndTitleFollowTheInstalledLanguage) {
    download();
    struct Marked {
        Marked() {
            hm::setTextTranslator([](const char* context, const char*, const char* english) {
                return std::string("[") + context + "]" + english;
            });
        }
        ~Marked() { hm::setTextTranslator(nullptr); }
    } marked;
    const std::string lost =
        "[hm::Session]The connection to the ECU was lost ([hm::Session]line hung up";
    port.ports()[0].hangsUp = true;
    ASSERT_TRUE(runUntil([&] { return view().lamp == hm::kLampOff; }, 20));
    ASSERT_EQ(ui.notices.size(), 1u);
    EXPECT_EQ(ui.notices[0].rfind(lost, 0), 0u) << ui.notices[0];
    ASSERT_EQ(savedFiles().size(), 1u);
    EXPECT_NE(ui.notices[0].find("saved to\n" + savedFiles()[0].string()), std::string::npos);

    port.ports()[0].hangsUp = false;
    ASSERT_TRUE(runUntil([&] { return view().titleState.find("ECU Data") != std::string::npos; }));
    ui.answerYes = false;
    session->erase();
    step();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].rfind("[hm::Session]The data downloaded from this ECU has been", 0),
              0u);
    EXPECT_NE(ui.questions[0].find("\n\n[hm::Session]Erase the extended fleet information"),
              std::string::npos);
    session->close();
    EXPECT_EQ(view().titleState, "[hm::Session] [ Closing... ]");
}

// A pass that finds nothing asks (a state, answered later); No works offline, where a search
// may be asked for. Started with a file, the first failed pass goes offline without asking.
TEST_F(SessionTest, RetryQuestionIsAStateAndItsAnswerDecides) {
    port.ports()[0].opens = false;
    make();
    ui.answerYes = false;
    for (int i = 0; i < 20 && !view().retryAsked; ++i) {
        session->tick();  // the question is asked by a posted call, after the tick
    }
    ASSERT_TRUE(view().retryAsked);
    step();
    ASSERT_EQ(ui.retryDetails.size(), 1u);
    EXPECT_NE(ui.retryDetails[0].find("/dev/fake1"), std::string::npos);
    EXPECT_FALSE(view().retryAsked);
    EXPECT_EQ(view().lampTooltip, "Working Offline");
    EXPECT_TRUE(view().searchEnabled);
    EXPECT_FALSE(host.armed);
    port.ports()[0].opens = true;
    session->search();
    EXPECT_TRUE(host.armed);
    EXPECT_FALSE(view().searchEnabled);
    ASSERT_TRUE(runUntil([&] { return view().titleState == " [ ECU Data ]"; }));

    session.reset();
    ui = FakeUi{};
    port.ports()[0].opens = false;
    make(true, true);
    ASSERT_TRUE(runUntil([&] { return view().searchEnabled; }, 20));
    EXPECT_TRUE(ui.retryDetails.empty());
    EXPECT_EQ(view().lamp, hm::kLampOff);
}

// Close stops the ECU session first and ends when the ECU answers; a second close ends at once.
// An ECU that is not supported stops the clock and says so.
TEST_F(SessionTest, CloseWaitsForTheEcuAndAnUnsupportedEcuStopsTheLink) {
    download();
    session->close();
    EXPECT_EQ(view().titleState, " [ Closing... ]");
    EXPECT_FALSE(host.ended);
    ASSERT_TRUE(runUntil([&] { return host.ended; }, 40));
    EXPECT_EQ(port.writes.back(), hmtest::frameOf({0x20}));

    session.reset();
    host = FakeHost{};
    make();
    session->close();
    session->close();
    EXPECT_TRUE(host.ended);

    session.reset();
    host = FakeHost{};
    ecu.type = "A999";
    make();
    ASSERT_TRUE(runUntil([&] { return !ui.messages.empty(); }, 40));
    EXPECT_EQ(ui.messages[0], hm::strCopy(hm::sid::kEcuNotSupported));
    EXPECT_FALSE(host.armed);
    EXPECT_FALSE(view().buttons.save);
    // Nothing is downloading any more: the title is the one shown before the download, and no
    // progress bar is left standing over the graph title.
    step();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(view().titleState, " [ No Data Loaded ]");
    EXPECT_FALSE(view().progressShown);
    EXPECT_EQ(view().ecuField, "A999");
    EXPECT_TRUE(view().buttons.load);
}

// A stability-only image, loaded from a file or taken from the library, replaces what was on
// screen: no graph, and the title names the file that holds the records (a page printed from
// it names that file too).
TEST_F(SessionTest, StabilityOnlyImageReplacesTheGraphOnScreen) {
    download();
    ASSERT_GT(session->graphRecord().barValues[0], 0.0f);
    session->loadFile(writeFile("records.asc", false));
    EXPECT_EQ(view().titleState, " [ File: records.asc ]");
    EXPECT_EQ(session->loadedFileName(), "records.asc");
    EXPECT_EQ(session->graphRecord().shownGraph, 0);
    EXPECT_EQ(session->graphTexts().title, " ");
    EXPECT_EQ(session->graphRecord().barValues[0], 0.0f);
    EXPECT_EQ(session->image().stabilityRecordCount, 1u);

    session->loadFile(writeFile("truck.asc", true));
    session->next();
    ASSERT_EQ(session->graphRecord().shownGraph, 2);
    hm::FleetDataImage records;
    ASSERT_TRUE(hm::readDataFile(writeFile("records2.asc", false), records).ok());
    EXPECT_TRUE(session->loadBytes(hm::serialiseImage(records), "TRL9 2026-01-02 10:00:00"));
    EXPECT_EQ(view().titleState, " [ File: TRL9 2026-01-02 10:00:00 ]");
    EXPECT_EQ(session->graphRecord().shownGraph, 0);
    EXPECT_FALSE(view().buttons.next || view().buttons.previous || view().buttons.information);
}

// The record erase reads the records back after its writes: the erase button stays off until
// that read is over, as the session refuses an erase meanwhile.
TEST_F(SessionTest, EraseButtonIsOffWhileTheRecordEraseReadsBack) {
    download();
    host.selection = hm::EraseSelection{true, 1, 1, 0};  // the stability records
    session->erase();
    ASSERT_TRUE(runUntil(
        [&] { return session->dialogState().operation == hm::ecu::LinkOperation::ReadBack; }));
    EXPECT_FALSE(view().buttons.erase);
    const size_t asked = ui.questions.size();
    session->erase();
    EXPECT_EQ(ui.questions.size(), asked);
    ASSERT_TRUE(
        runUntil([&] { return session->dialogState().operation == hm::ecu::LinkOperation::None; }));
    EXPECT_TRUE(view().buttons.erase);
}

// An erase started over a loaded file works on the ECU's data: when the line is lost during
// it, nothing claims a file is on display.
TEST_F(SessionTest, LostConnectionDuringAnEraseOverAFileShowsNoFile) {
    download();
    ASSERT_TRUE(session->loadFile(writeFile("truck.asc", true)));
    session->erase();
    ASSERT_TRUE(runUntil([&] { return view().progressShown; }));
    port.ports()[0].hangsUp = true;
    ASSERT_TRUE(runUntil([&] { return view().lamp == hm::kLampOff; }, 20));
    EXPECT_EQ(view().titleState, " [ No Data Loaded ]");
    EXPECT_EQ(on(view().buttons), std::set<std::string>{"load"});
    EXPECT_EQ(session->graphRecord().shownGraph, 0);
}

// The ECU type's characters 2 to 4 count by their low four bits whatever they are; one that is
// not printable shows as '?', also on the report's cover.
TEST_F(SessionTest, EcuTypeWithAControlCharacterIsSupported) {
    ecu.type =
        "B3\x1b"
        "7";  // 3, 11, 7: 417
    download();
    EXPECT_EQ(view().ecuField, "B3?7");
    EXPECT_EQ(session->shownEcuType(), "B3?7");
    EXPECT_TRUE(session->image().hasFleetData());
    EXPECT_EQ(session->graphRecord().shownGraph, 1);
}

// An erase and its read-back start from the ECU's own data, not from a file loaded over it, so
// the image (and a save afterwards) holds one trailer: what a new download of the ECU gives.
TEST_F(SessionTest, EraseOverALoadedFileReadsBackTheEcusTrailerOnly) {
    const std::pair<const char*, int> rows[] = {{"fleet data", 0}, {"stability records", 1}};
    for (const auto& [what, entry] : rows) {
        SCOPED_TRACE(what);
        hmtest::fillSample(ecu);
        download();
        ASSERT_TRUE(session->loadFile(writeFile("other.asc", true, "OTHERTRAILER00001")));
        const auto idle = [&] {
            return session->dialogState().operation == hm::ecu::LinkOperation::None;
        };
        host.selection = hm::EraseSelection{true, 1, entry, 0};
        session->erase();
        ASSERT_TRUE(runUntil([&] { return view().progressShown; }));
        ASSERT_TRUE(runUntil(idle));
        const hm::FleetDataImage now = session->image();
        EXPECT_EQ(view().titleState, " [ ECU Data ]");
        hmtest::peer(*session).dataFileState().settings.dataDirectory =
            (dir / "data").string() + "/";
        session->reload();
        ASSERT_TRUE(runUntil(idle));
        const hm::FleetDataImage& ecuImage = session->image();
        EXPECT_EQ(now.vehicleIdentString(), ecu.ident);
        for (int b = 0; b < 10; ++b) {
            EXPECT_EQ(std::memcmp(now.block(b), ecuImage.block(b),
                                  sizeof(uint32_t) * hm::FleetDataImage::blockWords(b)),
                      0)
                << "block " << b;
        }
        EXPECT_EQ(now.stabilityRecordCount, ecuImage.stabilityRecordCount);
        EXPECT_EQ(std::memcmp(now.stabilityRecords, ecuImage.stabilityRecords,
                              sizeof now.stabilityRecords),
                  0);
        fs::remove_all(dir / "data");
        fs::create_directories(dir / "data");
        session->save();
        ASSERT_EQ(savedFiles().size(), 1u);
        EXPECT_EQ(savedFiles()[0].filename().string().rfind("Haulmetry " + ecu.ident + " - ", 0),
                  0u);
        session.reset();
        ui = FakeUi{};
        host = FakeHost{};
    }
}

}  // namespace
