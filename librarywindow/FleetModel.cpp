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

void FleetFilter::setAttentionOnly(bool on) {
    attentionOnly_ = on;
    invalidateFilter();
}

bool FleetFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const auto* fleet = qobject_cast<const FleetModel*>(sourceModel());
    if (attentionOnly_ && fleet != nullptr && !fleet->needsAttention(sourceRow)) {
        return false;
    }
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

const library::FleetRow* FleetModel::fleetRow(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<size_t>(row)]
                                                            : nullptr;
}

int FleetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FleetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant FleetModel::display(const library::FleetRow& row, int column) const {
    const library::Entry& e = row.latest;
    switch (column) {
        case kIdent:
            return shownBytes(e.ident);
        case kLastVisit:
            return shownVisit(e.visitAt);
        case kDownloads:
            return QString::number(row.downloads);
        case kDistance:
            return QString::number(e.distanceKm);
        case kRecords:
            return QString::number(e.records);
        case kOverload:
            return QString::number(e.figures.overloadKm);
        default:
            break;
    }
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
        case kDistanceSince:
            return signedNumber(row.distanceSinceKm, reset(FigureId::DistanceKm));
        case kBrakesSince:
            return signedNumber(row.brakeApplicationsSince, reset(FigureId::BrakeApplications));
        case kNewRecords:
            return QString::number(row.newRecords);
        case kAbsSince:
            return since(FigureId::AbsEvents);
        case kRolloverSince:
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

QVariant FleetModel::sortValue(const library::FleetRow& row, int column) const {
    const library::Entry& e = row.latest;
    // A first visit has no change: it sorts below every change.
    const qlonglong none = std::numeric_limits<qlonglong>::min();
    switch (column) {
        case kIdent:
            return display(row, column);
        case kLastVisit:
            return QString::fromStdString(e.visitAt);
        case kDownloads:
            return qlonglong{row.downloads};
        case kDistance:
            return qlonglong{e.distanceKm};
        case kRecords:
            return qlonglong{e.records};
        case kDistanceSince:
            return row.hasPrevious ? qlonglong{row.distanceSinceKm} : none;
        case kBrakesSince:
            return row.hasPrevious ? qlonglong{row.brakeApplicationsSince} : none;
        case kNewRecords:
            return row.hasPrevious ? qlonglong{row.newRecords} : none;
        case kAbsSince:
            return row.hasPrevious ? usage(row, figures::FigureId::AbsEvents) : none;
        case kRolloverSince:
            return row.hasPrevious ? usage(row, figures::FigureId::RolloverEvents) : none;
        case kOverload:
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
    const bool findingsColumn = index.column() == kFindings;
    const std::vector<figures::Finding>& found = findings(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return findingsColumn ? QVariant(QString::number(found.size()))
                                  : display(*row, index.column());
        case kSortRole:
            return findingsColumn ? QVariant(findingsRank(found)) : sortValue(*row, index.column());
        case Qt::ToolTipRole:
            return findingsColumn && !found.empty() ? QVariant(findingLines(found)) : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() != kIdent && index.column() != kLastVisit
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant FleetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kIdent:
            return tr("Trailer");
        case kLastVisit:
            return tr("Last visit");
        case kDownloads:
            return tr("Downloads");
        case kDistance:
            return tr("Distance (km)");
        case kRecords:
            return tr("Stability records");
        case kDistanceSince:
            return tr("Distance since (km)");
        case kBrakesSince:
            return tr("Brake applications since");
        case kNewRecords:
            return tr("New stability records");
        case kAbsSince:
            return tr("ABS events since");
        case kRolloverSince:
            return tr("Roll-over events since");
        case kOverload:
            return tr("Overloaded (km)");
        case kFindings:
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
        emit dataChanged(index(0, kFindings), index(rowCount() - 1, kFindings));
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
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    const library::Entry* e = entry(index.row());
    if (e == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() >= kDistance ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                           : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    const std::vector<figures::Finding>* found = findings(index.row());
    if (role == Qt::ToolTipRole && index.column() == kFindings && found != nullptr &&
        !found->empty()) {
        return findingLines(*found);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case kFindings:
            return found != nullptr ? QString::number(found->size()) : QStringLiteral("...");
        case kDate:
            return shownVisit(e->visitAt);
        case kWorkshop:  // none set in that computer's settings
            return e->workshop.empty() ? QStringLiteral("-") : shownBytes(e->workshop);
        case kHost:
            return e->host.empty() ? QStringLiteral("-") : shownBytes(e->host);
        case kSource:
            return shownSource(e->source);
        case kDistance:
            return QString::number(e->distanceKm);
        case kBrakes:
            return QString::number(e->brakeApplications);
        case kRecords:
            return QString::number(e->records);
        default:
            return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const char* const titles[kColumnCount] = {QT_TR_NOOP("Date"),
                                              QT_TR_NOOP("Workshop"),
                                              QT_TR_NOOP("Host"),
                                              QT_TR_NOOP("Source"),
                                              QT_TR_NOOP("Distance (km)"),
                                              QT_TR_NOOP("Brake applications"),
                                              QT_TR_NOOP("Stability records"),
                                              QT_TR_NOOP("Findings")};
    return section >= 0 && section < kColumnCount ? tr(titles[section]) : QVariant();
}

}  // namespace hm
