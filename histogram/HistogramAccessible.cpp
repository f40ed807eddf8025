#include "histogram/HistogramAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "histogram/CHistogramCtrl.h"

namespace hm {
namespace {

// One bar: no object of its own, it reads everything from the chart when asked.
class BarAccessible : public QAccessibleInterface {
  public:
    BarAccessible(CHistogramCtrl* chart, int index) : chart_(chart), index_(index) {}

    bool isValid() const override {
        return chart_ != nullptr && index_ < chart_->accessibleBarCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return chart_ != nullptr ? chart_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(chart_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return {};
        }
        switch (t) {
            case QAccessible::Name:
                return chart_->barAccessibleName(index_);
            case QAccessible::Description:
                return chart_->barAccessibleDescription(index_);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect r = chart_->barWidgetRect(index_);
        return QRect(chart_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !chart_->isVisible();
        return s;
    }

  private:
    QPointer<CHistogramCtrl> chart_;
    int index_;
};

// The chart: its name and description are the widget's accessible ones (the window sets them),
// its children the bars.
class ChartAccessible : public QAccessibleWidget {
  public:
    explicit ChartAccessible(CHistogramCtrl* chart)
        : QAccessibleWidget(chart, QAccessible::Chart) {}
    ~ChartAccessible() override {
        for (QAccessible::Id id : bars_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return chart()->accessibleBarCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (bars_.size() <= static_cast<size_t>(index)) {
            bars_.resize(static_cast<size_t>(index) + 1, 0);
        }
        QAccessible::Id& id = bars_[static_cast<size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new BarAccessible(chart(), index));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (static_cast<size_t>(i) < bars_.size() && bars_[static_cast<size_t>(i)] != 0 &&
                QAccessible::accessibleInterface(bars_[static_cast<size_t>(i)]) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = chart()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (chart()->barWidgetRect(i).contains(p)) {
                return child(i);
            }
        }
        return nullptr;
    }

  private:
    CHistogramCtrl* chart() const { return static_cast<CHistogramCtrl*>(widget()); }
    mutable std::vector<QAccessible::Id> bars_;
};

QAccessibleInterface* chartFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("hm::CHistogramCtrl")) {
        if (auto* chart = qobject_cast<CHistogramCtrl*>(object)) {
            return new ChartAccessible(chart);
        }
    }
    return nullptr;
}

}  // namespace

void installHistogramAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    (void)installed;
}

void histogramBarsChanged(QWidget* chart) {
    if (QAccessible::isActive()) {
        QAccessibleEvent event(chart, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace hm
