#include "session/Session.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "ecu/EcuLink.h"
#include "ecu/PortAttemptText.h"
#include "ecu/TracingLinkPort.h"
#include "figures/Findings.h"
#include "figures/RulesFile.h"
#include "platform/FileAccess.h"
#include "platform/LocalTime.h"
#include "resources/Strings.h"
#include "session/EraseCommand.h"
#include "session/TitleText.h"

namespace hm {
namespace {

// The image of a download as the ECU gave it: never saved, so without the signature and block
// size a save writes (the library keeps downloads so).
bool unsavedDownload(const ImageBytes& bytes) {
    const auto zero = [](uint8_t b) { return b == 0; };
    return std::all_of(bytes.begin(), bytes.begin() + 8, zero) &&
           std::all_of(bytes.end() - 4, bytes.end(), zero);
}

// Title state texts of the session that the string table has no entry for.
constexpr std::string_view kDownloadTitle = " [ ... ]";

// The ECU type is four characters from the wire; wherever it is shown, only printable ones.
std::string printableEcuType(const std::string& type) {
    std::string shown;
    for (char c : type) {
        shown += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return shown;
}

// The load's file dialog answered with a path given from outside; everything else goes to the
// session's own IFileUi.
class GivenFileUi : public IFileUi {
  public:
    GivenFileUi(std::string path, IFileUi& inner) : path_(std::move(path)), inner_(inner) {}
    std::optional<std::string> chooseOpenFile(const std::string&) override { return path_; }
    bool askYesNo(const std::string& text) override { return inner_.askYesNo(text); }
    void showMessage(const std::string& text, MessageIcon icon) override {
        inner_.showMessage(text, icon);
    }

  private:
    std::string path_;
    IFileUi& inner_;
};

// The link's phase as the buttons see it, read from the link itself.
LinkPhase phaseOf(const ecu::EcuLink* link) {
    if (link == nullptr) {
        return LinkPhase::NoLink;
    }
    switch (link->linkState()) {
        case ecu::LinkState::Connected:
        case ecu::LinkState::Polling:
            return LinkPhase::Connected;
        case ecu::LinkState::WaitingForUser:
            return LinkPhase::Waiting;
        case ecu::LinkState::Offline:
            return LinkPhase::Offline;
        case ecu::LinkState::Stopped:
            return LinkPhase::Stopped;
        default:
            return LinkPhase::Searching;
    }
}

}  // namespace

Session::Session(Options options, IFileUi& ui, SessionHost& host, TickSource& clock)
    : options_(std::move(options)),
      ui_(ui),
      host_(host),
      clock_(clock),
      access_(options_.byIdNames, options_.sysClassTtyDir) {
    view_.titleState = strCopy(sid::kNoDataLoaded);
    image_.clear();
    files_.settingsPath = options_.settingsPath;
    if (!options_.settingsPath.empty() && readSettings(files_)) {
        view_.loadTooltip = loadTooltip(files_);
        view_.saveTooltip = saveTooltip(files_);
    }
    offlineWhenNotFound_ = options_.offlineWhenNotFound;
    startLink();
}

Session::~Session() {
    clock_.stopTicks();
    link_.reset();  // closes the port and joins its receive thread
}

// The link over the traced port (the trace ring always, the trace file when given), started
// with the clock; without a port the session works offline.
void Session::startLink() {
    if (options_.port != nullptr) {
        tracer_ =
            std::make_unique<ecu::TracingLinkPort>(*options_.port, options_.traceFile, &traceRing_);
        link_ = std::make_unique<ecu::EcuLink>(*tracer_, *this, image_, options_.keys);
        tracer_->traceDrops(*link_);
        // Frames are queued by the receive thread; the link takes them on this thread at once.
        link_->setFramesArrivedCallback([this] { host_.post([this] { drainFrames(); }); });
        if (options_.startTicks) {
            clock_.startTicks(kLinkTickMs);
        }
    } else {
        setLamp(kLampOff);
        setLampTooltip(strCopy(sid::kWorkingOffline));
    }
    publish();
}

// ---- View --------------------------------------------------------------------------------

void Session::publish() {
    state_.link = phaseOf(link_.get());
    state_.shownGraph = record_.shownGraph;
    view_.buttons = buttonStates(state_);
    view_.searchEnabled =
        link_ && (state_.link == LinkPhase::Offline || state_.link == LinkPhase::Waiting);
    view_.selectedGraph = record_.selectedGraph;
    updateSummary();
    host_.render(view_);
}

// The trailer, distance and findings of the data on display, made again when that data changes.
void Session::updateSummary() {
    const bool shown = state_.data == DataSource::Ecu || state_.data == DataSource::File;
    if (!shown) {
        view_.summary = DataSummary{};
        return;
    }
    if (view_.summary.shown && std::memcmp(&summarised_, &image_, sizeof image_) == 0) {
        return;
    }
    summarised_ = image_;
    DataSummary summary;
    summary.shown = true;
    for (char c : image_.vehicleIdentString()) {
        summary.ident += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    const figures::Figures values = figures::computeFigures(image_);
    summary.distanceKm = values.distanceKm;
    figures::RulesParse rules = figures::loadRules({});
    if (rules.error) {
        summary.rulesNote = rules.error->message;
        summary.rulesLine = rules.error->line;
        rules.rules = figures::defaultRules();
    }
    for (const figures::Finding& f : figures::evaluateFindings(rules.rules, values, nullptr)) {
        summary.findings.push_back(
            {f.severity == figures::Severity::Attention,
             figures::severityText(f.severity) + ": " + figures::findingSentence(f)});
    }
    view_.summary = std::move(summary);
}

void Session::setTitle(std::string stateText, bool namesEcu) {
    view_.titleState = std::move(stateText);
    titleNamesEcu_ = namesEcu;
}

void Session::setLamp(int icon) {
    view_.lamp = icon;
}

void Session::setLampTooltip(const std::string& text) {
    view_.lampTooltip = access_.tooltipFor(text);
}

void Session::setEcuField(const std::string& type) {
    view_.ecuField = printableEcuType(type);
}

void Session::showGraph(int graphNumber) {
    texts_ = computeGraphDisplay(image_, graphNumber, record_, shownIntervalCount_);
    ++view_.graphUpdate;
    publish();
}

bool Session::changeSettings(const Settings& settings, std::string& error) {
    if (!applySettings(files_, settings, error)) {
        return false;
    }
    view_.loadTooltip = loadTooltip(files_);
    view_.saveTooltip = saveTooltip(files_);
    publish();
    return true;
}

void Session::selectGraph(int graphNumber) {
    record_.selectedGraph = graphNumber;
    view_.selectedGraph = graphNumber;
}

std::string Session::shownEcuType() const {
    // A data file does not record which ECU it was read from.
    const bool fromEcu = state_.data == DataSource::Ecu && ecuTypeText_ != "---";
    return fromEcu ? printableEcuType(ecuTypeText_) : std::string();
}

bool Session::imageBusy() const {
    DialogState now = state_;
    now.link = phaseOf(link_.get());
    return hm::imageBusy(now);
}

void Session::startProgress(int total) {
    // An ECU operation fills the image from now on: it is no longer a loaded file's, and the
    // buttons that write the image stay off until the operation ends.
    files_.loadedFileName.clear();
    showGraph(0);
    view_.progressTotal = total;
    view_.progressValue = 0;
    view_.progressShown = true;
}

void Session::stepProgress() {
    ++view_.progressValue;
    if (view_.progressValue <= view_.progressTotal) {
        return;
    }
    // Past the end: the graph shown and the one next/previous start from stay in step.
    selectGraph(1);
    showGraph(1);
    view_.progressShown = false;
}

void Session::endProgress() {
    view_.progressValue = 0;
    view_.progressShown = false;
    // The read that ends every ECU operation is complete: this is what the ECU holds now.
    backup_.readCompleted(image_);
}

void Session::postMessage(std::string text, MessageIcon icon) {
    host_.post([this, text = std::move(text), icon] { ui_.showMessage(text, icon); });
}

// ---- Clock and frames ----------------------------------------------------------------------

void Session::tick() {
    // The clock is single-shot: it is started again after the tick unless the link stopped
    // ticking (a search that found nothing, offline, an unsupported ECU) or the session ended.
    if (link_ && link_->OnLinkTimer() && !ended_) {
        clock_.startTicks(kLinkTickMs);
    }
}

void Session::drainFrames() {
    if (link_) {
        link_->drainFrames();
    }
}

void Session::portsChanged(const ecu::PortChanges& changes) {
    if (options_.refreshPorts && link_) {
        access_.setByIdNames(options_.refreshPorts(changes));
    }
}

void Session::endNow() {
    ended_ = true;
    clock_.stopTicks();
    host_.end();
}

// ---- Link events ---------------------------------------------------------------------------

void Session::searching(int index, int count) {
    if (index >= count) {
        setLamp(kLampOff);  // no port to open (an empty table): a failed attempt
    }
    setLampTooltip(strCopy(sid::kTryingToConnect));
    view_.retryAsked = false;
    state_.ecuReadComplete = false;
    setEcuField("---");
    publish();
}

void Session::probing(const ecu::PortAttempt& port) {
    access_.attempted(port);
    setLamp(kLampProbing);  // the tooltip may still name the port tried before
    publish();
}

void Session::portTried(const ecu::PortAttempt& attempt) {
    access_.attempted(attempt);
    if (attempt.outcome == ecu::AttemptOutcome::OpenFailed ||
        attempt.outcome == ecu::AttemptOutcome::NoReader) {
        setLamp(kLampOff);
    }
    publish();
}

void Session::connected(const ecu::PortAttempt& port) {
    connectedPort_ = port.port;
    setLamp(kLampConnected);
    setLampTooltip(portTooltip(port.port));
    publish();
}

void Session::searchFailed(const std::vector<ecu::PortAttempt>& attempts) {
    passAttempts_ = attempts;
    setLamp(kLampOff);  // no port is open any more
    if (offlineWhenNotFound_) {
        // Started to show a file: no question over it; a search the user asks for asks again.
        link_->workOffline();
        return;
    }
    view_.retryAsked = true;
    publish();
    host_.post([this] { askRetry(); });
}

void Session::askRetry() {
    if (!link_ || ended_ || !view_.retryAsked ||
        link_->linkState() != ecu::LinkState::WaitingForUser) {
        return;
    }
    std::string details = ecu::describePortAttempts(passAttempts_);
    if (options_.leftOutPorts) {
        const std::string leftOut = ecu::describeLeftOutPorts(options_.leftOutPorts());
        details += leftOut.empty() ? "" : "\n" + leftOut;
    }
    answerRetry(ui_.askYesNoWithDetails(strCopy(sid::kRetryQuestion), details));
}

void Session::answerRetry(bool searchAgain) {
    if (!view_.retryAsked) {
        return;
    }
    view_.retryAsked = false;
    if (searchAgain) {
        search();
    } else if (link_) {
        link_->workOffline();
    }
}

void Session::workingOffline() {
    view_.retryAsked = false;
    forgetEcuDisplay();
    // Nothing is probed any more: the lamp goes out instead of staying yellow from the last
    // port that was tried.
    setLamp(kLampOff);
    setLampTooltip(strCopy(sid::kWorkingOffline));
    view_.progressShown = false;
    publish();
}

void Session::forgetEcuDisplay() {
    if (state_.data == DataSource::File || state_.data == DataSource::StabilityOnly) {
        return;  // a file on display has nothing to do with the ECU
    }
    state_.data = DataSource::None;
    showGraph(0);
    if (titleNamesEcu_) {
        setTitle(strCopy(sid::kNoDataLoaded), false);
    }
}

void Session::connectionLost(const std::string& request, ecu::LossReason reason) {
    // The trace stays in English like the rest of the trace; the message is translated.
    const bool hungUp = reason == ecu::LossReason::HungUp;
    std::string what = hungUp ? "line hung up" : "no valid answer in time";
    std::string shown = hungUp ? translate("hm::Session", "line hung up")
                               : translate("hm::Session", "no valid answer in time");
    if (!request.empty()) {
        what += " (waiting for " + request + ")";
        shown = fillPlaceholders(translate("hm::Session", "%1 (waiting for %2)"), {shown, request});
    }
    if (tracer_) {
        tracer_->note("connection lost on " + portTooltip(connectedPort_) + ": " + what);
    }
    if (link_ && link_->closeRequested()) {
        endNow();  // closing: there is no session left to stop
        return;
    }
    state_.operation = ecu::LinkOperation::None;
    state_.ecuReadComplete = false;
    setLamp(kLampOff);
    setLampTooltip(strCopy(sid::kTryingToConnect));
    view_.progressShown = false;
    keepDownload(translate("hm::Session",
                           "The connection to the ECU was lost (%1): the data "
                           "downloaded from this ECU was saved to\n%2"),
                 {shown}, "");
    forgetEcuDisplay();
    publish();
}

void Session::ecuType(const std::string& type, ecu::SupportLevel level) {
    ecuLevel_ = level;
    ecuTypeText_ = type;
    setEcuField(type);
    publish();
}

void Session::operationStarted(ecu::LinkOperation operation, int total) {
    state_.operation = operation;
    state_.eraseHeld = false;
    if (operation == ecu::LinkOperation::ReadBack) {
        publish();  // the erase has been written; the bar goes on with the read
        return;
    }
    if (operation == ecu::LinkOperation::Download) {
        // An ECU that turns out not to be supported ends the download before anything is read:
        // the title comes back then. Data it named is gone with the download's clear.
        const bool namedNoData = state_.data == DataSource::None && !titleNamesEcu_;
        titleBeforeDownload_ = namedNoData ? view_.titleState : strCopy(sid::kNoDataLoaded);
        state_.data = DataSource::None;
        state_.ecuReadComplete = false;
        setTitle(std::string(kDownloadTitle), true);
    } else {
        eraseOnEcuData(operation);
        setEcuField(ecuTypeText_);  // the erase works on this ECU, also after a file load
    }
    startProgress(total);
    publish();
}

void Session::eraseOnEcuData(ecu::LinkOperation operation) {
    if (state_.data != DataSource::File && state_.data != DataSource::StabilityOnly) {
        return;
    }
    // A file is shown over the download. The erase reads the ECU back into the image, so the
    // image starts again from the ECU's last read: the file must lend what is read back
    // neither its identification nor its data (a save afterwards would mix two trailers).
    if (backup_.hasDownload()) {
        image_ = backup_.download();
    } else {
        image_.clear();
    }
    if (operation == ecu::LinkOperation::RecordErase) {
        // The records the link writes to the ECU from now on: zero, as the erase made them.
        std::memset(image_.stabilityRecords, 0, sizeof image_.stabilityRecords);
        image_.stabilityRecordCount = 0;
    }
    state_.data = DataSource::Ecu;
    setTitle(strCopy(sid::kEcuData), true);
}

void Session::operationStep(ecu::StepKind kind) {
    if (kind == ecu::StepKind::BlockRead) {
        setTitle(std::string(kDownloadTitle), true);
    }
    stepProgress();
    publish();
}

void Session::operationFinished(ecu::LinkOperation operation) {
    state_.operation = ecu::LinkOperation::None;
    state_.eraseHeld = false;
    state_.data = DataSource::Ecu;
    state_.ecuReadComplete = true;
    if (ecuLevel_ == ecu::SupportLevel::FleetAndRecords) {
        selectGraph(1);
        showGraph(1);
    } else {
        showGraph(0);
    }
    setTitle(strCopy(sid::kEcuData), true);
    endProgress();
    publish();
    // A download is kept; the read that follows an erase only shows what the erase left.
    if (operation == ecu::LinkOperation::Download) {
        recordImage(ImageRecorder::Moment::Download, {});
    }
}

void Session::notice(ecu::LinkNotice notice) {
    switch (notice) {
        case ecu::LinkNotice::UnsupportedEcu:
            state_.operation = ecu::LinkOperation::None;
            clock_.stopTicks();
            // Nothing is read any more: the title the download replaced comes back, and no bar
            // is left standing over the graph title as if a download still ran.
            setTitle(titleBeforeDownload_, false);
            view_.progressShown = false;
            publish();
            postMessage(strCopy(sid::kEcuNotSupported), MessageIcon::Exclamation);
            break;
        case ecu::LinkNotice::ReceiveFailed:
            postMessage(strCopy(sid::kError), MessageIcon::Error);
            break;
    }
}

void Session::closeDone() {
    endNow();
}

// ---- Intents -------------------------------------------------------------------------------

void Session::load() {
    if (imageBusy()) {
        return;  // the ECU is filling the image; a file loaded now would be overwritten
    }
    loadWith(ui_);
}

bool Session::loadFile(const std::string& path) {
    if (imageBusy() || !view_.buttons.load) {
        return false;
    }
    GivenFileUi given(path, ui_);
    loadWith(given);
    return true;
}

bool Session::loadBytes(const ImageBytes& bytes, const std::string& label) {
    if (imageBusy() || !view_.buttons.load) {
        return false;
    }
    FleetDataImage chosen{};
    const DataFileRead read = parseDataFileBytes(bytes.data(), bytes.size(), chosen);
    if (!read.ok() && unsavedDownload(bytes)) {
        deserialiseImage(bytes, chosen);
    } else if (!read.ok()) {
        ui_.showMessage(fillPlaceholders(translate("hm::Session", "%1 is not a data image: %2"),
                                         {printablePath(label), read.reason}),
                        MessageIcon::Error);
        return true;
    }
    LoadResult result;
    result.path = label;
    result.outcome = chosen.hasFleetData() ? LoadOutcome::Loaded : LoadOutcome::StabilityDataOnly;
    files_.loadedFileName = label;
    if (result.outcome == LoadOutcome::StabilityDataOnly) {
        ui_.showMessage(std::string(str(sid::kStabilityDataOnly)), MessageIcon::Exclamation);
    }
    applyLoad(result, chosen);
    publish();
    return true;
}

void Session::loadWith(IFileUi& ui) {
    state_.loadDialogOpen = true;
    publish();
    // The link keeps ticking while the file dialog is open and may start a download meanwhile:
    // the file goes into a copy, which replaces the image only if the ECU is not filling it.
    FleetDataImage chosen = image_;
    const LoadResult result = loadDataFile(chosen, files_, ui);
    state_.loadDialogOpen = false;
    if (result.outcome != LoadOutcome::Cancelled) {
        view_.loadTooltip = loadTooltip(files_);
        view_.saveTooltip = saveTooltip(files_);
    }
    publish();
    if (result.outcome != LoadOutcome::Cancelled && imageBusy()) {
        files_.loadedFileName.clear();  // the image is the ECU's
        ui_.showMessage(
            fillPlaceholders(translate("hm::Session",
                                       "A download from the ECU started while the file was being "
                                       "chosen, so %1 was not loaded. Load it again when the "
                                       "download is over."),
                             {printablePath(result.path)}),
            MessageIcon::Exclamation);
        return;
    }
    applyLoad(result, chosen);
    publish();
    // The summary box is modal: it opens only once the new data and its title are on screen.
    if (result.outcome == LoadOutcome::Loaded && !result.summary.empty()) {
        ui.showMessage(result.summary, MessageIcon::None);
    }
    // The title says " [ ***  File Error  *** ]"; the box under it says why, as the command
    // line does ("file is too short (1000 bytes, a data file has 2484)").
    if (result.outcome == LoadOutcome::FileError) {
        ui.showMessage(fillPlaceholders(translate("hm::Session", "%1 was not loaded: %2"),
                                        {printablePath(result.path), result.reason}),
                       MessageIcon::Error);
    }
}

void Session::applyLoad(const LoadResult& result, const FleetDataImage& chosen) {
    // Only a valid file replaces the image: a failed load leaves image and display as they were.
    switch (result.outcome) {
        case LoadOutcome::Cancelled:
        case LoadOutcome::Unreadable:
            break;
        case LoadOutcome::FileError:
            setTitle(std::string(str(sid::kFileError)), false);
            break;
        case LoadOutcome::StabilityDataOnly:
            // Records alone: the graph on display was another image's and goes; the title
            // names the file that holds the records.
            image_ = chosen;
            setTitle(fileTitleState(files_.loadedFileName), false);
            state_.data = DataSource::StabilityOnly;
            selectGraph(0);
            showGraph(0);
            setEcuField("---");
            recordImage(ImageRecorder::Moment::Load, result.path);
            break;
        case LoadOutcome::Loaded:
            image_ = chosen;
            setTitle(fileTitleState(files_.loadedFileName), false);
            state_.data = DataSource::File;
            selectGraph(1);
            showGraph(1);
            setEcuField("---");
            recordImage(ImageRecorder::Moment::Load, result.path);
            break;
    }
}

void Session::save() {
    if (imageBusy()) {
        return;
    }
    const SaveResult result = saveDataFile(image_, files_, ui_, currentLocalTime());
    if (result.outcome == SaveOutcome::Saved) {
        lastSavedPath_ = result.dataFilePath;
        backup_.userSaved(image_, result.dataFilePath);
        recordImage(ImageRecorder::Moment::Save, result.dataFilePath);
    }
}

void Session::recordImage(ImageRecorder::Moment moment, const std::string& path) {
    if (options_.recorder != nullptr) {
        options_.recorder->record(moment, image_, path);
    }
}

void Session::reload() {
    if (imageBusy() ||
        !keepDownload(
            translate("hm::Session",
                      "Before the reload, the data downloaded from this "
                      "ECU was saved to\n%1"),
            {}, "\n\n" + translate("hm::Session", "The data was not reloaded from the ECU."))) {
        return;
    }
    image_.clear();
    files_.loadedFileName.clear();
    showGraph(0);
    if (link_) {
        link_->BeginDownload();
    }
    publish();
}

void Session::next() {
    if (!view_.buttons.next || record_.selectedGraph >= kGraphCount) {
        return;
    }
    selectGraph(record_.selectedGraph + 1);
    showGraph(record_.selectedGraph);
}

void Session::previous() {
    if (!view_.buttons.previous || record_.selectedGraph <= 1) {
        return;
    }
    selectGraph(record_.selectedGraph - 1);
    showGraph(record_.selectedGraph);
}

void Session::search() {
    if (!link_ || ended_) {
        return;
    }
    offlineWhenNotFound_ = false;  // a search the user asked for asks again when it fails
    if (!options_.devicesWatched) {
        portsChanged({{}, {}, true});  // nothing watched: look for new devices now
    }
    link_->retry();
    if (link_->wantsTicks() && !clock_.ticking()) {
        clock_.startTicks(kLinkTickMs);
    }
    publish();
}

void Session::close() {
    if (!link_ || link_->requestClose()) {
        endNow();
        return;
    }
    // The session ends when the ECU has answered the stop (a second close ends it at once).
    setTitle(translate("hm::Session", " [ Closing... ]"), false);
    publish();
}

void Session::erase() {
    if (!link_ || imageBusy()) {
        return;
    }
    const EraseOutcome outcome = runEraseCommand(
        *link_, [this](ecu::SupportLevel level) { return host_.askEraseSelection(level); },
        [this](EraseAction action) { return backUpBeforeErase(action); });
    if (outcome.refused) {
        state_.eraseHeld = false;
        publish();
        ui_.showMessage(strCopy(sid::kEcuNotSupported), MessageIcon::Exclamation);
    } else if (outcome.action != EraseAction::None) {
        // Off until the erase has written what it erases (or, with nothing chosen, until the
        // link's next operation).
        state_.eraseHeld = true;
        publish();
    }
}

// ---- Backup policy -------------------------------------------------------------------------

namespace {

// "The data downloaded from this ECU could not be saved to PATH: ERROR".
std::string notSavedText(const DownloadBackup::Result& backup) {
    return fillPlaceholders(
        translate("hm::Session", "The data downloaded from this ECU could not be saved to %1: %2"),
        {printablePath(backup.path), backup.error});
}

}  // namespace

bool Session::backUpBeforeErase(EraseAction action) {
    std::string saved;
    const DownloadBackup::Result backup = backup_.ensureSaved(files_, currentLocalTime());
    switch (backup.outcome) {
        case DownloadBackup::Outcome::NoDownload:
            break;
        case DownloadBackup::Outcome::Failed:
            ui_.showMessage(
                notSavedText(backup) + "\n\n" + translate("hm::Session", "Nothing was erased."),
                MessageIcon::Error);
            return false;
        case DownloadBackup::Outcome::Saved:
            lastSavedPath_ = backup.path;
            saved = fillPlaceholders(translate("hm::Session",
                                               "The data downloaded from this ECU "
                                               "has been saved to\n%1"),
                                     {printablePath(backup.path)}) +
                    "\n\n";
            break;
        case DownloadBackup::Outcome::AlreadySaved:
            saved = fillPlaceholders(translate("hm::Session",
                                               "The data downloaded from this ECU "
                                               "has already been saved to\n%1"),
                                     {printablePath(backup.path)}) +
                    "\n\n";
            break;
    }
    return ui_.askYesNo(
        saved +
        (action == EraseAction::FleetErase
             ? translate("hm::Session", "Erase the extended fleet information from the ECU now?")
             : translate("hm::Session", "Erase the stability snapshots from the ECU now?")));
}

bool Session::keepDownload(const std::string& savedPattern, std::vector<std::string> args,
                           const std::string& ifFailed) {
    const DownloadBackup::Result backup = backup_.ensureSaved(files_, currentLocalTime());
    if (backup.outcome == DownloadBackup::Outcome::Failed) {
        postMessage(notSavedText(backup) + ifFailed, MessageIcon::Error);
        return false;
    }
    if (backup.outcome == DownloadBackup::Outcome::Saved) {
        lastSavedPath_ = backup.path;
        args.push_back(printablePath(backup.path));
        ui_.showNotice(fillPlaceholders(savedPattern, args));
    }
    return true;
}

}  // namespace hm
