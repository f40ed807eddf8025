#include "librarywindow/FleetModel.h"

#include <limits>
#include <utility>

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

// A change since the visit before, signed ("+12", "-3", "0").
QString signedNumber(int64_t value) {
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

}  // namespace

// ---- FleetModel ------------------------------------------------------------------------------

void FleetModel::setRows(std::vector<library::FleetRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
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
        default:
            break;
    }
    if (!row.hasPrevious) {
        return QStringLiteral("-");  // a first visit: nothing to compare with
    }
    switch (column) {
        case kDistanceSince:
            return signedNumber(row.distanceSinceKm);
        case kBrakesSince:
            return signedNumber(row.brakeApplicationsSince);
        case kNewRecords:
            return QString::number(row.newRecords);
        default:
            return {};
    }
}

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
        default:
            return {};
    }
}

QVariant FleetModel::data(const QModelIndex& index, int role) const {
    const library::FleetRow* row = fleetRow(index.row());
    if (row == nullptr) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return display(*row, index.column());
        case kSortRole:
            return sortValue(*row, index.column());
        case Qt::TextAlignmentRole:
            return index.column() >= kDownloads ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
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
        default:
            return {};
    }
}

// ---- HistoryModel ----------------------------------------------------------------------------

void HistoryModel::setEntries(std::vector<library::Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
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
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
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
                                              QT_TR_NOOP("Stability records")};
    return section >= 0 && section < kColumnCount ? tr(titles[section]) : QVariant();
}

}  // namespace hm
