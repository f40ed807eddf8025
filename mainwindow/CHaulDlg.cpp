#include "mainwindow/CHaulDlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QShortcut>
#include <QSocketNotifier>
#include <utility>

#include "graphs/GraphFacts.h"
#include "graphs/GraphInformation.h"
#include "histogram/CHistogramCtrl.h"
#include "mainwindow/CAboutDlg.h"
#include "mainwindow/CClrData.h"
#include "mainwindow/CInfo.h"
#include "mainwindow/LinkTraceView.h"
#include "print/CPrintGraphApp.h"
#include "report/ReportMenu.h"
#include "resources/Strings.h"
#include "stability/CTable.h"
#include "widgets/CButtonST.h"
#include "widgets/DialogUnits.h"
#include "widgets/Icons.h"

namespace hm {
namespace {

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
               reportEntries([this] { return dialogStartDirectory(session_->dataFileState()); })) {
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
    setUpKeys();
    linkTimer_.setSingleShot(true);
    connect(&linkTimer_, &QTimer::timeout, this, [this] { session_->tick(); });
    if (options_.port != nullptr) {
        watchForAdapters();
    }
    SessionHost& host = *this;
    TickSource& clock = *this;
    session_ = std::make_unique<Session>(sessionOptions(), fileUi_, host, clock);
}

Session::Options CHaulDlg::sessionOptions() const {
    Session::Options o;
    o.port = options_.port;
    o.byIdNames = options_.byIdNames;
    o.refreshPorts = options_.refreshPorts;
    o.leftOutPorts = options_.leftOutPorts;
    o.devicesWatched = deviceWatcher_ != nullptr;
    o.keys = options_.keys;
    o.settingsPath = options_.settingsPath;
    o.startTicks = options_.startLinkTimer;
    o.traceFile = options_.traceFile;
    o.offlineWhenNotFound = options_.offlineWhenNotFound;
    return o;
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
    // The preview draws from the session's image: it goes first.
    preview_.closePreview();
    delete traceView_;  // it reads the session's trace ring
    session_.reset();   // closes the port and joins its receive thread
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
    b->ShiftColor(CButtonST::kColorBkIn, 80, true);
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

// ---- Drawing the view ------------------------------------------------------------------------

void CHaulDlg::render(const ViewState& view) {
    const QString title = titleBase_ + QString::fromStdString(view.titleState);
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    renderButtons(view.buttons);
    renderLamp(view);
    if (view.ecuField != shown_.ecuField) {
        setText(kEcuType, view.ecuField);
    }
    if (!view.loadTooltip.empty() && view.loadTooltip != shown_.loadTooltip) {
        button(kLoad)->SetTip(QString::fromStdString(view.loadTooltip), true);
        button(kSave)->SetTip(QString::fromStdString(view.saveTooltip), true);
    }
    const bool newGraph = view.graphUpdate != shown_.graphUpdate;
    shown_ = view;
    if (newGraph) {
        drawGraph();
    }
    renderProgress(view);
}

void CHaulDlg::renderButtons(const ButtonStates& b) {
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

void CHaulDlg::renderLamp(const ViewState& view) {
    if (view.lamp != kLampNone && view.lamp != shown_.lamp) {
        button(kStatus)->AssignIcons(iconPixmap(view.lamp, devicePixelRatioF()), QPixmap());
    }
    if (view.lampTooltip != shown_.lampTooltip) {
        button(kStatus)->SetTip(QString::fromStdString(view.lampTooltip), true);
    }
}

void CHaulDlg::renderProgress(const ViewState& view) {
    // The bar stands in place of the graph title while an ECU operation runs.
    if (view.progressShown) {
        progress_->setRange(0, std::max(view.progressTotal, 0));
        progress_->setValue(std::min(view.progressValue, std::max(view.progressTotal, 0)));
        control(kGraphTitle)->hide();
        progress_->show();
    } else {
        progress_->hide();
        control(kGraphTitle)->show();
    }
}

void CHaulDlg::setText(int id, const std::string& text) {
    static_cast<QLineEdit*>(control(id))->setText(QString::fromStdString(text));
}

void CHaulDlg::drawGraph() {
    histogram_->SetValue(0, 0);
    histogram_->SetValue(0, 0);
    const GraphTexts& texts = session_->graphTexts();
    setText(kGraphTitle, texts.title);
    setText(kHorizontalUnit, texts.horizontalUnit);
    setText(kVerticalUnit, texts.verticalUnit);
    setText(kBottomValue, texts.bottomValue);
    setText(kTopValue, texts.topValue);
    showScale(texts);
    histogram_->Update(session_->graphRecord());
    preview_.refreshPreview();
}

void CHaulDlg::showScale(const GraphTexts& texts) {
    auto* scale = static_cast<QLabel*>(control(kScaleText));
    auto* left = static_cast<QLineEdit*>(control(kLeftDistance));
    auto* right = static_cast<QLineEdit*>(control(kRightDistance));
    if (texts.distanceLabelsVisible) {
        scale->hide();
        // The two distances stand under the first and the last of the 28 bars.
        left->move(histogram_->x() + histogram_->stackedBarsLeft(), left->y());
        right->move(histogram_->x() + histogram_->stackedBarsRight() - right->width(), right->y());
        left->setText(QString::fromStdString(texts.leftDistance));
        right->setText(QString::fromStdString(texts.rightDistance));
        left->show();
        right->show();
        return;
    }
    // In the label's coordinates: speeds and loads label the bars' centres, pressures mark the
    // 17 bar boundaries.
    const double offset = histogram_->x() - scale->x();
    const QString text = QString::fromStdString(texts.scaleText);
    const bool centres =
        graphFacts(session_->graphRecord().shownGraph).scale == ScaleAlignment::BarCentres;
    const double first =
        offset + (centres ? histogram_->singleBarCentre(0) : histogram_->singleBarBoundary(0));
    const double last = offset + (centres ? histogram_->singleBarCentre(kSingleBarCount - 1)
                                          : histogram_->singleBarBoundary(kSingleBarCount));
    alignScaleText(scale, text, first, last);
    scale->show();
    left->hide();
    right->hide();
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
    const QString about = qs(str(sid::kAboutMenu));
    if (!about.isEmpty()) {
        menu.addAction(about, this, &CHaulDlg::onAbout);
    }
    // A new pass over the ports once a search found nothing and the user chose to work offline.
    QAction* search =
        menu.addAction(QStringLiteral("Search for ECU"), this, &CHaulDlg::searchForEcu);
    search->setEnabled(shown_.searchEnabled);
    menu.addAction(QStringLiteral("Link &Trace..."), this, &CHaulDlg::openLinkTrace);
    menu.exec(event->globalPos());
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
    CInfo info(interimValuesFor(session_->image(), selectedGraph()), this);
    info.exec();
}

void CHaulDlg::onPrint() {
    if (preview_.previewOpen()) {
        return;
    }
    printPageKind_ = PageKind::Graph;
    openPreview();
}

PageInputs CHaulDlg::pageInputs() const {
    // The report's cover names the ECU type when the data shown came from the ECU.
    return PageInputs{
        session_->image(),       session_->graphRecord(),    printPageKind_,
        selectedRecord(),        session_->loadedFileName(), session_->shownIntervalCount(),
        session_->shownEcuType()};
}

}  // namespace hm
