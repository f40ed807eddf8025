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
    enum class Column {
        Ident,
        LastVisit,
        Findings,  // how many findings the latest download has (attention ones first)
        Plate,     // the trailer's details (empty when not set)
        FleetNumber,
        Customer,
        Downloads,
        Distance,
        Records,
        DistanceSince,
        BrakesSince,
        NewRecords,
        AbsSince,
        RolloverSince,
        Overload,
        Count
    };
    // The model column of `c`.
    static constexpr int at(Column c) { return static_cast<int>(c); }
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
    QVariant display(const library::FleetRow& row, Column column) const;
    QVariant changeText(const library::FleetRow& row, Column column) const;
    QVariant sortValue(const library::FleetRow& row, Column column) const;

    std::vector<library::FleetRow> rows_;
    std::vector<std::vector<figures::Finding>> findings_;
};

// The fleet as the window shows it: the rows whose identification, plate, fleet number or
// customer holds the filter text (case-insensitive; a plate also without its blanks and
// hyphens, so "ab12" finds "AB-12 CD") and, with "needs attention" on, that have a finding of
// severity attention. Its source model is a FleetModel.
class FleetFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit FleetFilter(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}
    void setText(const QString& text);
    void setAttentionOnly(bool on);
    bool attentionOnly() const { return attentionOnly_; }

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    bool attentionOnly_ = false;
    QString text_;      // case-folded
    QString plateKey_;  // the text as a plate key (library::plateKey)
};

class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum class Column { Date, Workshop, Host, Source, Distance, Brakes, Records, Findings, Count };
    static constexpr int at(Column c) { return static_cast<int>(c); }

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

// A trailer's details in one line for people: "AB-12 CD, fleet number 17, Müller GmbH"
// (the fields that are set); empty when none is.
QString detailsLine(const library::TrailerDetails& details);

// Findings as lines for people: "Attention: Driven overloaded for ..." one a line.
QString findingLines(const std::vector<figures::Finding>& findings);

// A byte field as the program shows it: printable UTF-8 as it is, other bytes as \xNN.
QString shownBytes(const std::string& bytes);
// "YYYY-MM-DD HH:MM:SS" of an ISO visit time.
QString shownVisit(const std::string& visitAt);
// How a download came in, in the user's language.
QString shownSource(const std::string& source);

}  // namespace hm
