#include "mainwindow/CHaulDlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QShortcut>
#include <QSocketNotifier>
#include <cstring>
#include <filesystem>
#include <utility>

#include "dialogs/CAboutDlg.h"
#include "dialogs/CClrData.h"
#include "dialogs/CInfo.h"
#include "dialogs/CTable.h"
#include "ecu/EcuLink.h"
#include "ecu/PortAttemptText.h"
#include "ecu/TracingLinkPort.h"
#include "graphs/GraphInformation.h"
#include "histogram/CHistogramCtrl.h"
#include "mainwindow/LinkTraceView.h"
#include "mainwindow/core/EraseCommand.h"
#include "mainwindow/core/TitleText.h"
#include "platform/FileAccess.h"
#include "platform/LocalTime.h"
#include "print/CPrintGraphApp.h"
#include "report/ReportMenu.h"
#include "resources/Strings.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/Icons.h"

namespace hm {
namespace {

// Title state texts of this window that the string table has no entry for.
constexpr std::string_view kDownloadTitle = " [ ... ]";
constexpr std::string_view kClosingTitle = " [ Closing... ]";

// Icons of the connection lamp.
constexpr int kIconProbing = 125;
constexpr int kIconConnected = 126;
constexpr int kIconOff = 127;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Spreads a scale text (labels separated by blanks) so that its first label is centred at
// `firstCentre` and its last at `lastCentre` (label coordinates), by letter spacing and indent.
void alignScaleText(QLabel* label, const QString& text, double firstCentre, double lastCentre) {
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const QFontMetricsF fm(font);
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    label->setText(text);
    if (tokens.size() < 2) {
        label->setFont(font);
        label->setIndent(0);
        return;
    }
    const qsizetype kFirst = text.indexOf(tokens.first());
    const qsizetype kLast = text.lastIndexOf(tokens.last());
    auto centreAt = [&](qsizetype k, const QString& token, double spacing) {
        return fm.horizontalAdvance(text.left(k)) + fm.horizontalAdvance(token) / 2 +
               spacing * (static_cast<double>(k) + (static_cast<double>(token.size()) - 1) / 2);
    };
    const double d0 = centreAt(kLast, tokens.last(), 0) - centreAt(kFirst, tokens.first(), 0);
    const double n = static_cast<double>(kLast - kFirst) +
                     static_cast<double>(tokens.last().size() - tokens.first().size()) / 2;
    const double spacing = n > 0 ? (lastCentre - firstCentre - d0) / n : 0;
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    label->setFont(font);
    const double indent = firstCentre - centreAt(kFirst, tokens.first(), spacing);
    label->setIndent(std::max(0, static_cast<int>(indent + 0.5)));
}

}  // namespace

CHaulDlg::CHaulDlg(Options options, QWidget* parent)
    : QDialog(parent),
      options_(std::move(options)),
      preview_(options_.printDialog,
               reportEntries([this] { return dialogStartDirectory(files_.state); })) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(QIcon(iconPixmap(119, 1.0, QSize(32, 32))));

    // The chart's bars (16 at a 33-pixel pitch, 28 at 19) fill a chart whose client area is
    // 536 pixels wide, which is what the layout's reference base units (6, 13) give. So the
    // dialog is laid out in those units on every machine, and takes the largest size of its
    // font whose own base units fit them, so that every text fits its field.
    base_ = DialogBaseUnits{6, 13};
    setFont(DialogUnits::fittingFont(font(), base_));
    const QRect whole = duRect(0, 0, 461, 263);
    setFixedSize(whole.size());

    buildControls();

    titleBase_ = qs(str(sid::kTitleBase));
    setTitleState(std::string(str(sid::kNoDataLoaded)));

    image_.clear();
    files_.state.settingsPath = options_.settingsPath;
    if (!options_.settingsPath.empty() && readSettings(files_.state)) {
        applyFileTooltips();
    }

    offlineWhenNotFound_ = options_.offlineWhenNotFound;
    setUpKeys();
    startLink();
}

// The link over the traced port (the trace ring always, the --trace file when given), started
// with the link timer; without a port the dialog works offline.
void CHaulDlg::startLink() {
    if (options_.port != nullptr) {
        tracer_ =
            std::make_unique<ecu::TracingLinkPort>(*options_.port, options_.traceFile, &traceRing_);
        watch_ = std::make_unique<PortAccessWatch>(*tracer_, options_.byIdNames);
        link_ = std::make_unique<ecu::EcuLink>(*watch_, *this, image_, options_.keys);
        tracer_->traceDrops(*link_);
        // Frames are queued by the receive thread; handle them on this thread right away.
        link_->setFramesArrivedCallback([this] {
            QMetaObject::invokeMethod(this, &CHaulDlg::drainFrames, Qt::QueuedConnection);
        });
        linkTimer_.setSingleShot(true);
        connect(&linkTimer_, &QTimer::timeout, this, &CHaulDlg::onLinkTick);
        if (options_.startLinkTimer) {
            linkTimer_.start(kLinkTimerMs);
        }
        watchForAdapters();
    } else {
        setStatusIcon(kIconOff);
        setStatusTooltip(strCopy(sid::kWorkingOffline));
    }
    state_.link = link_ ? LinkPhase::Searching : LinkPhase::NoLink;
    applyButtons();
}

void CHaulDlg::setUpKeys() {
    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, &CHaulDlg::onAbout);
    // Keys for the buttons. Each goes through its button, so a disabled button refuses its key
    // as it refuses a click.
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), kLoad},  {QKeySequence(Qt::CTRL | Qt::Key_S), kSave},
        {QKeySequence(Qt::CTRL | Qt::Key_P), kPrint}, {QKeySequence(Qt::Key_F5), kReload},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), kClose}, {QKeySequence(Qt::Key_Left), kPrevious},
        {QKeySequence(Qt::Key_PageUp), kPrevious},    {QKeySequence(Qt::Key_Right), kNext},
        {QKeySequence(Qt::Key_PageDown), kNext},
    };
    for (const auto& [sequence, id] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, id = id] {
            CButtonST* b = button(id);
            if (b != nullptr && b->isEnabled() && b->isVisible()) {
                b->click();
            }
        });
    }
}

CHaulDlg::~CHaulDlg() {
    // The preview draws from this dialog's members: it goes first.
    preview_.closePreview();
    delete traceView_;  // it reads the trace ring, a member
    linkTimer_.stop();
    link_.reset();  // closes the port and joins its receive thread
}

QRect CHaulDlg::duRect(int left, int top, int width, int height) const {
    const PixelRect r = mapDialogRect(left, top, width, height, base_);
    return QRect(r.left, r.top, r.width, r.height);
}

CButtonST* CHaulDlg::addButton(int id, int left, int top, int width, int height, int iconId,
                               int tipId, bool enabled) {
    auto* b = new CButtonST(this);
    b->setGeometry(duRect(left, top, width, height));
    b->setAutoDefault(false);
    b->setDefault(false);
    if (tipId != 0) {
        b->SetTip(qs(str(tipId)), true);
    }
    b->AssignIcons(iconId, CButtonST::kDarkerRestingIcon);
    b->ShiftColor(CButtonST::ColorIndex::BkIn, 80, true);
    b->setEnabled(enabled);
    controls_[id] = b;
    return b;
}

QLineEdit* CHaulDlg::addField(int id, int left, int top, int width, int height,
                              Qt::Alignment align) {
    auto* e = new QLineEdit(this);
    e->setGeometry(duRect(left, top, width, height));
    e->setReadOnly(true);
    e->setFrame(false);
    e->setAlignment(align | Qt::AlignVCenter);
    e->setFocusPolicy(Qt::NoFocus);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    e->setPalette(pal);
    controls_[id] = e;
    return e;
}

void CHaulDlg::buildControls() {
    // Histogram over the placeholder rectangle (control 1002).
    histogram_ = new CHistogramCtrl(this);
    histogram_->setGeometry(duRect(49, 45, 361, 179));
    controls_[kHistogram] = histogram_;
    histogram_->show();
    histogram_->SetRange(0, 10);

    // Buttons in the set-up order of the window (also their Tab order).
    struct ButtonRow {
        int id, left, top, width, height, iconId, tipId;
        bool enabled;
        void (CHaulDlg::*onClick)();
    };
    static constexpr ButtonRow kButtons[] = {
        {kLoad, 417, 139, 44, 30, 129, sid::kTipLoad, true, &CHaulDlg::onLoad},
        {kStability, 417, 15, 44, 30, 201, sid::kTipStability, false, &CHaulDlg::onStability},
        {kReload, 417, 46, 44, 30, 135, sid::kTipReload, false, &CHaulDlg::onReload},
        {kClose, 417, 232, 44, 30, 124, sid::kTipClose, true, &CHaulDlg::onClose},
        {kWrite, 417, 77, 44, 30, 134, sid::kTipWrite, false, &CHaulDlg::eraseSelected},
        {kSave, 417, 108, 44, 30, 130, sid::kTipSave, false, &CHaulDlg::onSave},
        {kInformation, 417, 170, 44, 30, 254, sid::kTipInformation, false,
         &CHaulDlg::onInformation},
        {kPrint, 417, 201, 44, 30, 256, sid::kTipPrint, false, &CHaulDlg::onPrint},
        {kNext, 365, 239, 46, 23, 133, sid::kTipNext, false, &CHaulDlg::onNext},
        {kPrevious, 49, 239, 43, 23, 132, sid::kTipPrevious, false, &CHaulDlg::onPrevious},
    };
    for (const ButtonRow& row : kButtons) {
        CButtonST* b = addButton(row.id, row.left, row.top, row.width, row.height, row.iconId,
                                 row.tipId, row.enabled);
        connect(b, &QPushButton::clicked, this, row.onClick);
    }

    // The connection indicator: icon only, clicking does nothing.
    auto* status = new CButtonST(this);
    status->setGeometry(duRect(417, 0, 44, 15));
    status->setAutoDefault(false);
    status->setFocusPolicy(Qt::NoFocus);
    controls_[kStatus] = status;
    buildFields();
}

void CHaulDlg::buildFields() {
    QFont titleFont = font();
    titleFont.setBold(true);
    QLineEdit* title = addField(kGraphTitle, 105, 30, 266, 12, Qt::AlignHCenter);
    title->setFont(titleFont);
    title->setFrame(true);

    progress_ = new QProgressBar(this);
    progress_->setGeometry(duRect(49, 7, 361, 11));
    progress_->setTextVisible(false);
    progress_->hide();
    controls_[kProgress] = progress_;

    // The read-only fields around the chart; the two distance fields show only for the
    // distance graphs.
    struct FieldRow {
        int id, left, top, width, height;
        Qt::AlignmentFlag align;
        bool shown;
    };
    static constexpr FieldRow kFields[] = {
        {kTopValue, 6, 55, 34, 12, Qt::AlignRight, true},
        {kVerticalUnit, 6, 135, 34, 12, Qt::AlignRight, true},
        {kBottomValue, 6, 215, 34, 12, Qt::AlignRight, true},
        {kLeftDistance, 49, 225, 67, 12, Qt::AlignLeft, false},
        {kRightDistance, 343, 225, 67, 12, Qt::AlignRight, false},
        {kHorizontalUnit, 135, 239, 186, 12, Qt::AlignHCenter, true},
    };
    for (const FieldRow& row : kFields) {
        QLineEdit* field = addField(row.id, row.left, row.top, row.width, row.height, row.align);
        if (!row.shown) {
            field->hide();
        }
    }

    // The scale text is spread to stand under the bars.
    auto* scale = new QLabel(this);
    scale->setGeometry(duRect(49, 225, 361, 12));
    scale->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    controls_[kScaleText] = scale;

    ecuGroup_ = new QGroupBox(QStringLiteral("ECU"), this);
    ecuGroup_->setGeometry(duRect(5, 3, 36, 21));
    QLineEdit* type = addField(kEcuType, 9, 11, 26, 11, Qt::AlignHCenter);
    type->setText(QStringLiteral("---"));
    type->raise();
}

QWidget* CHaulDlg::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

CButtonST* CHaulDlg::button(int id) const {
    return qobject_cast<CButtonST*>(control(id));
}

QString CHaulDlg::fieldText(int id) const {
    QWidget* w = control(id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        return e->text();
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        return l->text();
    }
    return {};
}

// ---- Display -------------------------------------------------------------------------------

void CHaulDlg::setTitleState(const std::string& stateText) {
    ecuTitle_ = stateText == str(sid::kEcuData) || stateText == kDownloadTitle;
    setWindowTitle(titleBase_ + QString::fromStdString(stateText));
}

void CHaulDlg::applyButtons() {
    const ButtonStates b = buttonStates(state_);
    const std::pair<int, bool> rows[] = {
        {kLoad, b.load},   {kSave, b.save},           {kReload, b.reload},
        {kWrite, b.write}, {kStability, b.stability}, {kInformation, b.information},
        {kPrint, b.print}, {kNext, b.next},           {kPrevious, b.previous},
    };
    for (const auto& [id, enabled] : rows) {
        if (QWidget* w = control(id)) {
            w->setEnabled(enabled);
        }
    }
}

void CHaulDlg::setEcuTypeText(const std::string& text) {
    // The ECU type is four characters from the wire; show only printable ones.
    QString shown;
    for (char c : text) {
        shown += (c >= 0x20 && c < 0x7F) ? QLatin1Char(c) : QLatin1Char('?');
    }
    static_cast<QLineEdit*>(control(kEcuType))->setText(shown);
}

void CHaulDlg::startProgress(int total) {
    // An ECU operation fills the image from now on: it is no longer a loaded file's, and the
    // buttons that write the image stay off until the operation ends.
    files_.state.loadedFileName.clear();
    showGraph(0);
    progressTotal_ = total;
    control(kGraphTitle)->hide();
    progress_->show();
    progress_->setRange(0, std::max(total, 0));
    progress_->setValue(0);
    progressStep_ = 0;
}

void CHaulDlg::stepProgress() {
    if (progressStep_ < progressTotal_) {
        ++progressStep_;
        progress_->setValue(progressStep_);
        return;
    }
    ++progressStep_;
    setSelectedGraph(1);  // the graph shown and the one next/previous start from stay in step
    showGraph(1);
    control(kGraphTitle)->show();
    progress_->hide();
}

void CHaulDlg::endProgress() {
    progressStep_ = 0;
    progress_->hide();
    control(kGraphTitle)->show();
    // The read that ends every ECU operation is complete: this is what the ECU holds now.
    backup_.readCompleted(image_);
}

void CHaulDlg::showGraph(int graphNumber) {
    histogram_->SetValue(0, 0);
    histogram_->SetValue(0, 0);
    texts_ = computeGraphDisplay(image_, graphNumber, record_, shownIntervalCount_);
    state_.shownGraph = record_.shownGraph;
    applyButtons();

    static_cast<QLineEdit*>(control(kGraphTitle))->setText(QString::fromStdString(texts_.title));
    static_cast<QLineEdit*>(control(kHorizontalUnit))
        ->setText(QString::fromStdString(texts_.horizontalUnit));
    static_cast<QLineEdit*>(control(kVerticalUnit))
        ->setText(QString::fromStdString(texts_.verticalUnit));
    static_cast<QLineEdit*>(control(kBottomValue))
        ->setText(QString::fromStdString(texts_.bottomValue));
    static_cast<QLineEdit*>(control(kTopValue))->setText(QString::fromStdString(texts_.topValue));
    showScale();
    histogram_->Update(record_);
    preview_.refreshPreview();
}

void CHaulDlg::showScale() {
    auto* scale = static_cast<QLabel*>(control(kScaleText));
    auto* left = static_cast<QLineEdit*>(control(kLeftDistance));
    auto* right = static_cast<QLineEdit*>(control(kRightDistance));
    if (texts_.distanceLabelsVisible) {
        scale->hide();
        // The two distances stand under the first and the last of the 28 bars.
        left->move(histogram_->x() + histogram_->stackedBarsLeft(), left->y());
        right->move(histogram_->x() + histogram_->stackedBarsRight() - right->width(), right->y());
        left->setText(QString::fromStdString(texts_.leftDistance));
        right->setText(QString::fromStdString(texts_.rightDistance));
        left->show();
        right->show();
        return;
    }
    // In the label's coordinates: speeds and loads label the bars' centres, pressures mark the
    // 17 bar boundaries.
    const double offset = histogram_->x() - scale->x();
    const QString text = QString::fromStdString(texts_.scaleText);
    const bool centres = graphFacts(record_.shownGraph).scale == ScaleAlignment::BarCentres;
    const double first =
        offset + (centres ? histogram_->singleBarCentre(0) : histogram_->singleBarBoundary(0));
    const double last = offset + (centres ? histogram_->singleBarCentre(kSingleBarCount - 1)
                                          : histogram_->singleBarBoundary(kSingleBarCount));
    alignScaleText(scale, text, first, last);
    scale->show();
    left->hide();
    right->hide();
}

void CHaulDlg::setSelectedGraph(int graphNumber) {
    record_.selectedGraph = graphNumber;
}

void CHaulDlg::setStatusIcon(int iconId) {
    button(kStatus)->AssignIcons(iconPixmap(iconId, devicePixelRatioF()), QPixmap());
}

void CHaulDlg::setStatusTooltip(const std::string& text) {
    const std::string tip = watch_ ? watch_->tooltipFor(text) : text;
    button(kStatus)->SetTip(QString::fromStdString(tip), true);
}

void CHaulDlg::postMessage(std::string text, MessageIcon icon) {
    QMetaObject::invokeMethod(
        this, [this, text = std::move(text), icon] { fileUi_.showMessage(text, icon); },
        Qt::QueuedConnection);
}

// ---- Link events -----------------------------------------------------------------------------

void CHaulDlg::searching(int index, int count) {
    if (index >= count) {
        setStatusIcon(kIconOff);  // no port to open (an empty table): a failed attempt
    }
    setStatusTooltip(strCopy(sid::kTryingToConnect));
    state_.link = LinkPhase::Searching;
    state_.ecuReadComplete = false;
    applyButtons();
    setEcuTypeText("---");
}

void CHaulDlg::probing(const ecu::PortAttempt& /*port*/) {
    setStatusIcon(kIconProbing);  // the tooltip may still name the port tried before
}

void CHaulDlg::portTried(const ecu::PortAttempt& attempt) {
    if (attempt.outcome == ecu::AttemptOutcome::OpenFailed ||
        attempt.outcome == ecu::AttemptOutcome::NoReader) {
        setStatusIcon(kIconOff);
    }
}

void CHaulDlg::connected(const ecu::PortAttempt& port) {
    connectedPort_ = port.port;
    setStatusIcon(kIconConnected);
    setStatusTooltip(portTooltip(port.port));
    state_.link = LinkPhase::Connected;
}

void CHaulDlg::searchFailed(const std::vector<ecu::PortAttempt>& attempts) {
    passAttempts_ = attempts;
    state_.link = LinkPhase::Waiting;
    setStatusIcon(kIconOff);  // no port is open any more
    if (offlineWhenNotFound_) {
        // Started to show a file: no question over it; "Search for ECU" searches again.
        link_->workOffline();
        return;
    }
    QMetaObject::invokeMethod(this, &CHaulDlg::askRetry, Qt::QueuedConnection);
}

void CHaulDlg::askRetry() {
    if (!link_ || endAllowed_ || link_->linkState() != ecu::LinkState::WaitingForUser) {
        return;
    }
    std::string details = ecu::describePortAttempts(passAttempts_);
    if (options_.leftOutPorts) {
        const std::string leftOut = ecu::describeLeftOutPorts(options_.leftOutPorts());
        details += leftOut.empty() ? "" : "\n" + leftOut;
    }
    if (fileUi_.askYesNo(strCopy(sid::kRetryQuestion), details)) {
        searchForEcu();
    } else {
        link_->workOffline();
    }
}

void CHaulDlg::searchForEcu() {
    if (!link_ || endAllowed_) {
        return;
    }
    offlineWhenNotFound_ = false;  // a search the user asked for asks again when it fails
    if (!deviceWatcher_) {
        refreshPortTable();  // nothing watched: look for new devices at the start of the pass
    }
    link_->retry();
    if (link_->wantsTicks() && !linkTimer_.isActive()) {
        state_.link = LinkPhase::Searching;
        linkTimer_.start(kLinkTimerMs);
    }
}

void CHaulDlg::watchForAdapters() {
    if (!options_.watchDevices || !options_.refreshPorts) {
        return;
    }
    deviceWatcher_ = std::make_unique<ecu::PortWatcher>(*options_.watchDevices);
    if (!deviceWatcher_->active()) {
        deviceWatcher_.reset();
        return;
    }
    deviceNotifier_ =
        std::make_unique<QSocketNotifier>(deviceWatcher_->fd(), QSocketNotifier::Read);
    connect(deviceNotifier_.get(), &QSocketNotifier::activated, this, &CHaulDlg::devicesChanged);
    portRefreshTimer_.setSingleShot(true);
    connect(&portRefreshTimer_, &QTimer::timeout, this,
            [this] { refreshPortTable(std::exchange(pendingPortChanges_, {})); });
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

void CHaulDlg::refreshPortTable(const ecu::PortChanges& changes) {
    if (options_.refreshPorts && watch_) {
        watch_->setByIdNames(options_.refreshPorts(changes));
    }
}

void CHaulDlg::workingOffline() {
    state_.link = LinkPhase::Offline;
    forgetEcuDisplay();
    // Nothing is probed any more: the lamp goes out instead of staying yellow from the last
    // port that was tried.
    setStatusIcon(kIconOff);
    setStatusTooltip(strCopy(sid::kWorkingOffline));
    progress_->hide();
    applyButtons();
}

void CHaulDlg::forgetEcuDisplay() {
    if (state_.data == DataSource::File || state_.data == DataSource::StabilityOnly) {
        return;  // a file on display has nothing to do with the ECU
    }
    state_.data = DataSource::None;
    showGraph(0);
    if (ecuTitle_) {
        setTitleState(strCopy(sid::kNoDataLoaded));
    }
}

void CHaulDlg::connectionLost(const std::string& request, ecu::LossReason reason) {
    std::string what =
        reason == ecu::LossReason::HungUp ? "line hung up" : "no valid answer in time";
    if (!request.empty()) {
        what += " (waiting for " + request + ")";
    }
    if (tracer_) {
        tracer_->note("connection lost on " + portTooltip(connectedPort_) + ": " + what);
    }
    if (link_ && link_->closeRequested()) {
        endNow();  // closing: there is no session left to stop
        return;
    }
    state_.link = LinkPhase::Searching;
    state_.operation = ecu::LinkOperation::None;
    state_.ecuReadComplete = false;
    setStatusIcon(kIconOff);
    setStatusTooltip(strCopy(sid::kTryingToConnect));
    progress_->hide();
    control(kGraphTitle)->show();
    keepDownload("The connection to the ECU was lost (" + what + "):", "");
    forgetEcuDisplay();
    applyButtons();
}

void CHaulDlg::ecuType(const std::string& type, ecu::SupportLevel level) {
    ecuLevel_ = level;
    ecuTypeText_ = type;
    setEcuTypeText(type);
}

void CHaulDlg::operationStarted(ecu::LinkOperation operation, int total) {
    state_.operation = operation;
    state_.eraseHeld = false;
    if (operation == ecu::LinkOperation::ReadBack) {
        applyButtons();  // the erase has been written; the bar goes on with the read
        return;
    }
    if (operation == ecu::LinkOperation::Download) {
        state_.data = DataSource::None;
        state_.ecuReadComplete = false;
        setTitleState(std::string(kDownloadTitle));
    } else {
        setEcuTypeText(ecuTypeText_);  // the erase works on this ECU, also after a file load
    }
    startProgress(total);
}

void CHaulDlg::operationStep(ecu::StepKind kind) {
    if (kind == ecu::StepKind::BlockRead) {
        setTitleState(std::string(kDownloadTitle));
    }
    stepProgress();
}

void CHaulDlg::operationFinished(ecu::LinkOperation /*operation*/) {
    state_.operation = ecu::LinkOperation::None;
    state_.eraseHeld = false;
    state_.data = DataSource::Ecu;
    state_.ecuReadComplete = true;
    if (ecuLevel_ == ecu::SupportLevel::FleetAndRecords) {
        setSelectedGraph(1);
        showGraph(1);
    } else {
        showGraph(0);
    }
    setTitleState(strCopy(sid::kEcuData));
    endProgress();
}

void CHaulDlg::notice(ecu::LinkNotice notice) {
    switch (notice) {
        case ecu::LinkNotice::UnsupportedEcu:
            state_.link = LinkPhase::Stopped;
            state_.operation = ecu::LinkOperation::None;
            linkTimer_.stop();
            applyButtons();
            postMessage(strCopy(sid::kEcuNotSupported), MessageIcon::Exclamation);
            break;
        case ecu::LinkNotice::ReceiveFailed:
            postMessage(strCopy(sid::kError), MessageIcon::Error);
            break;
    }
}

void CHaulDlg::closeDone() {
    endNow();
}

// ---- Link timer ----------------------------------------------------------------------------

void CHaulDlg::onLinkTick() {
    // The timer is single-shot: it is off while the tick runs and started again at the end
    // unless the link stopped ticking (a search that found nothing, offline, an unsupported
    // ECU) or the dialog is ending.
    if (!link_) {
        return;
    }
    if (link_->OnLinkTimer() && !endAllowed_) {
        linkTimer_.start(kLinkTimerMs);
    }
}

void CHaulDlg::drainFrames() {
    if (link_) {
        link_->DrainFrames();
    }
}

// ---- Commands --------------------------------------------------------------------------------

void CHaulDlg::applyFileTooltips() {
    button(kLoad)->SetTip(QString::fromStdString(loadTooltip(files_.state)), true);
    button(kSave)->SetTip(QString::fromStdString(saveTooltip(files_.state)), true);
}

namespace {

// The load's file dialog answered with a path given from outside; messages still go to the
// window's own boxes.
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

}  // namespace

void CHaulDlg::onLoad() {
    if (imageBusy()) {
        return;  // the ECU is filling the image; a file loaded now would be overwritten
    }
    loadWith(fileUi_);
}

bool CHaulDlg::loadFile(const std::string& path) {
    if (imageBusy() || !button(kLoad)->isEnabled()) {
        return false;
    }
    GivenFileUi given(path, fileUi_);
    loadWith(given);
    return true;
}

void CHaulDlg::loadWith(IFileUi& ui) {
    state_.loadDialogOpen = true;
    applyButtons();
    // The link keeps ticking while the file dialog is open and may start a download meanwhile:
    // the file goes into a copy, which replaces the image only if the ECU is not filling it.
    FleetDataImage chosen = image_;
    const LoadResult result = loadDataFile(chosen, files_.state, ui);
    state_.loadDialogOpen = false;
    applyButtons();
    if (result.outcome != LoadOutcome::Cancelled) {
        applyFileTooltips();
    }
    if (result.outcome != LoadOutcome::Cancelled && imageBusy()) {
        files_.state.loadedFileName.clear();  // the image is the ECU's
        fileUi_.showMessage("A download from the ECU started while the file was being chosen, so " +
                                printablePath(result.path) +
                                " was not loaded. Load it again when the download is over.",
                            MessageIcon::Exclamation);
        return;
    }
    // Only a valid file replaces the image: a failed load leaves image and display as they were.
    switch (result.outcome) {
        case LoadOutcome::Cancelled:
        case LoadOutcome::Unreadable:
            break;
        case LoadOutcome::FileError:
            setTitleState(std::string(str(sid::kFileError)));
            break;
        case LoadOutcome::StabilityDataOnly:
            image_ = chosen;
            state_.data = DataSource::StabilityOnly;
            break;
        case LoadOutcome::Loaded:
            image_ = chosen;
            setTitleState(fileTitleState(files_.state.loadedFileName));
            state_.data = DataSource::File;
            setSelectedGraph(1);
            showGraph(1);
            setEcuTypeText("---");
            break;
    }
    applyButtons();
    // The summary box is modal: it opens only once the new data and its title are on screen.
    if (result.outcome == LoadOutcome::Loaded && !result.summary.empty()) {
        ui.showMessage(result.summary, MessageIcon::None);
    }
}

void CHaulDlg::onSave() {
    if (imageBusy()) {
        return;
    }
    const SaveResult result = saveDataFile(image_, files_.state, fileUi_, currentLocalTime());
    if (result.outcome == SaveOutcome::Saved) {
        lastSavedPath_ = result.dataFilePath;
        backup_.userSaved(image_, result.dataFilePath);
    }
}

void CHaulDlg::onReload() {
    if (imageBusy() ||
        !keepDownload("Before the reload,", "\n\nThe data was not reloaded from the ECU.")) {
        return;
    }
    image_.clear();
    files_.state.loadedFileName.clear();
    showGraph(0);
    if (link_) {
        link_->BeginDownload();
    }
}

void CHaulDlg::onNext() {
    if (record_.selectedGraph >= kGraphCount) {
        return;
    }
    setSelectedGraph(record_.selectedGraph + 1);
    showGraph(record_.selectedGraph);
}

void CHaulDlg::onPrevious() {
    if (record_.selectedGraph <= 1) {
        return;
    }
    setSelectedGraph(record_.selectedGraph - 1);
    showGraph(record_.selectedGraph);
}

void CHaulDlg::onClose() {
    if (!link_ || link_->RequestClose()) {
        endNow();
        return;
    }
    // The window ends when the ECU has answered the stop (a second close ends it at once).
    setTitleState(std::string(kClosingTitle));
}

void CHaulDlg::endNow() {
    endAllowed_ = true;
    linkTimer_.stop();
    QDialog::done(QDialog::Rejected);
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
    const QString about = qs(str(sid::kAboutMenu));
    if (!about.isEmpty()) {
        menu.addAction(about, this, &CHaulDlg::onAbout);
    }
    // A new pass over the ports once a search found nothing and the user chose to work offline.
    QAction* search =
        menu.addAction(QStringLiteral("Search for ECU"), this, &CHaulDlg::searchForEcu);
    search->setEnabled(link_ &&
                       (state_.link == LinkPhase::Offline || state_.link == LinkPhase::Waiting));
    menu.addAction(QStringLiteral("Link &Trace..."), this, &CHaulDlg::openLinkTrace);
    menu.exec(event->globalPos());
}

void CHaulDlg::openLinkTrace() {
    if (traceView_ == nullptr) {
        traceView_ = new LinkTraceView(
            traceRing_, [this] { return dialogStartDirectory(files_.state); }, this);
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
        image_, [this](int n) { printStabilityRecord(n); }, this);
    table.exec();
}

void CHaulDlg::printStabilityRecord(int recordNumber) {
    if (preview_.previewOpen()) {
        preview_.raisePreview();  // one preview at a time: the open one comes to the front
        return;
    }
    setSelectedRecord(recordNumber - 1);
    printPageKind_ = PageKind::Stability;
    openPreview();
}

void CHaulDlg::openPreview() {
    preview_.OpenPreview([this] { return pageInputs(); }, this);
}

void CHaulDlg::onInformation() {
    CInfo info(interimValuesFor(image_, record_.selectedGraph), this);
    info.exec();
}

void CHaulDlg::eraseSelected() {
    if (!link_ || imageBusy()) {
        return;
    }
    const EraseOutcome outcome = runEraseCommand(
        *link_,
        [this](ecu::SupportLevel supportLevel) { return CClrData::ask(supportLevel, this); },
        [this](EraseAction action) { return backUpBeforeErase(action); });
    if (outcome.refused) {
        state_.eraseHeld = false;
        applyButtons();
        fileUi_.showMessage(strCopy(sid::kEcuNotSupported), MessageIcon::Exclamation);
    } else if (outcome.action != EraseAction::None) {
        // Off until the erase has written what it erases (or, with nothing chosen, until the
        // link's next operation).
        state_.eraseHeld = true;
        applyButtons();
    }
}

bool CHaulDlg::backUpBeforeErase(EraseAction action) {
    const char* what = action == EraseAction::FleetErase ? "the extended fleet information"
                                                         : "the stability snapshots";
    std::string saved;
    const DownloadBackup::Result backup = backup_.ensureSaved(files_.state, currentLocalTime());
    switch (backup.outcome) {
        case DownloadBackup::Outcome::NoDownload:
            break;
        case DownloadBackup::Outcome::Failed:
            fileUi_.showMessage("The data downloaded from this ECU could not be saved to " +
                                    printablePath(backup.path) + ": " + backup.error +
                                    "\n\nNothing was erased.",
                                MessageIcon::Error);
            return false;
        case DownloadBackup::Outcome::Saved:
            lastSavedPath_ = backup.path;
            saved = "The data downloaded from this ECU has been saved to\n" +
                    printablePath(backup.path) + "\n\n";
            break;
        case DownloadBackup::Outcome::AlreadySaved:
            saved = "The data downloaded from this ECU has already been saved to\n" +
                    printablePath(backup.path) + "\n\n";
            break;
    }
    return fileUi_.askYesNo(saved + "Erase " + what + " from the ECU now?");
}

bool CHaulDlg::keepDownload(const std::string& occasion, const std::string& ifFailed) {
    const DownloadBackup::Result backup = backup_.ensureSaved(files_.state, currentLocalTime());
    if (backup.outcome == DownloadBackup::Outcome::Failed) {
        postMessage("The data downloaded from this ECU could not be saved to " +
                        printablePath(backup.path) + ": " + backup.error + ifFailed,
                    MessageIcon::Error);
        return false;
    }
    if (backup.outcome == DownloadBackup::Outcome::Saved) {
        lastSavedPath_ = backup.path;
        fileUi_.showNotice(occasion + " the data downloaded from this ECU was saved to\n" +
                           printablePath(backup.path));
    }
    return true;
}

void CHaulDlg::onPrint() {
    if (preview_.previewOpen()) {
        return;
    }
    printPageKind_ = PageKind::Graph;
    openPreview();
}

PageInputs CHaulDlg::pageInputs() const {
    // The report's cover names the ECU type when the data shown came from the ECU; a data file
    // does not record which ECU it was read from.
    const bool fromEcu = state_.data == DataSource::Ecu && ecuTypeText_ != "---";
    return PageInputs{image_,
                      record_,
                      printPageKind_,
                      selectedRecord(),
                      loadedFileName(),
                      shownIntervalCount_,
                      fromEcu ? ecuTypeText_ : std::string()};
}

}  // namespace hm
