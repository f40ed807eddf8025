#include "librarywindow/LibraryWindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <utility>

#include "figures/RulesFile.h"
#include "library/LibraryExport.h"
#include "library/LibraryFindings.h"
#include "librarywindow/DetailsForm.h"
#include "librarywindow/DiffView.h"
#include "librarywindow/FleetModel.h"
#include "platform/FileAccess.h"

namespace hm {
namespace {

// Runs `call` on the window thread for `window`, unless the window is gone by then.
template <typename Call>
void reply(LibraryWindow* window, Call call) {
    QMetaObject::invokeMethod(
        window,
        [window, call = std::move(call)]() mutable {
            call();
            emit window->replied();
        },
        Qt::QueuedConnection);
}

constexpr char kDateSample[] = "2026-01-01 10:00:00";

// A table of `model`; `samples` holds per column a value as wide as the column's widest
// usual value (empty: the title alone decides).
QTableView* makeTable(QWidget* parent, QAbstractItemModel* model, const QString& name,
                      const QString& description, const QStringList& samples) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    // Rows of one height, set once: a view of many rows measures none of them.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
    // Columns as wide as their title or their sample, measured once from the fonts, never
    // from the rows.
    const QFontMetrics title = view->horizontalHeader()->fontMetrics();
    const QFontMetrics cell = view->fontMetrics();
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString text = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const QString sample = c < samples.size() ? samples[c] : QString();
        view->setColumnWidth(c, std::max(title.horizontalAdvance(text) + 3 * title.height(),
                                         cell.horizontalAdvance(sample) + 2 * cell.height()));
    }
    return view;
}

// The findings rules (the user's rules file, else the defaults) and, when that file is bad, why
// (the defaults are used then, and the window says so).
struct WindowRules {
    std::vector<figures::Rule> rules;
    QString note;
};

WindowRules windowRules() {
    figures::RulesParse parsed = figures::loadRules({});
    if (!parsed.error) {
        return {std::move(parsed.rules), QString()};
    }
    return {figures::defaultRules(),
            LibraryWindow::tr("The findings rules %1 cannot be used (line %2: %3); the default "
                              "rules apply.")
                .arg(shownBytes(parsed.source.empty() ? figures::userRulesPath() : parsed.source))
                .arg(parsed.error->line)
                .arg(QString::fromStdString(parsed.error->message))};
}

// The label of a download in the main window's title: the trailer and the visit.
std::string downloadLabel(const library::Entry& e) {
    return printablePath(e.ident) + " " + shownVisit(e.visitAt).toStdString();
}

}  // namespace

LibraryWindow::LibraryWindow(Options options, QWidget* parent)
    : QDialog(parent, Qt::Window),
      options_(std::move(options)),
      ownWorker_(options_.worker != nullptr
                     ? nullptr
                     : std::make_unique<library::LibraryWorker>(options_.location, nullptr)),
      worker_(std::make_unique<library::LibraryWorker::Client>(
          options_.worker != nullptr ? *options_.worker : *ownWorker_)),
      fleet_(new FleetModel(this)),
      history_(new HistoryModel(this)),
      proxy_(new FleetFilter(this)) {
    setWindowTitle(tr("Trailer Library"));
    setAccessibleName(tr("Trailer Library"));
    proxy_->setSourceModel(fleet_);
    proxy_->setSortRole(FleetModel::kSortRole);
    buildControls();
    auto* refreshKey = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(refreshKey, &QShortcut::activated, this, &LibraryWindow::refresh);
    refresh();
}

LibraryWindow::~LibraryWindow() {
    worker_.reset();  // no job of the window runs after this, so no reply reaches it
}

QString LibraryWindow::statusText() const {
    return status_->text();
}

void LibraryWindow::setStatus(const QString& text) {
    status_->setText(text);
}

// The filter field and the attention box above the fleet.
QHBoxLayout* LibraryWindow::buildFilterRow(QWidget* parent) {
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(tr("&Filter:"), parent);
    filter_ = new QLineEdit(parent);
    filter_->setClearButtonEnabled(true);
    filter_->setPlaceholderText(tr("Identification, plate, fleet number or customer"));
    filter_->setAccessibleName(tr("Filter"));
    filter_->setAccessibleDescription(
        tr("Shows only the trailers whose identification, plate, fleet number or customer "
           "holds this text"));
    // The field's clear button, shown while it holds text: named for screen readers and
    // reached by Tab like every other button.
    for (QToolButton* clear : filter_->findChildren<QToolButton*>()) {
        clear->setAccessibleName(tr("Clear the filter"));
        clear->setFocusPolicy(Qt::TabFocus);
    }
    filterLabel->setBuddy(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    attention_ = new QCheckBox(tr("Needs &attention"), parent);
    attention_->setAccessibleName(tr("Needs attention"));
    attention_->setAccessibleDescription(
        tr("Shows only the trailers whose latest download has a finding of severity attention"));
    filterRow->addWidget(attention_);
    return filterRow;
}

QWidget* LibraryWindow::buildFleetSide() {
    auto* side = new QSplitter(Qt::Vertical, this);
    auto* top = new QWidget(side);
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addLayout(buildFilterRow(top));
    fleetView_ = makeTable(
        top, proxy_, tr("Fleet"),
        tr("One row per trailer: its latest download and what changed since "
           "the visit before. Enter or a double-click opens the download."),
        {QStringLiteral("TRAILER-ID-000000"), QLatin1String(kDateSample), QString(),
         QStringLiteral("AB-123-CD"), QStringLiteral("F-00000"), QStringLiteral("Customer Name")});
    fleetView_->setSelectionMode(QAbstractItemView::SingleSelection);
    fleetView_->setSortingEnabled(true);
    fleetView_->sortByColumn(FleetModel::at(FleetModel::Column::LastVisit), Qt::DescendingOrder);
    fleetView_->setColumnWidth(FleetModel::at(FleetModel::Column::Ident),
                               fontMetrics().horizontalAdvance(QString(18, 'W')));
    topLayout->addWidget(fleetView_, 1);
    // Tab goes from the filter to the fleet, as before the filter had its check box; Alt+A
    // reaches the box, and Tab after the fleet.
    QWidget::setTabOrder(filter_, fleetView_);

    auto* bottom = new QWidget(side);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    historyTitle_ = new QLabel(tr("History"), bottom);
    historyView_ = makeTable(
        bottom, history_, tr("History"),
        tr("Every download of the trailer. Select two to compare them; "
           "Enter or a double-click opens one."),
        {QLatin1String(kDateSample), QStringLiteral("Workshop"), QStringLiteral("workshop-pc")});
    historyView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    historyTitle_->setBuddy(historyView_);
    export_ = new QPushButton(tr("&Export..."), bottom);
    export_->setAccessibleName(tr("Export"));
    export_->setAccessibleDescription(
        tr("Writes every download of the trailer into a folder "
           "as data files"));
    export_->setEnabled(false);
    export_->setAutoDefault(false);  // Enter in a table opens a download, never the export
    visitFindings_ = new QLabel(bottom);
    visitFindings_->setWordWrap(true);
    visitFindings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    visitFindings_->setAccessibleName(tr("Findings of the visit"));
    details_ = new DetailsForm(bottom);
    bottomLayout->addWidget(details_);
    bottomLayout->addWidget(historyTitle_);
    bottomLayout->addWidget(historyView_, 1);
    bottomLayout->addWidget(visitFindings_);
    bottomLayout->addWidget(export_, 0, Qt::AlignLeft);
    return side;
}

void LibraryWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(buildFleetSide());
    diff_ = new DiffView(split);
    split->addWidget(diff_);
    split->setStretchFactor(0, 1);
    layout->addWidget(split, 1);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);
    resize(1120, 640);

    connect(filter_, &QLineEdit::textChanged, this, &LibraryWindow::filterFleet);
    connect(attention_, &QCheckBox::toggled, proxy_, &FleetFilter::setAttentionOnly);
    connect(historyView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &LibraryWindow::showVisitFindings);
    connect(fleetView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &LibraryWindow::chooseTrailer);
    connect(historyView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &LibraryWindow::compareSelected);
    connect(fleetView_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (const library::FleetRow* row = fleet_->fleetRow(proxy_->mapToSource(index).row())) {
            openEntry(row->latest);
        }
    });
    connect(historyView_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (const library::Entry* e = history_->entry(index.row())) {
            openEntry(*e);
        }
    });
    connect(export_, &QPushButton::clicked, this, &LibraryWindow::exportTrailer);
    connect(details_, &DetailsForm::saveRequested, this, &LibraryWindow::saveDetails);
}

// ---- The fleet -------------------------------------------------------------------------------

void LibraryWindow::refresh() {
    setStatus(tr("Reading the library..."));
    worker_->run([this](library::Library* lib, const std::string& openError) {
        if (lib == nullptr) {
            const QString text =
                tr("The library cannot be opened: %1").arg(QString::fromStdString(openError));
            reply(this, [this, text] { fleetFailed(text); });
            return;
        }
        std::vector<library::FleetRow> rows;
        std::string error;
        const WindowRules rules = windowRules();
        if (!lib->fleet(rows, error)) {
            const QString text =
                tr("%1 cannot be read: %2")
                    .arg(shownBytes(lib->describe()), QString::fromStdString(error));
            reply(this, [this, text] { fleetFailed(text); });
            return;
        }
        const QString where = shownBytes(lib->describe());
        library::FleetFindings found = library::fleetFindings(rows, rules.rules);
        reply(this, [this, rows = std::move(rows), found = std::move(found.byRow), where,
                     note = rules.note]() mutable {
            rulesNote_ = note;
            setFleet(std::move(rows), std::move(found), where);
        });
    });
}

void LibraryWindow::fleetFailed(const QString& text) {
    fleet_->setRows({});
    history_->setEntries({});
    details_->clearTrailer();
    export_->setEnabled(false);
    diff_->clear(text);
    setStatus(text);
}

void LibraryWindow::setFleet(std::vector<library::FleetRow> rows,
                             std::vector<std::vector<figures::Finding>> findings,
                             const QString& where) {
    const int count = static_cast<int>(rows.size());
    const std::string keep = ident_;
    fleet_->setRows(std::move(rows), std::move(findings));
    setStatus((savedNote_.isEmpty() ? QString() : savedNote_ + QLatin1Char(' ')) +
              tr("Trailers in %1: %2").arg(where).arg(count) +
              (rulesNote_.isEmpty() ? QString() : QStringLiteral("\n") + rulesNote_));
    savedNote_.clear();
    // The trailer chosen before stays chosen (its history may have grown); else the first row.
    int row = 0;
    for (int r = 0; r < proxy_->rowCount(); ++r) {
        const library::FleetRow* f =
            fleet_->fleetRow(proxy_->mapToSource(proxy_->index(r, 0)).row());
        if (f != nullptr && f->latest.ident == keep) {
            row = r;
            break;
        }
    }
    if (proxy_->rowCount() == 0) {
        history_->setEntries({});
        details_->clearTrailer();
        visitFindings_->clear();
        diff_->clear(tr("The library holds no download yet."));
        return;
    }
    ident_.clear();  // the history is read again even for the same trailer
    fleetView_->setCurrentIndex(proxy_->index(row, 0));
    chooseTrailer();
}

void LibraryWindow::filterFleet(const QString& text) {
    proxy_->setText(text);
    // The history, the difference and Export... belong to the trailer chosen in the list. When
    // the filter hides it, they follow the row that is current now, or show no trailer at all.
    const QModelIndex current = fleetView_->currentIndex();
    if (current.isValid() && fleet_->fleetRow(proxy_->mapToSource(current).row()) != nullptr) {
        chooseTrailer();
        return;
    }
    ident_.clear();
    history_->setEntries({});
    details_->clearTrailer();
    historyTitle_->setText(tr("History"));
    export_->setEnabled(false);
    diff_->clear(tr("No trailer is chosen: choose one in the list."));
}

void LibraryWindow::chooseTrailer() {
    const QModelIndex current = proxy_->mapToSource(fleetView_->currentIndex());
    const library::FleetRow* row = fleet_->fleetRow(current.row());
    if (row == nullptr || row->latest.ident == ident_) {
        return;
    }
    ident_ = row->latest.ident;
    details_->setTrailer(ident_, row->details);
    worker_->run([this, ident = ident_](library::Library* lib, const std::string&) {
        std::vector<library::Entry> entries;
        std::vector<std::vector<figures::Finding>> findings;
        std::vector<library::TrailerDetails> changes;
        std::string error;
        if (lib == nullptr || !lib->history(ident, entries, error) ||
            !library::historyFindings(*lib, entries, windowRules().rules, findings, error) ||
            !lib->detailsHistory(ident, changes, error)) {
            const QString text =
                tr("The history cannot be read: %1").arg(QString::fromStdString(error));
            reply(this, [this, text] { setStatus(text); });
            return;
        }
        reply(this, [this, ident, entries = std::move(entries), findings = std::move(findings),
                     changes = std::move(changes)]() mutable {
            details_->setChanges(ident, changes);
            setHistory(ident, std::move(entries), std::move(findings));
        });
    });
}

// ---- A trailer's history ---------------------------------------------------------------------

void LibraryWindow::setHistory(const std::string& ident, std::vector<library::Entry> entries,
                               std::vector<std::vector<figures::Finding>> findings) {
    if (ident != ident_) {
        return;  // another trailer was chosen meanwhile
    }
    const int count = static_cast<int>(entries.size());
    history_->setEntries(std::move(entries));
    history_->setFindings(std::move(findings));
    historyTitle_->setText(tr("&History of %1 (downloads: %2)").arg(shownBytes(ident)).arg(count));
    export_->setEnabled(count > 0);
    // The two latest downloads are compared at once: what changed since the visit before.
    QItemSelectionModel* selection = historyView_->selectionModel();
    {
        const QSignalBlocker quiet(selection);  // one comparison below, not one per change
        selection->clearSelection();
        if (count >= 2) {
            selection->setCurrentIndex(history_->index(count - 1, 0),
                                       QItemSelectionModel::NoUpdate);
            selection->select(
                QItemSelection(history_->index(count - 2, 0), history_->index(count - 1, 0)),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    if (count == 1) {
        selection->setCurrentIndex(history_->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    historyView_->viewport()->update();
    showVisitFindings();
    compareSelected();
}

// The findings of the visit of the history's current row (the latest when the history is read).
void LibraryWindow::showVisitFindings() {
    const int row = historyView_->currentIndex().row();
    const library::Entry* e = history_->entry(row);
    const std::vector<figures::Finding>* found = history_->findings(row);
    if (e == nullptr || found == nullptr) {
        visitFindings_->clear();
        return;
    }
    const QString title = tr("Findings of the visit %1:").arg(shownVisit(e->visitAt));
    visitFindings_->setText(title + QLatin1Char('\n') +
                            (found->empty() ? tr("none") : findingLines(*found)));
    visitFindings_->setAccessibleDescription(visitFindings_->text());
}

void LibraryWindow::compareSelected() {
    const QModelIndexList rows = historyView_->selectionModel()->selectedRows();
    ++compareTurn_;
    if (rows.size() != 2) {
        diff_->clear(history_->rowCount() < 2
                         ? tr("The trailer has one download: nothing to compare it with.")
                         : tr("Select two downloads to see their difference."));
        return;
    }
    const int a = std::min(rows[0].row(), rows[1].row());
    const int b = std::max(rows[0].row(), rows[1].row());
    const library::Entry older = *history_->entry(a);  // the history is oldest first
    const library::Entry newer = *history_->entry(b);
    worker_->run(
        [this, older, newer, turn = compareTurn_](library::Library* lib, const std::string&) {
            ImageBytes olderBytes{};
            ImageBytes newerBytes{};
            std::string error;
            if (lib == nullptr || !lib->data(older.id, olderBytes, error) ||
                !lib->data(newer.id, newerBytes, error)) {
                const QString text =
                    tr("The downloads cannot be read: %1").arg(QString::fromStdString(error));
                reply(this, [this, text] { diff_->clear(text); });
                return;
            }
            reply(this, [this, older, newer, olderBytes, newerBytes, turn] {
                if (turn != compareTurn_) {
                    return;
                }
                FleetDataImage olderImage{};
                FleetDataImage newerImage{};
                deserialiseImage(olderBytes, olderImage);
                deserialiseImage(newerBytes, newerImage);
                diff_->setImages(olderImage, newerImage, shownVisit(older.visitAt),
                                 shownVisit(newer.visitAt));
            });
        });
}

// ---- A trailer's details -------------------------------------------------------------------

void LibraryWindow::saveDetails() {
    const std::string ident = details_->ident();
    const library::TrailerDetails details = details_->edited();
    const QString name = shownBytes(ident);
    if (const std::string problem = library::detailsProblem(details); !problem.empty()) {
        setStatus(
            tr("The details of %1 cannot be saved: %2").arg(name, QString::fromStdString(problem)));
        return;
    }
    details_->setSaving(true);
    setStatus(tr("Saving the details of %1...").arg(name));
    worker_->run([this, ident, details, name](library::Library* lib, const std::string& openError) {
        std::string error = openError;
        const bool saved = lib != nullptr && lib->setTrailerDetails(ident, details, error);
        reply(this, [this, saved, ident, name, error] {
            if (!saved) {
                if (details_->ident() == ident) {
                    details_->setSaving(false);
                }
                setStatus(tr("The details of %1 cannot be saved: %2")
                              .arg(name, QString::fromStdString(error)));
                return;
            }
            // Read the fleet again, so that its row, the form and the filter see what is
            // stored; the status line then says both.
            savedNote_ = tr("The details of %1 are saved.").arg(name);
            refresh();
        });
    });
}

// ---- Opening and exporting -------------------------------------------------------------------

void LibraryWindow::openEntry(const library::Entry& entry) {
    worker_->run([this, entry](library::Library* lib, const std::string&) {
        ImageBytes bytes{};
        std::string error;
        if (lib == nullptr || !lib->data(entry.id, bytes, error)) {
            const QString text =
                tr("The download cannot be read: %1").arg(QString::fromStdString(error));
            reply(this, [this, text] { setStatus(text); });
            return;
        }
        reply(this, [this, bytes, entry] { opened(bytes, entry); });
    });
}

void LibraryWindow::opened(const ImageBytes& bytes, const library::Entry& entry) {
    const std::string label = downloadLabel(entry);
    if (!options_.openDownload || !options_.openDownload(bytes, label)) {
        setStatus(tr("The main window is busy (a download, or a file being chosen or saved), so "
                     "the download of %1 was not opened. Open it again when the main window is "
                     "free.")
                      .arg(QString::fromStdString(label)));
        return;
    }
    setStatus(
        tr("The download of %1 is shown in the main window.").arg(QString::fromStdString(label)));
}

void LibraryWindow::exportTrailer() {
    if (history_->rowCount() == 0) {
        return;
    }
    const std::string start = options_.startFolder ? options_.startFolder() : std::string();
    std::optional<std::string> folder;
    if (options_.chooseFolder) {
        folder = options_.chooseFolder(this, start);
    } else {
        const QString chosen = QFileDialog::getExistingDirectory(
            this, tr("Export the Downloads to a Folder"), QString::fromStdString(start));
        if (!chosen.isEmpty()) {
            folder = chosen.toStdString();
        }
    }
    if (folder) {
        exportTo(*folder);
    }
}

void LibraryWindow::exportTo(const std::string& folder) {
    setStatus(tr("Exporting..."));
    worker_->run([this, folder, entries = history_->entries()](library::Library* lib,
                                                               const std::string& openError) {
        int written = 0;
        std::string error = lib == nullptr ? openError : std::string();
        library::ExportNames names;
        for (const library::Entry& e : entries) {
            std::filesystem::path path;
            if (lib == nullptr || !library::exportDownload(*lib, e, folder, path, error, &names)) {
                break;
            }
            ++written;
        }
        const QString where = shownBytes(folder);
        const QString text = error.empty()
                                 ? tr("Data files written to %1: %2").arg(where).arg(written)
                                 : tr("The export to %1 stopped after %2 data files: %3")
                                       .arg(where)
                                       .arg(written)
                                       .arg(QString::fromStdString(error));
        reply(this, [this, text] { setStatus(text); });
    });
}

}  // namespace hm
