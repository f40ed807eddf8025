#pragma once
// The rows of the library window's two tables, as Qt item models: the fleet (one row per
// trailer, from Library::fleet) and one trailer's history (Library::history). The rows are
// held as the library gave them and turned into text only when a view asks, so a fleet of
// 10,000 trailers costs one pass to hold. Identifications and other byte fields are shown as
// every message of the program shows them (\xNN for what is not printable text). SortRole gives
// numbers as numbers (and the visit as its ISO text), so a sort proxy orders columns by value.
// Window thread.
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <vector>

#include "figures/Findings.h"
#include "library/Library.h"

namespace hm {

class FleetModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        kIdent,
        kLastVisit,
        kFindings,  // how many findings the latest download has (attention ones first)
        kDownloads,
        kDistance,
        kRecords,
        kDistanceSince,
        kBrakesSince,
        kNewRecords,
        kAbsSince,
        kRolloverSince,
        kOverload,
        kColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole;

    explicit FleetModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The rows and, per row, the findings of its latest download (library/LibraryFindings.h).
    void setRows(std::vector<library::FleetRow> rows,
                 std::vector<std::vector<figures::Finding>> findings = {});
    // The row `row` of the model (not of a proxy), or nullptr.
    const library::FleetRow* fleetRow(int row) const;
    // The findings of row `row` (none for a row out of range).
    const std::vector<figures::Finding>& findings(int row) const;
    // True when a finding of row `row` is of severity attention.
    bool needsAttention(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant display(const library::FleetRow& row, int column) const;
    QVariant sortValue(const library::FleetRow& row, int column) const;

    std::vector<library::FleetRow> rows_;
    std::vector<std::vector<figures::Finding>> findings_;
};

// The fleet as the window shows it: the rows whose identification holds the filter text and,
// with "needs attention" on, that have a finding of severity attention.
class FleetFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit FleetFilter(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}
    void setAttentionOnly(bool on);
    bool attentionOnly() const { return attentionOnly_; }

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    bool attentionOnly_ = false;
};

class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        kDate,
        kWorkshop,
        kHost,
        kSource,
        kDistance,
        kBrakes,
        kRecords,
        kFindings,
        kColumnCount
    };

    explicit HistoryModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The downloads, oldest first, and per download its findings against the one before (or
    // none yet: they follow by setFindings).
    void setEntries(std::vector<library::Entry> entries);
    void setFindings(std::vector<std::vector<figures::Finding>> findings);
    const library::Entry* entry(int row) const;
    // The findings of the download of row `row`; nothing while they are not known.
    const std::vector<figures::Finding>* findings(int row) const;
    const std::vector<library::Entry>& entries() const { return entries_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<library::Entry> entries_;
    std::vector<std::vector<figures::Finding>> findings_;  // empty while not known
};

// Findings as lines for people: "Attention: Driven overloaded for ..." one a line.
QString findingLines(const std::vector<figures::Finding>& findings);

// A byte field as the program shows it: printable UTF-8 as it is, other bytes as \xNN.
QString shownBytes(const std::string& bytes);
// "YYYY-MM-DD HH:MM:SS" of an ISO visit time.
QString shownVisit(const std::string& visitAt);
// How a download came in, in the user's language.
QString shownSource(const std::string& source);

}  // namespace hm
