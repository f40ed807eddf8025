#pragma once
// The main window: a fixed-size dialog laid out in dialog units, the column of icon buttons, the
// graph fields and the histogram control. It owns the fleet data image, the graph display
// record, the data-file state and the ECU link, and is the link's host (ILinkHost): timer 1101
// (100 ms) drives EcuLink::OnLinkTimer and frames that arrive between ticks are handled at
// once through a queued call. Every member runs on the window thread.
// It owns its print preview controller; the other windows it opens (stability dialog,
// information dialog, print preview, erase dialog) get what they need when they are made.
#include <QDialog>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ecu/LinkHost.h"
#include "ecu/LinkPort.h"
#include "ecu/SecurityKey.h"
#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphDisplay.h"
#include "mainwindow/QtFileUi.h"
#include "mainwindow/core/DataFileController.h"
#include "mainwindow/core/EraseSelection.h"
#include "mainwindow/core/PortAccessWatch.h"
#include "print/CPrintGraphApp.h"
#include "print/PrintDialogRunner.h"
#include "widgets/core/DialogUnits.h"

class QLineEdit;
class QProgressBar;
class QGroupBox;

namespace hm {
namespace ecu {
class EcuLink;
}
class CButtonST;
class CHistogramCtrl;

class CHaulDlg : public QDialog, public ecu::ILinkHost {
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

    struct Options {
        // The link's transport (not owned; must outlive the dialog). nullptr: no ECU link, the
        // window works offline from the start.
        ecu::ILinkPort* port = nullptr;
        std::vector<std::string> byIdNames;  // per port table entry, for the status tooltip
        ecu::KeyConstants keys = ecu::kDefaultKeyConstants;
        std::string settingsPath;  // settings file (empty: none is read)
        bool startLinkTimer = true;
        // What the print preview asks where to print (empty: QPrintDialog).
        PrintDialogRunner printDialog;
    };

    explicit CHaulDlg(Options options, QWidget* parent = nullptr);
    ~CHaulDlg() override;

    // ---- ILinkHost ----------------------------------------------------------------------
    void setTitleState(const std::string& stateText) override;
    void enableButton(int controlId, bool enabled) override;
    void setEcuTypeText(const std::string& text) override;
    void startProgress(int total) override;
    void stepProgress() override;
    void endProgress() override;
    void hideProgressBar() override;
    void showGraph(int graphNumber) override;
    void setSelectedGraph(int graphNumber) override;
    void setStatusIcon(ecu::StatusIcon icon) override;
    void setStatusTooltip(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text, MessageIcon icon) override;
    void stopLinkTimer() override;
    void endDialog() override;

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
    // Runs the stability snapshot dialog modally (window-modal, so a preview opened from it
    // stays usable).
    void onStability();
    // A record button of the stability dialog (n = 1..32): unless a preview is open, selects
    // record n - 1 and opens the stability page preview.
    void printStabilityRecord(int recordNumber);
    // Opens the graph information dialog for the selected graph.
    void onInformation();
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
    // The stability record chosen for printing (during a record sequence the link's counter).
    int selectedRecord() const;
    void setSelectedRecord(int record);
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
    QRect duRect(int left, int top, int width, int height) const;
    CButtonST* addButton(int id, int left, int top, int width, int height, int iconId, int tipId,
                         bool enabled);
    QLineEdit* addField(int id, int left, int top, int width, int height, Qt::Alignment align);
    void applyFileTooltips();
    void loadWith(IFileUi& ui);
    void onLinkTick();
    void drainFrames();
    void endNow();
    // Opens the print preview of the page that printPageKind selects; previewOpen() is true
    // while the preview window exists.
    void openPreview();
    // True while a download or an erase fills the image from the ECU: load, save, reload and
    // erase refuse then, and the load button is off.
    bool imageBusy() const;
    // Brings the busy state and the load button up to date with the link.
    void syncBusy();
    // Before an erase: saves the data downloaded from this ECU (unless saved already) and asks
    // for confirmation naming the file. False (save failed, or No): nothing is erased.
    bool backUpBeforeErase(EraseAction action);

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
    bool linkTimerStopped_ = false;
    bool operationRunning_ = false;  // from startProgress to endProgress (or the link's loss)
    bool loading_ = false;           // the load's file dialog is open
    FleetDataImage downloaded_{};    // the image as the last ECU read completed it
    bool hasDownload_ = false;
    bool downloadSaved_ = false;  // downloaded_ was saved (by the user or as a backup)

    std::map<int, QWidget*> controls_;
    CHistogramCtrl* histogram_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QGroupBox* ecuGroup_ = nullptr;

    std::unique_ptr<PortAccessWatch> watch_;
    std::unique_ptr<ecu::EcuLink> link_;
    QTimer linkTimer_;
};

}  // namespace hm
