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
#include "printing/PrintModule.h"
#include "session/Session.h"
#include "session/SettingsValues.h"
#include "session/ViewState.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QGroupBox;
class QSocketNotifier;

namespace hm {
class CButtonST;
class CHistogramCtrl;
class LinkTraceView;

class CHaulDlg : public QDialog, private SessionHost, private TickSource {
    Q_OBJECT

  public:
    // Control ids of the dialog (the numbers of the dialog template).
    enum class ControlId {
        Close = 2,
        Status = 1001,
        Save = 1003,
        Erase = 1004,
        ScaleText = 1005,
        Reload = 1006,
        TopValue = 1007,
        GraphTitle = 1008,
        HorizontalUnit = 1009,
        VerticalUnit = 1010,
        LeftDistance = 1011,
        BottomValue = 1012,
        Load = 1013,
        RightDistance = 1014,
        Next = 1015,
        Previous = 1016,
        Information = 1018,
        Print = 1021,
        Stability = 1022,
        EcuType = 1053,
        Progress = 1054,
        Histogram = 100,
    };
    static constexpr int kLinkTimerMs = Session::kLinkTickMs;
    static constexpr int kPortRefreshDelayMs = 200;

    // What the window is made with: the options of the session it draws, and what only a
    // window has.
    struct Options {
        // The session's options. Its `devicesWatched` is set by the window: true when the
        // folders of `watchDevices` are watched.
        Session::Options session;
        // Device folders watched for adapters plugged in; they join the table
        // (session.refreshPorts) and are probed in the next pass. Unset, or without
        // session.port or session.refreshPorts: nothing is watched.
        std::optional<ecu::PortScanConfig> watchDevices;
        // What the print preview asks where to print (empty: QPrintDialog).
        PrintDialogRunner printDialog;
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
    // The erase button: the erase selection dialog, then the chosen ECU operation.
    void onErase() { session_->erase(); }
    void onNext() { session_->next(); }
    void onPrevious() { session_->previous(); }
    void onClose() { session_->close(); }
    void onAbout();
    // The context menu's "Search for ECU": a new pass over the ports while working offline.
    void searchForEcu() { session_->search(); }
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
    // What the reports of the print preview's File menu tell beyond the data file (the program
    // sets it: the library, the workshop); unset, the report of the data file alone. Taken each
    // time a preview window is built.
    void setReportContext(ReportContextFn context) { reportContext_ = std::move(context); }
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
    // Print: opens the preview of the current graph unless one is open already.
    void onPrint();

    // Where the session asks its questions and shows its messages (owned by the window).
    QtFileUi& fileUi() { return fileUi_; }

    // ---- The controls (accessible names, self-test) -------------------------------------------
    // The control of `id` (nullptr for an id the window has not made).
    QWidget* control(ControlId id) const;
    // The icon button of `id` (nullptr when that control is no icon button).
    CButtonST* button(ControlId id) const;
    // The text of a field or label ("" for any other control).
    QString fieldText(ControlId id) const;
    CHistogramCtrl* histogram() const { return histogram_; }

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
    // The graph title, progress bar, the read-only fields around the chart and the ECU type.
    void buildFields();
    QRect duRect(int left, int top, int width, int height) const;
    CButtonST* addButton(ControlId id, int left, int top, int width, int height, int iconId,
                         int tipId, bool enabled);
    QLineEdit* addField(ControlId id, int left, int top, int width, int height,
                        Qt::Alignment align);
    // The button of each id and whether the button table has it on.
    static std::array<std::pair<ControlId, bool>, 9> buttonRows(const ButtonStates& b);
    // True when the view has button `id` on (a key goes through its button only then).
    bool buttonOn(ControlId id) const;
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
    void setText(ControlId id, const std::string& text);
    // Watches `folders` without polling (nothing when unset).
    void watchForAdapters(const std::optional<ecu::PortScanConfig>& folders);
    // A device folder changed: the names that appeared are collected, and a burst of changes
    // is taken in one refresh kPortRefreshDelayMs after its first event.
    void devicesChanged();
    // Opens the print preview of the page that printPageKind_ selects.
    void openPreview();
    // The print preview's controller, made at the first print from the printing module; null
    // (the user told why) when printing cannot be loaded.
    PrintPreview* preview();
    // What the print preview draws, as it is now.
    PageInputs pageInputs() const;

    friend class CHaulDlgTestPeer;

    PrintDialogRunner printDialog_;
    ReportContextFn reportContext_;
    std::unique_ptr<PrintPreview> preview_;
    QtFileUi fileUi_{this};
    QString titleBase_;
    PageKind printPageKind_ = PageKind::Graph;
    int selectedRecord_ = 0;
    bool endAllowed_ = false;
    ViewState shown_;  // what the widgets show (the last view drawn)

    std::map<ControlId, QWidget*> controls_;
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
