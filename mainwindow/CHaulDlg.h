#pragma once
// The main window: a fixed-size dialog laid out in dialog units, the column of icon buttons, the
// graph fields and the histogram control. It draws the ViewState of its Session (session/) and
// forwards the user's intents to it; it reads nothing back from its widgets. It is the session's
// host (queued calls, the erase selection, the end of the window) and its clock (a single-shot
// timer of Session::kLinkTickMs). It owns what only a window has: the print preview, the link
// trace view, the device folder watcher and the dialogs it opens (stability, information,
// erase selection, about).
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ecu/LinkEvents.h"
#include "ecu/LinkPort.h"
#include "ecu/PortWatcher.h"
#include "ecu/SecurityKey.h"
#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphDisplay.h"
#include "mainwindow/QtFileUi.h"
#include "print/CPrintGraphApp.h"
#include "print/PrintDialogRunner.h"
#include "session/Session.h"
#include "session/SettingsValues.h"
#include "session/ViewState.h"
#include "widgets/DialogUnits.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QGroupBox;
class QSocketNotifier;

namespace hm {
namespace ecu {
class EcuLink;
}  // namespace ecu
class CButtonST;
class CHistogramCtrl;
class LinkTraceView;

class CHaulDlg : public QDialog, private SessionHost, private TickSource {
    Q_OBJECT

  public:
    // Control ids of the dialog.
    enum ControlId {
        kClose = 2,
        kStatus = 1001,
        kSave = 1003,
        kWrite = 1004,
        kScaleText = 1005,
        kReload = 1006,
        kTopValue = 1007,
        kGraphTitle = 1008,
        kHorizontalUnit = 1009,
        kVerticalUnit = 1010,
        kLeftDistance = 1011,
        kBottomValue = 1012,
        kLoad = 1013,
        kRightDistance = 1014,
        kNext = 1015,
        kPrevious = 1016,
        kInformation = 1018,
        kPrint = 1021,
        kStability = 1022,
        kEcuType = 1053,
        kProgress = 1054,
        kHistogram = 100,
    };
    static constexpr int kLinkTimerMs = Session::kLinkTickMs;
    static constexpr int kPortRefreshDelayMs = 200;

    struct Options {
        // The link's transport (not owned; must outlive the dialog). nullptr: no ECU link, the
        // window works offline from the start.
        ecu::ILinkPort* port = nullptr;
        std::vector<std::string> byIdNames;  // per port table entry, for the status tooltip
        // Examines the devices named in the changes (everything again when the changes say
        // so), appends the new ones to the port table and returns the by-id names of the whole
        // table (empty function: the table stays as it is).
        std::function<std::vector<std::string>(const ecu::PortChanges&)> refreshPorts;
        // The devices the scan left out and why, for the retry question's details.
        std::function<std::vector<ecu::LeftOutPort>()> leftOutPorts;
        // Device folders watched for adapters plugged in; they join the table (refreshPorts)
        // and are probed in the next pass. Unset: nothing is watched.
        std::optional<ecu::PortScanConfig> watchDevices;
        ecu::KeyConstants keys = ecu::kDefaultKeyConstants;
        std::string settingsPath;  // settings file (empty: none is read)
        bool startLinkTimer = true;
        // What the print preview asks where to print (empty: QPrintDialog).
        PrintDialogRunner printDialog;
        // The link trace also goes here, line by line (not owned; must outlive the dialog).
        std::ostream* traceFile = nullptr;
        // Started to show a file: a search that finds no ECU goes offline without asking
        // (until the user asks for a search with "Search for ECU").
        bool offlineWhenNotFound = false;
        // Every completed download, loaded file and saved file goes here too (not owned; must
        // outlive the dialog). nullptr: nothing is recorded.
        ImageRecorder* recorder = nullptr;
        // The trailer library the window shows (--library; "" for the usual choice).
        std::string library;
    };

    explicit CHaulDlg(Options options, QWidget* parent = nullptr);
    ~CHaulDlg() override;

    // The session the window draws.
    Session& session() { return *session_; }
    const Session& session() const { return *session_; }

    // ---- Intents (forwarded to the session) --------------------------------------------------
    void onLoad() { session_->load(); }
    // Loads the data file at `path` as the load button does with a file chosen in its dialog
    // (file argument, a second start's hand-over, a dropped file). False, doing nothing, while
    // loading is off (a download or another load is running).
    bool loadFile(const std::string& path) { return session_->loadFile(path); }
    bool canLoadFile() const { return session_->canLoad(); }
    // Shows a download of the trailer library (its data bytes) as a loaded file named `label`;
    // refused like loadFile.
    bool loadBytes(const ImageBytes& bytes, const std::string& label) {
        return session_->loadBytes(bytes, label);
    }
    void onSave() { session_->save(); }
    void onReload() { session_->reload(); }
    void onNext() { session_->next(); }
    void onPrevious() { session_->previous(); }
    void onClose() { session_->close(); }
    void onAbout();
    // The context menu's "Search for ECU": a new pass over the ports while working offline.
    void searchForEcu() { session_->search(); }
    // Runs the erase selection dialog and starts the chosen ECU operation.
    void eraseSelected() { session_->erase(); }
    void setSelectedGraph(int graphNumber) { session_->selectGraph(graphNumber); }
    void showGraph(int graphNumber) { session_->showGraph(graphNumber); }
    // Runs the stability snapshot dialog modally (window-modal, so a preview opened from it
    // stays usable).
    void onStability();
    // A record button of the stability dialog (n = 1..32): unless a preview is open, selects
    // record n - 1 and opens the stability page preview.
    void printStabilityRecord(int recordNumber);
    // Opens the graph information dialog for the selected graph.
    void onInformation();
    // Opens the link trace view, or raises it when it is open already.
    void openLinkTrace();
    // What the context menu's "Library..." and its key (kLibraryKey) call: opens the trailer
    // library window or raises it (the program sets it; unset, the entry is off).
    void setLibraryOpener(std::function<void()> open) { openLibrary_ = std::move(open); }
    void openLibrary();
    static constexpr QKeyCombination kLibraryKey{Qt::CTRL, Qt::Key_L};
    // How the Settings window reads and writes the library settings file (the program sets
    // it; unset, the window shows the library and workshop fields read-only).
    void setLibrarySettingsAccess(LibrarySettingsAccess access) {
        librarySettings_ = std::move(access);
    }
    // The context menu's "Settings...": runs the Settings window (CHaulDlgSettings.cpp) and
    // applies what it hands back: the data folder and options through the session, the library
    // settings through the access. A failure is shown and the window opens again with the
    // values chosen, until they are taken or the user cancels.
    void openSettings();
    static constexpr QKeyCombination kFindingsKey{Qt::CTRL, Qt::Key_F};
    // The findings line (tests read it; hidden while no data is on display).
    QPushButton* findingsLine() const { return findingsLine_; }
    // Print: opens the preview of the current graph unless one is open already.
    void onPrint();
    // What the print preview draws, as it is now.
    PageInputs pageInputs() const;

    // ---- What the other windows read -------------------------------------------------------
    FleetDataImage& image() { return session_->image(); }
    const GraphDisplayRecord& graphRecord() const { return session_->graphRecord(); }
    int selectedGraph() const { return session_->graphRecord().selectedGraph; }
    const std::string& loadedFileName() const { return session_->loadedFileName(); }
    uint32_t shownIntervalCount() const { return session_->shownIntervalCount(); }
    const DialogState& dialogState() const { return session_->dialogState(); }
    // True while the print preview window exists.
    bool previewOpen() const { return preview_.previewOpen(); }
    CPrintGraphApp& preview() { return preview_; }
    PageKind printPageKind() const { return printPageKind_; }
    void setPrintPageKind(PageKind kind) { printPageKind_ = kind; }
    // The stability record chosen for printing.
    int selectedRecord() const { return selectedRecord_; }
    void setSelectedRecord(int record) { selectedRecord_ = record; }
    // The ECU link, or nullptr when the window has none.
    ecu::EcuLink* link() { return session_->link(); }
    DataFileState& dataFileState() { return session_->dataFileState(); }
    QtFileUi& fileUi() { return fileUi_; }
    int progressStep() const { return session_->view().progressValue; }
    int progressTotal() const { return session_->view().progressTotal; }
    // Path of the data file written by the last save ("" when none was written).
    const std::string& lastSavedPath() const { return session_->lastSavedPath(); }

    // ---- Inspection (tests, self-test) ---------------------------------------------------------
    QWidget* control(int id) const;
    CButtonST* button(int id) const;
    QString fieldText(int id) const;
    CHistogramCtrl* histogram() const { return histogram_; }
    DialogBaseUnits baseUnits() const {
        const DialogUnits units = DialogUnits::layoutUnits();
        return DialogBaseUnits{units.baseX(), units.baseY()};
    }
    bool linkTimerActive() const { return linkTimer_.isActive(); }
    // The texts of the last display update.
    const GraphTexts& graphTexts() const { return session_->graphTexts(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // ---- SessionHost and TickSource --------------------------------------------------------
    void post(std::function<void()> call) override;
    void render(const ViewState& view) override;
    void end() override;
    EraseSelection askEraseSelection(ecu::SupportLevel level) override;
    void startTicks(int periodMs) override { linkTimer_.start(periodMs); }
    void stopTicks() override { linkTimer_.stop(); }
    bool ticking() const override { return linkTimer_.isActive(); }

    void buildControls();
    // F1 for the about box, and the keys of the buttons.
    void setUpKeys();
    Session::Options sessionOptions() const;
    // The graph title, progress bar, the read-only fields around the chart and the ECU type.
    void buildFields();
    QRect duRect(int left, int top, int width, int height) const;
    CButtonST* addButton(int id, int left, int top, int width, int height, int iconId, int tipId,
                         bool enabled);
    QLineEdit* addField(int id, int left, int top, int width, int height, Qt::Alignment align);
    // The button of each id and whether the button table has it on.
    static std::array<std::pair<int, bool>, 9> buttonRows(const ButtonStates& b);
    // True when the view has button `id` on (a key goes through its button only then).
    bool buttonOn(int id) const;
    void renderButtons(const ButtonStates& b);
    void renderLamp(const ViewState& view);
    void renderProgress(const ViewState& view);
    // The findings line above the graph title: the trailer, its distance and the findings of
    // the data on display (FindingsLine.cpp); hidden while no data is on display.
    void buildFindingsLine();
    void renderSummary(const DataSummary& summary);
    // Opens the findings window of the data on display (the line's click and kFindingsKey).
    void showFindings();
    // The graph of the session's last display update: chart, fields and scale.
    void drawGraph();
    // The scale text or the two distance labels under the chart, for the graph shown.
    void showScale(const GraphTexts& texts);
    void setText(int id, const std::string& text);
    // Watches the device folders (Options::watchDevices) without polling.
    void watchForAdapters();
    // A device folder changed: the names that appeared are collected, and a burst of changes
    // is taken in one refresh kPortRefreshDelayMs after its first event.
    void devicesChanged();
    // Opens the print preview of the page that printPageKind selects; previewOpen() is true
    // while the preview window exists.
    void openPreview();

    Options options_;
    CPrintGraphApp preview_;
    QtFileUi fileUi_{this};
    QString titleBase_;
    PageKind printPageKind_ = PageKind::Graph;
    int selectedRecord_ = 0;
    bool endAllowed_ = false;
    ViewState shown_;  // what the widgets show (the last view drawn)

    std::map<int, QWidget*> controls_;
    CHistogramCtrl* histogram_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QGroupBox* ecuGroup_ = nullptr;
    QPushButton* findingsLine_ = nullptr;

    QPointer<LinkTraceView> traceView_;
    std::function<void()> openLibrary_;
    LibrarySettingsAccess librarySettings_;
    std::unique_ptr<ecu::PortWatcher> deviceWatcher_;
    // Reads deviceWatcher_'s descriptor; declared after it so that it is destroyed first.
    std::unique_ptr<QSocketNotifier> deviceNotifier_;
    ecu::PortChanges pendingPortChanges_;  // collected until portRefreshTimer_ fires
    QTimer portRefreshTimer_;
    QTimer linkTimer_;
    // Declared last: destroyed first, while the timer it ticks on still exists.
    std::unique_ptr<Session> session_;
};

}  // namespace hm
