#pragma once
// What assistive technology sees of the chart: a chart with one child per bar, each named by its
// range and value (CHistogramCtrl::barAccessibleName) and placed where the bar stands.
class QWidget;

namespace hm {

// Registers the chart's accessible interface with Qt (once; later calls do nothing).
void installHistogramAccessibility();
// Tells assistive technology that the bars of `chart` were replaced.
void histogramBarsChanged(QWidget* chart);

}  // namespace hm
