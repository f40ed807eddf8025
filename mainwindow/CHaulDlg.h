#pragma once
// The main window: a fixed-size dialog laid out in dialog units, the column of icon buttons, the
// graph fields and the histogram control. It owns the fleet data image, the graph display
// record, the data-file state and the ECU link, and observes the link (LinkObserver): timer
// 1101 (100 ms) drives EcuLink::OnLinkTimer and frames that arrive between ticks are handled
// at once through a queued call. Every member runs on the window thread. The link's events
// change the dialog's state (DialogState) and widgets; every button's enabled state is
// computed from that state in one place (applyButtons). Questions and messages that an event
// calls for are shown through queued calls, never inside a tick or a frame handler.
// It owns its print preview controller; the other windows it opens (stability dialog,
// information dialog, print preview, erase dialog) get what they need when they are made.
#include <QDialog>
#include <QPointer>
#include <QTimer>
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
#include "ecu/TraceRing.h"
#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphDisplay.h"
#include "mainwindow/QtFileUi.h"
#include "mainwindow/core/DataFileController.h"
#include "mainwindow/core/DialogButtons.h"
#include "mainwindow/core/DownloadBackup.h"
#include "mainwindow/core/EraseSelection.h"
#include "mainwindow/core/PortAccessWatch.h"
#include "print/CPrintGraphApp.h"
#include "print/PrintDialogRunner.h"
#include "widgets/core/DialogUnitMath.h"

class QLineEdit;
class QProgressBar;
class QGroupBox;
class QSocketNotifier;

namespace hm {
namespace ecu {
class EcuLink;
class TracingLinkPort;
}  // namespace ecu
class CButtonST;
class CHistogramCtrl;
class LinkTraceView;

class CHaulDlg : public QDialog, public ecu::LinkObserver {
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
    static constexpr int kLinkTimerMs = 100;
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
    };

    explicit CHaulDlg(Options options, QWidget* parent = nullptr);
    ~CHaulDlg() override;

    // ---- LinkObserver ------------------------------------------------------------------
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

    // ---- Display -------------------------------------------------------------------------
    // Window title: the title base followed by `stateText` (e.g. " [ ... ]", " [ ECU Data ]").
    void setTitleState(const std::string& stateText);
    // The display update for graph n (0 = blank); does not change the selected graph number.
    void showGraph(int graphNumber);
    // Changes the selected graph number (the next and previous buttons start from it).
    void setSelectedGraph(int graphNumber);
    // The state the buttons are computed from.
    const DialogState& dialogState() const { return state_; }

    // ---- Commands ------------------------------------------------------------------------
    void onLoad();
    // Loads the data file at `path` as the load button does with a file chosen in its dialog
    // (file argument, a second start's hand-over, a dropped file). False, doing nothing, while
    // the load button is disabled (a download or another load is running).
    bool loadFile(const std::string& path);
    void onSave();
    void onReload();
    void onNext();
    void onPrevious();
    void onClose();
    void onAbout();
    // The context menu's "Search for ECU": a new pass over the ports while working offline.
    void searchForEcu();
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
    // Runs the erase selection dialog and starts the chosen ECU operation.
    void eraseSelected();
    // Print: opens the preview of the current graph unless one is open already.
    void onPrint();
    // What the print preview draws, as it is now.
    PageInputs pageInputs() const;

    // ---- What the other windows read -------------------------------------------------------
    FleetDataImage& image() { return image_; }
    const GraphDisplayRecord& graphRecord() const { return record_; }
    int selectedGraph() const { return record_.selectedGraph; }
    const std::string& loadedFileName() const { return files_.state.loadedFileName; }
    uint32_t shownIntervalCount() const { return shownIntervalCount_; }
    // True while the print preview window exists.
    bool previewOpen() const { return preview_.previewOpen(); }
    CPrintGraphApp& preview() { return preview_; }
    PageKind printPageKind() const { return printPageKind_; }
    void setPrintPageKind(PageKind kind) { printPageKind_ = kind; }
    // The stability record chosen for printing.
    int selectedRecord() const { return selectedRecord_; }
    void setSelectedRecord(int record) { selectedRecord_ = record; }
    // The ECU link, or nullptr when the window has none.
    ecu::EcuLink* link() { return link_.get(); }
    DataFileState& dataFileState() { return files_.state; }
    QtFileUi& fileUi() { return fileUi_; }
    int progressStep() const { return progressStep_; }
    // Path of the data file written by the last save ("" when none was written).
    const std::string& lastSavedPath() const { return lastSavedPath_; }
    int progressTotal() const { return progressTotal_; }

    // ---- Inspection (tests, self-test) ---------------------------------------------------------
    QWidget* control(int id) const;
    CButtonST* button(int id) const;
    QString fieldText(int id) const;
    CHistogramCtrl* histogram() const { return histogram_; }
    DialogBaseUnits baseUnits() const { return base_; }
    bool linkTimerActive() const { return linkTimer_.isActive(); }
    // The texts of the last display update.
    const GraphTexts& graphTexts() const { return texts_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct Files {
        DataFileState state;
    };

    void buildControls();
    // F1 for the about box, and the keys of the buttons.
    void setUpKeys();
    void startLink();
    // The graph title, progress bar, the read-only fields around the chart and the ECU type.
    void buildFields();
    QRect duRect(int left, int top, int width, int height) const;
    CButtonST* addButton(int id, int left, int top, int width, int height, int iconId, int tipId,
                         bool enabled);
    QLineEdit* addField(int id, int left, int top, int width, int height, Qt::Alignment align);
    void applyFileTooltips();
    void loadWith(IFileUi& ui);
    void onLinkTick();
    void drainFrames();
    void endNow();
    // Sets every button from buttonStates(state_); the only place buttons are enabled.
    void applyButtons();
    void setEcuTypeText(const std::string& text);
    void setStatusIcon(int iconId);
    // The scale text or the two distance labels under the chart, for the graph shown.
    void showScale();
    void setStatusTooltip(const std::string& text);
    void startProgress(int total);
    void stepProgress();
    void endProgress();
    // The retry question after a pass found no ECU (a queued call), with each port tried and
    // what happened on it in its details: Yes searches again, No works offline.
    void askRetry();
    // Watches the device folders (Options::watchDevices) without polling.
    void watchForAdapters();
    // A device folder changed: the names that appeared are collected, and a burst of changes
    // is taken in one refresh kPortRefreshDelayMs after its first event.
    void devicesChanged();
    // Appends devices that appeared since the table was made (Options::refreshPorts): those
    // named in `changes`, or all of them.
    void refreshPortTable(const ecu::PortChanges& changes = {{}, {}, true});
    // Shows a message box from a queued call, after the event that asked for it.
    void postMessage(std::string text, MessageIcon icon);
    // Opens the print preview of the page that printPageKind selects; previewOpen() is true
    // while the preview window exists.
    void openPreview();
    // True while a download or an erase fills the image from the ECU: load, save, reload and
    // erase refuse then, and the load button is off.
    bool imageBusy() const { return hm::imageBusy(state_); }
    // Before an erase: saves the data downloaded from this ECU (unless saved already) and asks
    // for confirmation naming the file. False (save failed, or No): nothing is erased.
    bool backUpBeforeErase(EraseAction action);
    // Before a reload or after a lost connection: an unsaved download is saved, and a notice
    // that does not block names the file ("<occasion> the data ... was saved to <path>").
    // False when it could not be saved: a message says why, followed by `ifFailed`.
    bool keepDownload(const std::string& occasion, const std::string& ifFailed);
    // The display of an ECU that is gone: blank graph, title " [ No Data Loaded ]". A file
    // on display stays.
    void forgetEcuDisplay();

    Options options_;
    CPrintGraphApp preview_;
    DialogBaseUnits base_;
    FleetDataImage image_{};
    GraphDisplayRecord record_;
    GraphTexts texts_;
    uint32_t shownIntervalCount_ = 0;
    Files files_;
    QtFileUi fileUi_{this};
    QString titleBase_;
    int progressTotal_ = 0;
    int progressStep_ = 0;
    PageKind printPageKind_ = PageKind::Graph;
    int selectedRecord_ = 0;
    bool endAllowed_ = false;
    std::string lastSavedPath_;
    DialogState state_;
    ecu::SupportLevel ecuLevel_ = ecu::SupportLevel::None;  // of the ECU connected last
    std::string ecuTypeText_ = "---";                       // of the ECU connected last
    ecu::PortEntry connectedPort_;
    DownloadBackup backup_;  // the last completed ECU read and whether it is saved
    bool ecuTitle_ = false;  // the title names the ECU's data or a download under way
    bool offlineWhenNotFound_ = false;

    std::map<int, QWidget*> controls_;
    CHistogramCtrl* histogram_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QGroupBox* ecuGroup_ = nullptr;

    // The link's port is always traced into the ring (a short locked push per frame), so the
    // trace view shows the history of the session when it opens.
    ecu::TraceRing traceRing_;
    std::unique_ptr<ecu::TracingLinkPort> tracer_;
    QPointer<LinkTraceView> traceView_;
    std::unique_ptr<PortAccessWatch> watch_;
    std::unique_ptr<ecu::PortWatcher> deviceWatcher_;
    // Reads deviceWatcher_'s descriptor; declared after it so that it is destroyed first.
    std::unique_ptr<QSocketNotifier> deviceNotifier_;
    ecu::PortChanges pendingPortChanges_;  // collected until portRefreshTimer_ fires
    QTimer portRefreshTimer_;
    std::vector<ecu::PortAttempt> passAttempts_;  // of the pass that found no ECU
    std::unique_ptr<ecu::EcuLink> link_;
    QTimer linkTimer_;
};

}  // namespace hm
