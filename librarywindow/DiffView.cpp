#include "librarywindow/DiffView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "graphs/GraphFacts.h"
#include "histogram/CHistogramCtrl.h"

namespace hm {
namespace {

// The size of each chart: about two thirds of the main window's.
constexpr int kChartWidth = 400;
constexpr int kChartHeight = 170;

CHistogramCtrl* makeChart(QWidget* parent, const QString& name) {
    auto* chart = new CHistogramCtrl(parent);
    chart->setFixedSize(kChartWidth, kChartHeight);
    chart->setAccessibleName(name);
    CHistogramCtrl::AccessibleTexts texts;
    texts.bar = DiffView::tr("%1: %2");
    texts.barOf = DiffView::tr("Bar %1 of %2");
    chart->setAccessibleTexts(texts);
    chart->SetRange(0, 10);
    return chart;
}

}  // namespace

DiffView::DiffView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* label = new QLabel(tr("&Graph:"), this);
    graphBox_ = new QComboBox(this);
    graphBox_->setAccessibleName(tr("Graph compared"));
    graphBox_->setAccessibleDescription(
        tr("Which of the ten graphs the two downloads are "
           "compared in"));
    label->setBuddy(graphBox_);
    // The graphs' titles as the main window shows them (they do not depend on the data).
    FleetDataImage blank{};
    blank.clear();
    for (int g = 1; g <= kGraphCount; ++g) {
        graphBox_->addItem(QString::fromStdString(record(blank, g).second), g);
    }
    top->addWidget(label);
    top->addWidget(graphBox_, 1);
    layout->addLayout(top);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    layout->addWidget(note_);
    firstCaption_ = new QLabel(this);
    firstCaption_->setWordWrap(true);
    first_ = makeChart(this, tr("Difference chart"));
    secondCaption_ = new QLabel(this);
    secondCaption_->setWordWrap(true);
    second_ = makeChart(this, tr("Newer visit chart"));
    scale_ = new QLabel(this);
    scale_->setWordWrap(true);
    for (QWidget* w : {static_cast<QWidget*>(firstCaption_), static_cast<QWidget*>(first_),
                       static_cast<QWidget*>(secondCaption_), static_cast<QWidget*>(second_),
                       static_cast<QWidget*>(scale_)}) {
        layout->addWidget(w);
    }
    layout->addStretch(1);
    connect(graphBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { show(index + 1); });
    clear(tr("Choose two downloads of a trailer to compare them."));
}

void DiffView::setNote(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());  // no empty line above the chart
}

int DiffView::graph() const {
    return graphBox_->currentIndex() + 1;
}

void DiffView::setGraph(int graph) {
    graphBox_->setCurrentIndex(std::clamp(graph, 1, kGraphCount) - 1);
}

const library::GraphDiff* DiffView::shownDiff() const {
    const size_t index = static_cast<size_t>(graph() - 1);
    return index < diffs_.size() ? &diffs_[index] : nullptr;
}

QString DiffView::noteText() const {
    return note_->text();
}

void DiffView::setImages(const FleetDataImage& older, const FleetDataImage& newer,
                         const QString& olderLabel, const QString& newerLabel) {
    older_ = older;
    newer_ = newer;
    olderLabel_ = olderLabel;
    newerLabel_ = newerLabel;
    diffs_ = library::diffImages(older, newer);
    show(graph());
}

void DiffView::clear(const QString& why) {
    diffs_.clear();
    setNote(why);
    for (QWidget* w : {static_cast<QWidget*>(firstCaption_), static_cast<QWidget*>(first_),
                       static_cast<QWidget*>(secondCaption_), static_cast<QWidget*>(second_),
                       static_cast<QWidget*>(scale_)}) {
        w->hide();
    }
}

QString DiffView::scaleText() const {
    return scale_->text();
}

void DiffView::setScale(const FleetDataImage& image, const library::GraphDiff& diff,
                        float maximum) {
    // The words and numbers of the main window's axis labels, on one line under the charts.
    GraphDisplayRecord r;
    uint32_t intervals = 0;
    const GraphTexts texts = computeGraphDisplay(image, diff.graph, r, intervals);
    QString across = QString::fromStdString(texts.horizontalUnit);
    if (texts.distanceLabelsVisible) {
        across += QStringLiteral(" %1 - %2")
                      .arg(QString::fromStdString(texts.leftDistance),
                           QString::fromStdString(texts.rightDistance));
    }
    const double scale = r.scale != 0.0f ? double{r.scale} : 1.0;
    scale_->setText(
        tr("Vertical: %1 to %2 %3. Horizontal: %4")
            .arg(QString::fromStdString(formatValue(diff.valueFormat, 0.0)).trimmed(),
                 QString::fromStdString(formatValue(diff.valueFormat, scale * maximum)).trimmed(),
                 QString::fromStdString(texts.verticalUnit), across.trimmed()));
    scale_->show();
}

std::pair<GraphDisplayRecord, std::string> DiffView::record(const FleetDataImage& image,
                                                            int graph) {
    GraphDisplayRecord r;
    uint32_t intervals = 0;
    const GraphTexts texts = computeGraphDisplay(image, graph, r, intervals);
    r.selectedGraph = graph;
    return {r, texts.title};
}

void DiffView::show(int graph) {
    const library::GraphDiff* diff = shownDiff();
    if (diff == nullptr || diff->graph != graph) {
        return;
    }
    firstCaption_->show();
    first_->show();
    if (diff->counting) {
        showCounting(*diff);
    } else {
        showAverages(*diff);
    }
}

void DiffView::showCounting(const library::GraphDiff& diff) {
    // The newer download's record gives the scale, format and bar layout; its bars become the
    // usage (in the record's raw units, so the chart scales and labels them as the main window
    // does).
    GraphDisplayRecord r = record(newer_, diff.graph).first;
    const double scale = r.scale != 0.0f ? double{r.scale} : 1.0;
    double total = 0.0;
    float maximum = 10.0f;
    for (size_t c = 0; c < diff.bars.size() && c < static_cast<size_t>(kMaxBars); ++c) {
        r.barValues[c] = static_cast<float>(diff.bars[c].usage / scale);
        r.secondValues[c] = static_cast<float>(diff.bars[c].usageSecond);
        maximum = std::max({maximum, r.barValues[c], r.secondValues[c]});
        total += diff.bars[c].usage;
    }
    r.maximum = maximum;
    first_->Update(r);
    setScale(newer_, diff, maximum);
    first_->setAccessibleName(tr("Usage chart"));
    firstCaption_->setText(tr("Usage between %1 and %2 (in all: %3)")
                               .arg(olderLabel_, newerLabel_,
                                    QString::fromStdString(formatValue(diff.valueFormat, total))));
    secondCaption_->hide();
    second_->hide();
    setNote(diff.countersReset
                ? tr("The counters were reset between the two visits (the ECU's data was "
                     "erased): the chart shows the newer values, counted since then.")
                : QString());
}

void DiffView::showAverages(const library::GraphDiff& diff) {
    // One scale for both charts, so that their bars compare.
    GraphDisplayRecord older = record(older_, diff.graph).first;
    GraphDisplayRecord newer = record(newer_, diff.graph).first;
    older.maximum = newer.maximum = std::max(older.maximum, newer.maximum);
    first_->Update(older);
    setScale(newer_, diff, newer.maximum);
    first_->setAccessibleName(tr("Older visit chart"));
    second_->Update(newer);
    firstCaption_->setText(tr("Older visit: %1").arg(olderLabel_));
    secondCaption_->setText(tr("Newer visit: %1").arg(newerLabel_));
    secondCaption_->show();
    second_->show();
    setNote(
        tr("This graph holds averages, which cannot be subtracted: both visits are "
           "shown."));
}

}  // namespace hm
