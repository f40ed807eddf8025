#pragma once
// The difference of two downloads of one trailer, one graph at a time, drawn with the main
// window's chart. A counting graph shows one chart: the usage between the two visits (after an
// erase between them, the newer values, and a note says the counters were reset). A graph of
// averages shows two charts, the older and the newer values, one above the other. Window thread.
#include <QString>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "fleetdata/FleetDataImage.h"
#include "graphs/GraphDisplay.h"
#include "library/LibraryDiff.h"

class QComboBox;
class QLabel;

namespace hm {

class CHistogramCtrl;

class DiffView : public QWidget {
    Q_OBJECT

  public:
    explicit DiffView(QWidget* parent = nullptr);

    // Compares `older` with `newer` (labels: the two visits as shown to the user).
    void setImages(const FleetDataImage& older, const FleetDataImage& newer,
                   const QString& olderLabel, const QString& newerLabel);
    // Nothing to compare: `why` takes the charts' place.
    void clear(const QString& why);

    // The graph shown (1..10).
    int graph() const;
    void setGraph(int graph);
    // What the view shows of the graph (nullptr when nothing is compared).
    const library::GraphDiff* shownDiff() const;
    CHistogramCtrl* firstChart() const { return first_; }
    CHistogramCtrl* secondChart() const { return second_; }
    QString noteText() const;
    // What the chart's height and bars stand for (its units and the values at bottom and top).
    QString scaleText() const;

  private:
    void setNote(const QString& text);
    void show(int graph);
    void showCounting(const library::GraphDiff& diff);
    void showAverages(const library::GraphDiff& diff);
    // The chart record of `image`'s graph `graph`, as the main window draws it, and its title.
    static std::pair<GraphDisplayRecord, std::string> record(const FleetDataImage& image,
                                                             int graph);
    // Sets the scale line for `image`'s graph drawn up to `maximum` (in the record's units).
    void setScale(const FleetDataImage& image, const library::GraphDiff& diff, float maximum);

    QComboBox* graphBox_;
    QLabel* note_;
    QLabel* firstCaption_;
    QLabel* secondCaption_;
    QLabel* scale_;
    CHistogramCtrl* first_;
    CHistogramCtrl* second_;
    std::vector<library::GraphDiff> diffs_;
    FleetDataImage older_{};
    FleetDataImage newer_{};
    QString olderLabel_;
    QString newerLabel_;
};

}  // namespace hm
