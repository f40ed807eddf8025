#include "mainwindow/LinkTraceModel.h"

#include "ecu/FrameMeaning.h"
#include "ecu/WireText.h"

namespace hm {

LinkTraceModel::LinkTraceModel(size_t capacity, QObject* parent)
    : QAbstractTableModel(parent), capacity_(capacity) {}

int LinkTraceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LinkTraceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString LinkTraceModel::text(const ecu::TraceEntry& entry, int column) const {
    const bool note = entry.direction == ecu::TraceDirection::Note;
    switch (static_cast<Column>(column)) {
        case Column::Time:
            return QString::number(entry.ms);
        case Column::Direction:
            return note ? tr("note")
                        : (entry.direction == ecu::TraceDirection::Tx ? QStringLiteral("TX")
                                                                      : QStringLiteral("RX"));
        case Column::Bytes:
            return note ? QString()
                        : QString::fromStdString(
                              ecu::hexBytes(entry.bytes.data(), entry.bytes.size()));
        case Column::Meaning:
            return QString::fromStdString(
                note ? entry.text : ecu::frameMeaning(entry.bytes.data(), entry.bytes.size()));
        default:
            return {};
    }
}

QVariant LinkTraceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    // Long frames do not fit their column: the tooltip shows all of it.
    if (role == Qt::DisplayRole ||
        (role == Qt::ToolTipRole && index.column() == section(Column::Bytes))) {
        return text(rows_[static_cast<size_t>(index.row())], index.column());
    }
    if (role == Qt::TextAlignmentRole && index.column() == section(Column::Time)) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant LinkTraceModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (static_cast<Column>(section)) {
        case Column::Time:
            return tr("Time (ms)");
        case Column::Direction:
            return tr("Direction");
        case Column::Bytes:
            return tr("Bytes");
        case Column::Meaning:
            return tr("Meaning");
        default:
            return {};
    }
}

void LinkTraceModel::append(std::vector<ecu::TraceEntry> entries) {
    if (entries.empty()) {
        return;
    }
    if (entries.size() > capacity_) {
        entries.erase(entries.begin(),
                      entries.begin() + static_cast<std::ptrdiff_t>(entries.size() - capacity_));
    }
    const size_t overflow =
        rows_.size() + entries.size() > capacity_ ? rows_.size() + entries.size() - capacity_ : 0;
    if (overflow > 0) {
        beginRemoveRows({}, 0, static_cast<int>(overflow) - 1);
        rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(overflow));
        endRemoveRows();
    }
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    for (ecu::TraceEntry& entry : entries) {
        rows_.push_back(std::move(entry));
    }
    endInsertRows();
}

void LinkTraceModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

}  // namespace hm
