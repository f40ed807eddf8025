#pragma once
// The trailer library window: the fleet (one row per trailer, sortable, filtered as you type),
// the history of the trailer chosen with its details (plate, fleet number, customer, notes:
// edited in a form and saved on the library thread), the difference of any two of its downloads
// graph by graph, and the export of its downloads as data files. Modeless; every query runs on the
// library's own thread (LibraryWorker), so neither this window nor the main window waits for the
// library, and a library that cannot be opened is said so in the window. Activating a row
// (double-click or Enter) hands that download to the main window (Options::openDownload), which
// refuses while it is busy. Window thread.
#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "figures/Findings.h"
#include "fleetdata/DataFile.h"
#include "library/Library.h"
#include "library/LibraryLocation.h"
#include "library/LibraryWorker.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace hm {

class DetailsForm;
class DiffView;
class FleetFilter;
class FleetModel;
class HistoryModel;

class LibraryWindow : public QDialog {
    Q_OBJECT

  public:
    struct Options {
        library::Location location;
        // Shows a download in the main window as a loaded file named `label`; false when the
        // main window is busy and refused it.
        std::function<bool(const ImageBytes& bytes, const std::string& label)> openDownload;
        // Where the export's folder dialog starts (empty function or text: Qt's choice).
        std::function<std::string()> startFolder;
        // The export's folder dialog (unset: QFileDialog); nothing when cancelled.
        std::function<std::optional<std::string>(QWidget* parent, const std::string& start)>
            chooseFolder;
        // The library's thread, shared with the main window's recording; it must outlive the
        // window. Unset: the window has a thread of its own for `location`.
        library::LibraryWorker* worker = nullptr;
    };

    explicit LibraryWindow(Options options, QWidget* parent = nullptr);
    ~LibraryWindow() override;

    // Reads the fleet again (new downloads since), keeping the trailer chosen.
    void refresh();
    // Writes the downloads of the trailer chosen into a folder the user picks.
    void exportTrailer();

    // ---- Inspection (tests) -----------------------------------------------------------------
    FleetModel& fleetModel() const { return *fleet_; }
    FleetFilter& fleetProxy() const { return *proxy_; }
    HistoryModel& historyModel() const { return *history_; }
    QTableView* fleetView() const { return fleetView_; }
    QTableView* historyView() const { return historyView_; }
    QLineEdit* filterField() const { return filter_; }
    QCheckBox* attentionFilter() const { return attention_; }
    QLabel* visitFindings() const { return visitFindings_; }
    DiffView* diffView() const { return diff_; }
    DetailsForm* detailsForm() const { return details_; }
    QString statusText() const;

  signals:
    // A reply of the library thread was applied (tests wait for it).
    void replied();

  private:
    void buildControls();
    QWidget* buildFleetSide();
    QHBoxLayout* buildFilterRow(QWidget* parent);
    void setFleet(std::vector<library::FleetRow> rows,
                  std::vector<std::vector<figures::Finding>> findings, const QString& where);
    void fleetFailed(const QString& text);
    void filterFleet(const QString& text);
    void chooseTrailer();
    void setHistory(const std::string& ident, std::vector<library::Entry> entries,
                    std::vector<std::vector<figures::Finding>> findings);
    void showVisitFindings();
    void compareSelected();
    void openEntry(const library::Entry& entry);
    void opened(const ImageBytes& bytes, const library::Entry& entry);
    void exportTo(const std::string& folder);
    // Stores the details typed in the form on the library thread, then reads the fleet again.
    void saveDetails();
    void setStatus(const QString& text);

    Options options_;
    std::unique_ptr<library::LibraryWorker> ownWorker_;  // when Options::worker is unset
    std::unique_ptr<library::LibraryWorker::Client> worker_;
    FleetModel* fleet_;
    HistoryModel* history_;
    FleetFilter* proxy_;
    QLineEdit* filter_ = nullptr;
    QCheckBox* attention_ = nullptr;
    QLabel* visitFindings_ = nullptr;
    QTableView* fleetView_ = nullptr;
    QTableView* historyView_ = nullptr;
    QLabel* historyTitle_ = nullptr;
    QPushButton* export_ = nullptr;
    DiffView* diff_ = nullptr;
    DetailsForm* details_ = nullptr;
    QLabel* status_ = nullptr;
    std::string ident_;         // the trailer whose history is shown
    uint64_t compareTurn_ = 0;  // the latest comparison asked for; older replies are dropped
    QString rulesNote_;         // what is wrong with the rules file, for the status line
    QString savedNote_;         // the details just saved, for the status line after the refresh
};

}  // namespace hm
