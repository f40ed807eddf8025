#include "librarywindow/FleetModel.h"

#include <limits>
#include <utility>

#include "library/LibraryFindings.h"
#include "platform/FileAccess.h"

namespace hm {

QString shownBytes(const std::string& bytes) {
    return QString::fromStdString(printablePath(bytes));
}

QString shownVisit(const std::string& visitAt) {
    QString text = QString::fromStdString(visitAt);
    if (text.size() > 10 && text[10] == QLatin1Char('T')) {
        text[10] = QLatin1Char(' ');
    }
    return text;
}

QString shownSource(const std::string& source) {
    if (source == "download") {
        return FleetModel::tr("download");
    }
    if (source == "load") {
        return FleetModel::tr("file loaded");
    }
    if (source == "save") {
        return FleetModel::tr("file saved");
    }
    if (source == "import") {
        return FleetModel::tr("import");
    }
    return shownBytes(source);
}

namespace {

// A change since the visit before, signed ("+12", "0"); marked when the ECU was erased between
// the visits (the change is then the use since the erase).
QString signedNumber(int64_t value, bool reset = false) {
    const QString number = value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
    return reset ? FleetModel::tr("%1 (erased)").arg(number) : number;
}

const std::vector<figures::Finding> kNoFindings;

// Columns of text (left-aligned); the others hold numbers.
bool textColumn(FleetModel::Column column) {
    using Column = FleetModel::Column;
    return column == Column::Ident || column == Column::LastVisit || column == Column::Plate ||
           column == Column::FleetNumber || column == Column::Customer;
}

// The change of figure `id` in `row`; null when the row holds none (a first visit).
const figures::FigureChange* changeOf(const library::FleetRow& row, figures::FigureId id) {
    const auto i = static_cast<size_t>(id);
    return i < row.change.figures.size() ? &row.change.figures[i] : nullptr;
}

// Orders by the findings of severity attention, then by all findings.
qlonglong findingsRank(const std::vector<figures::Finding>& findings) {
    return qlonglong{library::attentionCount(findings)} * 100000 +
           static_cast<qlonglong>(findings.size());
}

}  // namespace

QString detailsLine(const library::TrailerDetails& details) {
    QStringList parts;
    if (!details.plate.empty()) {
        parts << shownBytes(details.plate);
    }
    if (!details.fleetNumber.empty()) {
        parts << FleetModel::tr("fleet number %1").arg(shownBytes(details.fleetNumber));
    }
    if (!details.customer.empty()) {
        parts << shownBytes(details.customer);
    }
    return parts.join(QStringLiteral(", "));
}

QString findingLines(const std::vector<figures::Finding>& findings) {
    QStringList lines;
    for (const figures::Finding& f : findings) {
        lines << QString::fromStdString(figures::severityText(f.severity) + ": " +
                                        figures::findingSentence(f));
    }
    return lines.join(QLatin1Char('\n'));
}

// ---- FleetModel ------------------------------------------------------------------------------

void FleetModel::setRows(std::vector<library::FleetRow> rows,
                         std::vector<std::vector<figures::Finding>> findings) {
    beginResetModel();
    rows_ = std::move(rows);
    findings_ = std::move(findings);
    findings_.resize(rows_.size());
    endResetModel();
}

const std::vector<figures::Finding>& FleetModel::findings(int row) const {
    return row >= 0 && row < static_cast<int>(findings_.size())
               ? findings_[static_cast<size_t>(row)]
               : kNoFindings;
}

bool FleetModel::needsAttention(int row) const {
    return library::attentionCount(findings(row)) > 0;
}

void FleetFilter::setText(const QString& text) {
    text_ = text.toCaseFolded();
    plateKey_ = QString::fromStdString(library::plateKey(text.toStdString()));
    invalidateFilter();
}

void FleetFilter::setAttentionOnly(bool on) {
    attentionOnly_ = on;
    invalidateFilter();
}

bool FleetFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const auto* fleet = qobject_cast<const FleetModel*>(sourceModel());
    const library::FleetRow* row = fleet != nullptr ? fleet->fleetRow(sourceRow) : nullptr;
    if (row == nullptr || (attentionOnly_ && !fleet->needsAttention(sourceRow))) {
        return false;
    }
    if (text_.isEmpty()) {
        return true;
    }
    const library::TrailerDetails& d = row->details;
    const auto holds = [this](const std::string& field) {
        return QString::fromStdString(field).toCaseFolded().contains(text_);
    };
    return shownBytes(row->latest.ident).toCaseFolded().contains(text_) || holds(d.plate) ||
           holds(d.fleetNumber) || holds(d.customer) ||
           (!plateKey_.isEmpty() &&
            QString::fromStdString(library::plateKey(d.plate)).contains(plateKey_));
}

const library::FleetRow* FleetModel::fleetRow(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<size_t>(row)]
                                                            : nullptr;
}

int FleetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FleetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : at(Column::Count);
}

QVariant FleetModel::display(const library::FleetRow& row, Column column) const {
    const library::Entry& e = row.latest;
    switch (column) {
        case Column::Ident:
            return shownBytes(e.ident);
        case Column::Plate:
            return shownBytes(row.details.plate);
        case Column::FleetNumber:
            return shownBytes(row.details.fleetNumber);
        case Column::Customer:
            return shownBytes(row.details.customer);
        case Column::LastVisit:
            return shownVisit(e.visitAt);
        case Column::Downloads:
            return QString::number(row.downloads);
        case Column::Distance:
            return QString::number(e.distanceKm);
        case Column::Records:
            return QString::number(e.records);
        case Column::Overload:
            return QString::number(e.figures.overloadKm);
        default:
            return changeText(row, column);
    }
}

QVariant FleetModel::changeText(const library::FleetRow& row, Column column) const {
    if (!row.hasPrevious) {
        return QStringLiteral("-");  // a first visit: nothing to compare with
    }
    using figures::FigureId;
    const auto since = [&row](FigureId id) {
        const figures::FigureChange* c = changeOf(row, id);
        return c != nullptr ? signedNumber(static_cast<int64_t>(c->usage), c->reset)
                            : QStringLiteral("-");
    };
    const auto reset = [&row](FigureId id) {
        const figures::FigureChange* c = changeOf(row, id);
        return c != nullptr && c->reset;
    };
    switch (column) {
        case Column::DistanceSince:
            return signedNumber(row.distanceSinceKm, reset(FigureId::DistanceKm));
        case Column::BrakesSince:
            return signedNumber(row.brakeApplicationsSince, reset(FigureId::BrakeApplications));
        case Column::NewRecords:
            return QString::number(row.newRecords);
        case Column::AbsSince:
            return since(FigureId::AbsEvents);
        case Column::RolloverSince:
            return since(FigureId::RolloverEvents);
        default:
            return {};
    }
}

namespace {

qlonglong usage(const library::FleetRow& row, figures::FigureId id) {
    const figures::FigureChange* c = changeOf(row, id);
    return c != nullptr ? static_cast<qlonglong>(c->usage) : 0;
}

}  // namespace

QVariant FleetModel::sortValue(const library::FleetRow& row, Column column) const {
    const library::Entry& e = row.latest;
    // A first visit has no change: it sorts below every change.
    const qlonglong none = std::numeric_limits<qlonglong>::min();
    switch (column) {
        case Column::Ident:
        case Column::Plate:
        case Column::FleetNumber:
        case Column::Customer:
            return display(row, column);
        case Column::LastVisit:
            return QString::fromStdString(e.visitAt);
        case Column::Downloads:
            return qlonglong{row.downloads};
        case Column::Distance:
            return qlonglong{e.distanceKm};
        case Column::Records:
            return qlonglong{e.records};
        case Column::DistanceSince:
            return row.hasPrevious ? qlonglong{row.distanceSinceKm} : none;
        case Column::BrakesSince:
            return row.hasPrevious ? qlonglong{row.brakeApplicationsSince} : none;
        case Column::NewRecords:
            return row.hasPrevious ? qlonglong{row.newRecords} : none;
        case Column::AbsSince:
            return row.hasPrevious ? usage(row, figures::FigureId::AbsEvents) : none;
        case Column::RolloverSince:
            return row.hasPrevious ? usage(row, figures::FigureId::RolloverEvents) : none;
        case Column::Overload:
            return static_cast<qlonglong>(e.figures.overloadKm);
        default:
            return {};
    }
}

QVariant FleetModel::data(const QModelIndex& index, int role) const {
    const library::FleetRow* row = fleetRow(index.row());
    if (row == nullptr) {
        return {};
    }
    const auto column = static_cast<Column>(index.column());
    const bool findingsColumn = column == Column::Findings;
    const std::vector<figures::Finding>& found = findings(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return findingsColumn ? QVariant(QString::number(found.size())) : display(*row, column);
        case kSortRole:
            return findingsColumn ? QVariant(findingsRank(found)) : sortValue(*row, column);
        case Qt::ToolTipRole:
            return findingsColumn && !found.empty() ? QVariant(findingLines(found)) : QVariant();
        case Qt::TextAlignmentRole:
            return textColumn(column) ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant FleetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (static_cast<Column>(section)) {
        case Column::Ident:
            return tr("Trailer");
        case Column::Plate:
            return tr("Plate");
        case Column::FleetNumber:
            return tr("Fleet number");
        case Column::Customer:
            return tr("Customer");
        case Column::LastVisit:
            return tr("Last visit");
        case Column::Downloads:
            return tr("Downloads");
        case Column::Distance:
            return tr("Distance (km)");
        case Column::Records:
            return tr("Stability records");
        case Column::DistanceSince:
            return tr("Distance since (km)");
        case Column::BrakesSince:
            return tr("Brake applications since");
        case Column::NewRecords:
            return tr("New stability records");
        case Column::AbsSince:
            return tr("ABS events since");
        case Column::RolloverSince:
            return tr("Roll-over events since");
        case Column::Overload:
            return tr("Overloaded (km)");
        case Column::Findings:
            return tr("Findings");
        default:
            return {};
    }
}

// ---- HistoryModel ----------------------------------------------------------------------------

void HistoryModel::setEntries(std::vector<library::Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    findings_.clear();
    endResetModel();
}

void HistoryModel::setFindings(std::vector<std::vector<figures::Finding>> findings) {
    if (findings.size() != entries_.size()) {
        return;  // of another history
    }
    findings_ = std::move(findings);
    if (!entries_.empty()) {
        emit dataChanged(index(0, at(Column::Findings)),
                         index(rowCount() - 1, at(Column::Findings)));
    }
}

const std::vector<figures::Finding>* HistoryModel::findings(int row) const {
    return row >= 0 && row < static_cast<int>(findings_.size())
               ? &findings_[static_cast<size_t>(row)]
               : nullptr;
}

const library::Entry* HistoryModel::entry(int row) const {
    return row >= 0 && row < static_cast<int>(entries_.size()) ? &entries_[static_cast<size_t>(row)]
                                                               : nullptr;
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : at(Column::Count);
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    const library::Entry* e = entry(index.row());
    if (e == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() >= at(Column::Distance) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    const std::vector<figures::Finding>* found = findings(index.row());
    const auto column = static_cast<Column>(index.column());
    if (role == Qt::ToolTipRole && column == Column::Findings && found != nullptr &&
        !found->empty()) {
        return findingLines(*found);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (column) {
        case Column::Findings:
            return found != nullptr ? QString::number(found->size()) : QStringLiteral("...");
        case Column::Date:
            return shownVisit(e->visitAt);
        case Column::Workshop:  // none set in that computer's settings
            return e->workshop.empty() ? QStringLiteral("-") : shownBytes(e->workshop);
        case Column::Host:
            return e->host.empty() ? QStringLiteral("-") : shownBytes(e->host);
        case Column::Source:
            return shownSource(e->source);
        case Column::Distance:
            return QString::number(e->distanceKm);
        case Column::Brakes:
            return QString::number(e->brakeApplications);
        case Column::Records:
            return QString::number(e->records);
        default:
            return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const char* const titles[at(Column::Count)] = {QT_TR_NOOP("Date"),
                                                   QT_TR_NOOP("Workshop"),
                                                   QT_TR_NOOP("Host"),
                                                   QT_TR_NOOP("Source"),
                                                   QT_TR_NOOP("Distance (km)"),
                                                   QT_TR_NOOP("Brake applications"),
                                                   QT_TR_NOOP("Stability records"),
                                                   QT_TR_NOOP("Findings")};
    return section >= 0 && section < at(Column::Count) ? tr(titles[section]) : QVariant();
}

}  // namespace hm
