#pragma once
// The report entries of the print preview's File menu: "Save Report as PDF..." and "Print All
// Pages...". Both take the data the preview shows (image and file name) from its page provider
// at the moment they are chosen. Window thread.
#include <functional>
#include <string>

#include "print/CMainFrame.h"

namespace hm {

// The folder (file-system bytes) where the save dialog starts, asked each time it opens.
using StartFolderFn = std::function<std::string()>;

// Adds the two entries to `fileMenu`; `window` owns the dialogs and message boxes. The save
// dialog starts where Qt chooses.
void addReportEntries(QMenu* fileMenu, CPrintGraphView* view, QWidget* window);

// The same entries for a preview's File menu (CPrintGraphApp), the save dialog starting in
// `startFolder()`.
PreviewMenuEntries reportEntries(StartFolderFn startFolder);

}  // namespace hm
