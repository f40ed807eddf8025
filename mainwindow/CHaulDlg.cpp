#include "mainwindow/CHaulDlg.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QShortcut>
#include <QSocketNotifier>
#include <array>
#include <utility>

#include "dialogs/CAboutDlg.h"
#include "dialogs/CClrData.h"
#include "dialogs/CInfo.h"
#include "dialogs/CTable.h"
#include "graphs/GraphInformation.h"
#include "histogram/CHistogramCtrl.h"
#include "mainwindow/AccessibleNames.h"
#include "mainwindow/LinkTraceView.h"
#include "resources/Strings.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/Icons.h"
#include "widgets/UiText.h"

namespace hm {

CHaulDlg::CHaulDlg(Options options, QWidget* parent)
    : QDialog(parent), printDialog_(std::move(options.printDialog)) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(QIcon(iconPixmap(119, 1.0, QSize(32, 32))));

    // The chart's bars (16 at a 33-pixel pitch, 28 at 19) fill a chart whose client area is
    // 536 pixels wide, which is what the layout's reference base units (6, 13) give. So the
    // dialog is laid out in those units on every machine, and takes the largest size of its
    // font whose own base units fit them, so that every text fits its field.
    setFont(DialogUnits::templateFont());
    const QRect whole = duRect(0, 0, 461, 263);
    setFixedSize(whole.size());

    buildControls();
    buildFindingsLine();
    titleBase_ = uiText(sid::kTitleBase);
    setUpKeys();
    nameMainWindowControls(*this);
    QWidget::setTabOrder(control(ControlId::Next), findingsLine_);
    linkTimer_.setSingleShot(true);
    connect(&linkTimer_, &QTimer::timeout, this, [this] { session_->tick(); });
    // New adapters can only join a table the window may refresh, of a link it has.
    if (options.session.port != nullptr && options.session.refreshPorts) {
        watchForAdapters(options.watchDevices);
    }
    options.session.devicesWatched = deviceWatcher_ != nullptr;
    SessionHost& host = *this;
    TickSource& clock = *this;
    session_ = std::make_unique<Session>(std::move(options.session), fileUi_, host, clock);
}

void CHaulDlg::setUpKeys() {
    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, &CHaulDlg::onAbout);
    auto* library = new QShortcut(QKeySequence(kLibraryKey), this);
    connect(library, &QShortcut::activated, this, &CHaulDlg::openLibrary);
    // Keys for the buttons. Each goes through its button, so a disabled button refuses its key
    // as it refuses a click.
    const std::pair<QKeySequence, ControlId> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), ControlId::Load},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ControlId::Save},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ControlId::Print},
        {QKeySequence(Qt::Key_F5), ControlId::Reload},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), ControlId::Close},
        {QKeySequence(Qt::Key_Left), ControlId::Previous},
        {QKeySequence(Qt::Key_PageUp), ControlId::Previous},
        {QKeySequence(Qt::Key_Right), ControlId::Next},
        {QKeySequence(Qt::Key_PageDown), ControlId::Next},
    };
    for (const auto& [sequence, id] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, id = id] {
            if (!buttonOn(id)) {
                return;
            }
            // A step key leaves the keyboard focus where it was. The step may disable the next
            // or previous button at either end, and a disabled icon button hands the focus on
            // to the control after it, which Enter would then press unasked.
            const bool step = id == ControlId::Next || id == ControlId::Previous;
            const QPointer<QWidget> focused = step ? focusWidget() : nullptr;
            button(id)->click();
            if (focused && focused != focusWidget() && focused->isEnabled() &&
                focused->isVisible()) {
                focused->setFocus(Qt::OtherFocusReason);
            }
        });
    }
}

CHaulDlg::~CHaulDlg() {
    // The preview draws from the session's image: it goes first.
    if (preview_) {
        preview_->closePreview();
    }
    delete traceView_;  // it reads the session's trace ring
    session_.reset();   // closes the port and joins its receive thread
}

// ---- Drawing the view ------------------------------------------------------------------------

void CHaulDlg::render(const ViewState& view) {
    if (view.titleState != shown_.titleState) {
        setWindowTitle(titleBase_ + QString::fromStdString(view.titleState));
    }
    renderButtons(view.buttons);
    renderLamp(view);
    if (view.ecuField != shown_.ecuField) {
        setText(ControlId::EcuType, view.ecuField);
    }
    if (!view.loadTooltip.empty() && view.loadTooltip != shown_.loadTooltip) {
        button(ControlId::Load)->SetTip(QString::fromStdString(view.loadTooltip), true);
        button(ControlId::Save)->SetTip(QString::fromStdString(view.saveTooltip), true);
    }
    const bool newGraph = view.graphUpdate != shown_.graphUpdate;
    renderSummary(view.summary);
    shown_ = view;
    if (newGraph) {
        drawGraph();
    }
    renderProgress(view);
}

std::array<std::pair<CHaulDlg::ControlId, bool>, 9> CHaulDlg::buttonRows(const ButtonStates& b) {
    return {{
        {ControlId::Load, b.load},
        {ControlId::Save, b.save},
        {ControlId::Reload, b.reload},
        {ControlId::Erase, b.erase},
        {ControlId::Stability, b.stability},
        {ControlId::Information, b.information},
        {ControlId::Print, b.print},
        {ControlId::Next, b.next},
        {ControlId::Previous, b.previous},
    }};
}

bool CHaulDlg::buttonOn(ControlId id) const {
    if (id == ControlId::Close) {
        return true;
    }
    for (const auto& [rowId, enabled] : buttonRows(session_->view().buttons)) {
        if (rowId == id) {
            return enabled;
        }
    }
    return false;
}

void CHaulDlg::renderButtons(const ButtonStates& b) {
    for (const auto& [id, enabled] : buttonRows(b)) {
        if (QWidget* w = control(id)) {
            w->setEnabled(enabled);
        }
    }
}

void CHaulDlg::renderLamp(const ViewState& view) {
    if (view.lamp != kLampNone && view.lamp != shown_.lamp) {
        button(ControlId::Status)->AssignIcons(view.lamp, CButtonST::kNoRestingIcon);
    }
    if (view.lampTooltip != shown_.lampTooltip) {
        button(ControlId::Status)->SetTip(QString::fromStdString(view.lampTooltip), true);
    }
}

void CHaulDlg::renderProgress(const ViewState& view) {
    // The bar stands in place of the graph title while an ECU operation runs.
    if (view.progressShown) {
        progress_->setRange(0, std::max(view.progressTotal, 0));
        progress_->setValue(std::min(view.progressValue, std::max(view.progressTotal, 0)));
        control(ControlId::GraphTitle)->hide();
        progress_->show();
    } else {
        progress_->hide();
        control(ControlId::GraphTitle)->show();
    }
}

void CHaulDlg::setText(ControlId id, const std::string& text) {
    static_cast<QLineEdit*>(control(id))->setText(QString::fromStdString(text));
}

void CHaulDlg::drawGraph() {
    histogram_->SetValue(0, 0);
    histogram_->SetValue(0, 0);
    const GraphTexts& texts = session_->graphTexts();
    setText(ControlId::GraphTitle, texts.title);
    setText(ControlId::HorizontalUnit, texts.horizontalUnit);
    setText(ControlId::VerticalUnit, texts.verticalUnit);
    setText(ControlId::BottomValue, texts.bottomValue);
    setText(ControlId::TopValue, texts.topValue);
    showScale(texts);
    histogram_->Update(session_->graphRecord());
    if (preview_) {
        preview_->refreshPreview();
    }
}

void CHaulDlg::post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void CHaulDlg::end() {
    endAllowed_ = true;
    linkTimer_.stop();
    QDialog::done(QDialog::Rejected);
}

EraseSelection CHaulDlg::askEraseSelection(ecu::SupportLevel level) {
    return CClrData::ask(level, this);
}

void CHaulDlg::watchForAdapters(const std::optional<ecu::PortScanConfig>& folders) {
    if (!folders) {
        return;
    }
    deviceWatcher_ = std::make_unique<ecu::PortWatcher>(*folders);
    if (!deviceWatcher_->active()) {
        deviceWatcher_.reset();
        return;
    }
    deviceNotifier_ =
        std::make_unique<QSocketNotifier>(deviceWatcher_->fd(), QSocketNotifier::Read);
    connect(deviceNotifier_.get(), &QSocketNotifier::activated, this, &CHaulDlg::devicesChanged);
    portRefreshTimer_.setSingleShot(true);
    connect(&portRefreshTimer_, &QTimer::timeout, this,
            [this] { session_->portsChanged(std::exchange(pendingPortChanges_, {})); });
}

void CHaulDlg::devicesChanged() {
    // Only the names that appeared are looked at later, so the cost follows the change, not
    // the size of the device folder; a whole burst (udev, a hub with many adapters) costs one
    // refresh.
    for (const ecu::PortWatcher::Change& change : deviceWatcher_->takeChanges()) {
        if (change.appeared) {
            (change.byId ? pendingPortChanges_.byIds : pendingPortChanges_.devices)
                .push_back(change.name);
        }
    }
    pendingPortChanges_.everything = pendingPortChanges_.everything || deviceWatcher_->overflowed();
    if (!pendingPortChanges_.empty() && !portRefreshTimer_.isActive()) {
        portRefreshTimer_.start(kPortRefreshDelayMs);
    }
}

void CHaulDlg::done(int result) {
    // Escape, the close box and the framework's OK all end the dialog through Close, so that
    // an ECU session is stopped first.
    if (endAllowed_) {
        QDialog::done(result);
        return;
    }
    onClose();
}

void CHaulDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter has no default button to press here; it must never end the program.
            event->accept();
            return;
        case Qt::Key_Escape:
            onClose();
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CHaulDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const QString about = uiText(sid::kAboutMenu);
    if (!about.isEmpty()) {
        menu.addAction(about, this, &CHaulDlg::onAbout);
    }
    // A new pass over the ports once a search found nothing and the user chose to work offline.
    QAction* search = menu.addAction(tr("Search for ECU"), this, &CHaulDlg::searchForEcu);
    search->setEnabled(shown_.searchEnabled);
    QAction* library = menu.addAction(tr("&Library..."), this, &CHaulDlg::openLibrary);
    library->setShortcut(QKeySequence(kLibraryKey));
    library->setEnabled(static_cast<bool>(openLibrary_));
    menu.addAction(tr("Link &Trace..."), this, &CHaulDlg::openLinkTrace);
    menu.addAction(tr("&Settings..."), this, &CHaulDlg::openSettings);
    menu.exec(event->globalPos());
}

void CHaulDlg::openLibrary() {
    if (openLibrary_) {
        openLibrary_();
    }
}

void CHaulDlg::openLinkTrace() {
    if (traceView_ == nullptr) {
        traceView_ = new LinkTraceView(
            session_->traceRing(),
            [this] { return dialogStartDirectory(session_->dataFileState()); }, this);
        traceView_->setAttribute(Qt::WA_DeleteOnClose);
    }
    traceView_->show();
    traceView_->raise();
    traceView_->activateWindow();
}

void CHaulDlg::onAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CHaulDlg::onStability() {
    CTable table(
        session_->image(), [this](int n) { printStabilityRecord(n); }, this);
    table.exec();
}

void CHaulDlg::printStabilityRecord(int recordNumber) {
    if (preview_ && preview_->previewOpen()) {
        preview_->raisePreview();  // one preview at a time: the open one comes to the front
        return;
    }
    selectedRecord_ = recordNumber - 1;
    printPageKind_ = PageKind::Stability;
    openPreview();
}

void CHaulDlg::openPreview() {
    if (PrintPreview* controller = preview()) {
        controller->OpenPreview([this] { return pageInputs(); }, this);
    }
}

PrintPreview* CHaulDlg::preview() {
    if (preview_) {
        return preview_.get();
    }
    QString problem;
    const PrintModule* printing = printModule(&problem);
    if (printing == nullptr) {
        fileUi_.showMessage(
            QCoreApplication::translate("hm::CHaulDlg", "Printing is not available: %1")
                .arg(problem)
                .toStdString(),
            MessageIcon::Error);
        return nullptr;
    }
    // The report entries are asked for each time a preview window is built, so that a context
    // set later is used.
    StartFolderFn startFolder = [this] { return dialogStartDirectory(session_->dataFileState()); };
    preview_ = printing->makePreview(
        printDialog_,
        [this, printing, startFolder](QMenu* fileMenu, CPrintGraphView* view, QWidget* window) {
            printing->reportEntries(startFolder, reportContext_)(fileMenu, view, window);
        });
    return preview_.get();
}

void CHaulDlg::onInformation() {
    CInfo info(interimValuesFor(session_->image(), session_->graphRecord().selectedGraph), this);
    info.exec();
}

void CHaulDlg::onPrint() {
    if (preview_ && preview_->previewOpen()) {
        return;
    }
    printPageKind_ = PageKind::Graph;
    openPreview();
}

PageInputs CHaulDlg::pageInputs() const {
    // The report's cover names the ECU type when the data shown came from the ECU.
    return PageInputs{
        session_->image(),       session_->graphRecord(),    printPageKind_,
        selectedRecord_,         session_->loadedFileName(), session_->shownIntervalCount(),
        session_->shownEcuType()};
}

}  // namespace hm
