#pragma once
// The main window's session, without a window: it owns the fleet data image, the ECU link (and
// is its only observer), the data-file state, the backup policy of a download, the retry
// question and the rules for a file handed over from outside. The window forwards the user's
// intents (load, save, reload, erase, next, previous, search, answer, close) and draws the one
// ViewState the session publishes after every change; it reads nothing back from its widgets.
//
// The session asks for files and answers through IFileUi, never through widgets. Its clock is a
// TickSource (the window's timer in the program, a manual clock in tests): every tick runs one
// tick of the link. Frames queued by the receive thread are handed to the session's thread
// through SessionHost::post and go straight into the link. Questions and messages that an event
// of the link calls for are posted too, never shown inside a tick or a frame handler.
// Every member runs on one thread (the window thread in the program).
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ecu/LinkEvents.h"
#include "ecu/LinkPort.h"
#include "ecu/PortTable.h"
#include "ecu/SecurityKey.h"
#include "ecu/TraceRing.h"
#include "fleetdata/DataFile.h"
#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphDisplay.h"
#include "session/DataFileController.h"
#include "session/DialogButtons.h"
#include "session/DownloadBackup.h"
#include "session/EraseSelection.h"
#include "session/FileUi.h"
#include "session/ImageRecorder.h"
#include "session/PortAccessWatch.h"
#include "session/ViewState.h"

namespace hm {
namespace ecu {
class EcuLink;
class TracingLinkPort;
}  // namespace ecu

// What runs the link's ticks: one tick `periodMs` after start (single shot; the session starts
// it again after each tick while the link wants ticks).
class TickSource {
  public:
    virtual ~TickSource() = default;
    virtual void startTicks(int periodMs) = 0;
    virtual void stopTicks() = 0;
    virtual bool ticking() const = 0;
};

// What the session needs from the one who shows it.
class SessionHost {
  public:
    virtual ~SessionHost() = default;
    // Runs `call` on the session's thread once the current event is over. May be called from
    // any thread (the receive thread posts its frames through it).
    virtual void post(std::function<void()> call) = 0;
    // The view state changed: draw it.
    virtual void render(const ViewState& view) = 0;
    // The session is over: the window ends.
    virtual void end() = 0;
    // What to erase from an ECU of `level` (modal; the link keeps ticking meanwhile).
    virtual EraseSelection askEraseSelection(ecu::SupportLevel level) = 0;
};

class Session : public ecu::LinkObserver {
  public:
    static constexpr int kLinkTickMs = 100;

    struct Options {
        // The link's transport (not owned; must outlive the session). nullptr: no ECU link,
        // the session works offline from the start.
        ecu::ILinkPort* port = nullptr;
        std::vector<std::string> byIdNames;  // per port table entry, for the lamp's tooltip
        // Examines the devices named in the changes, appends the new ones to the port table
        // and returns the by-id names of the whole table (empty: the table stays as it is).
        std::function<std::vector<std::string>(const ecu::PortChanges&)> refreshPorts;
        // The devices the scan left out and why, for the retry question's details.
        std::function<std::vector<ecu::LeftOutPort>()> leftOutPorts;
        // True when device folders are watched (new devices come through portsChanged); false:
        // the table is refreshed at the start of a search the user asks for.
        bool devicesWatched = false;
        ecu::KeyConstants keys = ecu::kDefaultKeyConstants;
        std::string settingsPath;  // settings file (empty: none is read)
        bool startTicks = true;    // false: the clock is not started (tests)
        // The link trace also goes here, line by line (not owned; must outlive the session).
        std::ostream* traceFile = nullptr;
        // Started to show a file: a search that finds no ECU goes offline without asking
        // (until the user asks for a search).
        bool offlineWhenNotFound = false;
        // Where the lamp's tooltip looks up a USB adapter's facts.
        std::string sysClassTtyDir = "/sys/class/tty";
        // Every completed download, loaded file and saved file goes here too (not owned; must
        // outlive the session). nullptr: nothing is recorded.
        ImageRecorder* recorder = nullptr;
    };

    Session(Options options, IFileUi& ui, SessionHost& host, TickSource& clock);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // ---- Intents -------------------------------------------------------------------------
    // The load button: asks for a file (IFileUi::chooseOpenFile) and loads it.
    void load();
    // Loads `path` as the load button loads a chosen file (file argument, a second start's
    // hand-over, a dropped file). False, doing nothing, while loading is off (an ECU operation
    // fills the image, or another load is running).
    bool loadFile(const std::string& path);
    bool canLoad() const { return view_.buttons.load; }
    // Shows the data image `bytes` (a download kept in the trailer library) as a loaded file
    // named `label` in the title. Refused (false, nothing changes) while loading is off, as
    // loadFile is. Bytes that are not a valid data image are refused with a message (true: the
    // request was taken). The download kept for the backup rule stays as it is.
    bool loadBytes(const ImageBytes& bytes, const std::string& label);
    void save();
    void reload();
    void next();
    void previous();
    // Changes the selected graph (next and previous start from it) without showing it.
    void selectGraph(int graphNumber);
    // The display update for graph n (0 = blank); does not change the selected graph.
    void showGraph(int graphNumber);
    // The erase button: security access, the selection (SessionHost), the backup and the
    // confirmation, then the erase.
    void erase();
    // "Search for ECU": a new pass over the ports while working offline or asked.
    void search();
    // The answer to the retry question: Yes searches again, No works offline.
    void answerRetry(bool searchAgain);
    // Close (the button, Escape, the close box): stops the ECU session first; a second close
    // ends at once.
    void close();
    // A tick of the clock.
    void tick();
    // Hands every frame queued by the receive thread to the link.
    void drainFrames();
    // Devices appeared in a watched folder (or `changes.everything`): the port table grows.
    void portsChanged(const ecu::PortChanges& changes);

    // The Settings window's OK: the data folder and the two options take effect at once and are
    // written to the settings file (applySettings); the load and save tooltips follow. False
    // with `error` (a sentence), nothing changed.
    bool changeSettings(const Settings& settings, std::string& error);

    // ---- What the window draws and reads ---------------------------------------------------
    const ViewState& view() const { return view_; }
    const FleetDataImage& image() const { return image_; }
    const GraphDisplayRecord& graphRecord() const { return record_; }
    const GraphTexts& graphTexts() const { return texts_; }
    uint32_t shownIntervalCount() const { return shownIntervalCount_; }
    const DialogState& dialogState() const { return state_; }
    const DataFileState& dataFileState() const { return files_; }
    const std::string& loadedFileName() const { return files_.loadedFileName; }
    const std::string& lastSavedPath() const { return lastSavedPath_; }
    // The ECU type of the data shown (empty when the data did not come from an ECU).
    std::string shownEcuType() const;
    ecu::TraceRing& traceRing() { return traceRing_; }
    bool ended() const { return ended_; }

    // ---- LinkObserver ----------------------------------------------------------------------
    void searching(int index, int count) override;
    void probing(const ecu::PortAttempt& port) override;
    void portTried(const ecu::PortAttempt& attempt) override;
    void connected(const ecu::PortAttempt& port) override;
    void searchFailed(const std::vector<ecu::PortAttempt>& attempts) override;
    void workingOffline() override;
    void connectionLost(const std::string& request, ecu::LossReason reason) override;
    void ecuType(const std::string& type, ecu::SupportLevel level) override;
    void operationStarted(ecu::LinkOperation operation, int total) override;
    void operationStep(ecu::StepKind kind) override;
    void operationFinished(ecu::LinkOperation operation) override;
    void notice(ecu::LinkNotice notice) override;
    void closeDone() override;

  private:
    friend class SessionTestPeer;

    void startLink();
    void loadWith(IFileUi& ui);
    void applyLoad(const LoadResult& result, const FleetDataImage& chosen);
    // Recomputes the buttons from the state and the link, then hands the view to the host.
    void publish();
    void setTitle(std::string stateText, bool namesEcu);
    void setLamp(int icon);
    void setLampTooltip(const std::string& text);
    void setEcuField(const std::string& type);
    void startProgress(int total);
    void stepProgress();
    void endProgress();
    void askRetry();
    void endNow();
    void postMessage(std::string text, MessageIcon icon);
    bool backUpBeforeErase(EraseAction action);
    // Saves a download not saved yet; `savedPattern` (its last placeholder the path, the others
    // `args`) tells the user where, a failure is posted with `ifFailed` appended.
    bool keepDownload(const std::string& savedPattern, std::vector<std::string> args,
                      const std::string& ifFailed);
    void forgetEcuDisplay();
    // An erase starts: a file shown over the download gives way to the ECU's own data.
    void eraseOnEcuData(ecu::LinkOperation operation);
    void recordImage(ImageRecorder::Moment moment, const std::string& path);
    bool imageBusy() const;
    void updateSummary();

    Options options_;
    IFileUi& ui_;
    SessionHost& host_;
    TickSource& clock_;
    ViewState view_;
    FleetDataImage image_{};
    GraphDisplayRecord record_;
    GraphTexts texts_;
    uint32_t shownIntervalCount_ = 0;
    DataFileState files_;
    DialogState state_;
    std::string lastSavedPath_;
    ecu::SupportLevel ecuLevel_ = ecu::SupportLevel::None;  // of the ECU connected last
    std::string ecuTypeText_ = "---";                       // of the ECU connected last
    std::string titleBeforeDownload_;  // what an unsupported ECU's download gives back
    ecu::PortEntry connectedPort_;
    DownloadBackup backup_;       // the last completed ECU read and whether it is saved
    bool titleNamesEcu_ = false;  // the title names the ECU's data or a download under way
    bool offlineWhenNotFound_ = false;
    bool ended_ = false;
    std::vector<ecu::PortAttempt> passAttempts_;  // of the pass that found no ECU
    PortAccessWatch access_;
    // The link's port is always traced into the ring, so the trace view shows the history of
    // the session when it opens.
    ecu::TraceRing traceRing_;
    std::unique_ptr<ecu::TracingLinkPort> tracer_;
    std::unique_ptr<ecu::EcuLink> link_;
    FleetDataImage summarised_{};  // the image view_.summary was made of
};

}  // namespace hm
