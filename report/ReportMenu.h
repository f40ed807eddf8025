#pragma once
// The report entries of the print preview's File menu: "Save Report as PDF..." and "Print All
// Pages...". Both take the data the preview shows (image and file name) from its page provider
// at the moment they are chosen. Window thread.
#include <functional>
#include <string>

#include "fleetdata/FleetDataImage.h"
#include "print/CMainFrame.h"

namespace hm {

// Adds the two entries to `fileMenu`; `window` owns the dialogs and message boxes. The save
// dialog starts where Qt chooses.
void addReportEntries(QMenu* fileMenu, CPrintGraphView* view, QWidget* window);

// ReportContextFn (printing/PrintModule.h) gathers what a report tells beyond the data of the
// preview; the window's reads the library on the library's thread.
// The same entries for a preview's File menu (CPrintGraphApp), the save dialog starting in
// `startFolder()`; `context` (may be empty: the data alone) fills each report's context.
PreviewMenuEntries reportEntries(StartFolderFn startFolder, ReportContextFn context = {});

}  // namespace hm
