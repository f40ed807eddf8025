#pragma once
// The rows of the link trace view: a copy of the trace entries taken from the ring, at most as
// many as the ring holds, with four columns (time since start in ms, direction, bytes in hex,
// meaning). A note shows its text as its meaning. Window thread.
#include <QAbstractTableModel>
#include <deque>
#include <vector>

#include "ecu/TraceRing.h"

namespace hm {

class LinkTraceModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum class Column { Time, Direction, Bytes, Meaning };
    static constexpr int kColumnCount = 4;
    // The model's column number of `column`.
    static constexpr int section(Column column) { return static_cast<int>(column); }

    explicit LinkTraceModel(size_t capacity, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Appends `entries` (oldest first); the oldest rows go beyond the capacity.
    void append(std::vector<ecu::TraceEntry> entries);
    void clear();

  private:
    QString text(const ecu::TraceEntry& entry, int column) const;

    size_t capacity_;
    std::deque<ecu::TraceEntry> rows_;
};

}  // namespace hm
