#pragma once
// The report entries of the print preview's File menu: "Save Report as PDF..." and "Print All
// Pages...". Both take the data the preview shows (image and file name) from its page provider
// at the moment they are chosen. Window thread.
#include <functional>
#include <string>

#include "fleetdata/FleetDataImage.h"
#include "print/CMainFrame.h"

namespace hm {

struct ReportContext;

// The folder (file-system bytes) where the save dialog starts, asked each time it opens.
using StartFolderFn = std::function<std::string()>;

// Adds the two entries to `fileMenu`; `window` owns the dialogs and message boxes. The save
// dialog starts where Qt chooses.
void addReportEntries(QMenu* fileMenu, CPrintGraphView* view, QWidget* window);

// Gathers what a report tells beyond the data of the preview (report/core/ReportContext.h: the
// workshop, the trailer's details, the findings), asked each time a report is saved or printed.
// It may take its time (it reads the library on the library's thread): it calls `done` once, on
// the window thread, with the context and what went wrong gathering it (empty: nothing; the
// report is made all the same). Called on the window thread.
using ReportContextDone =
    std::function<void(const ReportContext& context, const std::string& problem)>;
using ReportContextFn = std::function<void(const FleetDataImage& image, ReportContextDone done)>;

// The same entries for a preview's File menu (CPrintGraphApp), the save dialog starting in
// `startFolder()`; `context` (may be empty: the data alone) fills each report's context.
PreviewMenuEntries reportEntries(StartFolderFn startFolder, ReportContextFn context = {});

}  // namespace hm
