#pragma once
// The live view of the link trace: every frame both ways and every note that the trace ring
// holds (time since start, direction, bytes in hex, meaning), following new frames while the
// view is at its last row. Save... writes the entries held in the trace file's line format (so
// the saved file of a run equals its `--trace` file); Clear forgets them.
//
// While the view is shown it is the ring's listener: the first entry after each pull posts one
// queued pull, so a burst of frames costs one update. Hidden or destroyed, it leaves the ring
// without a listener, and the trace costs the link nothing but the ring's short locked push.
// Window thread; the ring must outlive the view.
#include <QDialog>
#include <functional>
#include <string>

#include "ecu/TraceRing.h"

class QTableView;

namespace hm {

class LinkTraceModel;

class LinkTraceView : public QDialog {
    Q_OBJECT

  public:
    // Save... starts in `startFolder()` (file-system bytes; when empty: Qt's choice).
    LinkTraceView(ecu::TraceRing& ring, std::function<std::string()> startFolder = {},
                  QWidget* parent = nullptr);
    ~LinkTraceView() override;

    int rowCount() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void pull();
    void save();
    void clearTrace();

    ecu::TraceRing& ring_;
    std::function<std::string()> startFolder_;
    uint64_t next_ = 0;  // number of the first entry not yet shown
    LinkTraceModel* model_;
    QTableView* table_;
};

}  // namespace hm
