#pragma once
// The report entries of the print preview's File menu: "Save Report as PDF..." and "Print All
// Pages...". Both take the data the preview shows (image and file name) from its page provider
// at the moment they are chosen. Window thread.
class QMenu;
class QWidget;

namespace hm {

class CPrintGraphView;

// Adds the two entries to `fileMenu`; `window` owns the dialogs and message boxes.
void addReportEntries(QMenu* fileMenu, CPrintGraphView* view, QWidget* window);

}  // namespace hm
