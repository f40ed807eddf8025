#pragma once
// Printing as a module loaded when it is first used: the print preview, the pages and the report
// (PDF, PNG, printer) live in haulmetry-print.so with Qt's print support and SVG libraries, so
// that a start of the window, which may never print, does not load them. The window and the
// `page` and `report` commands reach printing only through printModule(). A program that has the
// printing code linked in (the tests) uses its own copy instead of loading the module. This
// header carries the types both sides share and nothing of Qt's print support. Window thread or
// a command's main thread.
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "fleetdata/FleetDataImage.h"
#include "print/core/PageDrawing.h"

class QMenu;
class QPrinter;
class QWidget;

namespace hm {

class CPrintGraphView;
struct ReportContext;

// Returns the page's inputs as they are now (graph display record, image, hand-over members).
// Called on the window thread at every paint and print.
using PageInputsProvider = std::function<PageInputs()>;

// How a print flow asks where to print: sets up `printer` and returns true when the user
// accepted, false when cancelled. Empty: Qt's print dialog. The tests pass one that does not
// block.
using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

// Adds entries of a higher layer to the preview's File menu after "Print..." (the main dialog
// passes the report's entries); `window` owns the dialogs those entries open.
using PreviewMenuEntries =
    std::function<void(QMenu* fileMenu, CPrintGraphView* view, QWidget* window)>;

// The folder (file-system bytes) where the report's save dialog starts, asked each time it opens.
using StartFolderFn = std::function<std::string()>;

// Gathers what a report tells beyond the data of the preview (the workshop, the trailer's
// details, the findings), asked each time a report is saved or printed. It may take its time: it
// calls `done` once, on the window thread, with the context and what went wrong gathering it
// (empty: nothing; the report is made all the same). Called on the window thread.
using ReportContextDone =
    std::function<void(const ReportContext& context, const std::string& problem)>;
using ReportContextFn = std::function<void(const FleetDataImage& image, ReportContextDone done)>;

// What one report is made of.
struct ReportSource {
    const FleetDataImage& image;
    std::string fileName;  // shown in the page headers and on the cover
    std::string ecuType;   // empty when not known
    // The workshop, the trailer's details, the findings (report/core/ReportContext.h); null:
    // the report of the data file alone. Not owned; outlives the call it is passed to.
    const ReportContext* context = nullptr;
};

// The one print preview window of its owner (print/CPrintGraphApp.h has the details).
class PrintPreview {
  public:
    virtual ~PrintPreview() = default;
    // Opens the preview drawing from `provider`; 1 when a window was opened, 0 when one is open
    // already (it is raised) or the provider is empty.
    virtual int OpenPreview(PageInputsProvider provider, QWidget* owner = nullptr,
                            std::function<void()> onClosed = {}) = 0;
    virtual bool previewOpen() const = 0;
    virtual void raisePreview() = 0;
    virtual void refreshPreview() = 0;
    virtual void closePreview() = 0;
};

// The printing entry points (print/PageRenderer.h, report/ReportRenderer.h, report/ReportMenu.h
// describe each).
struct PrintModule {
    std::unique_ptr<PrintPreview> (*makePreview)(PrintDialogRunner runner,
                                                 PreviewMenuEntries moreEntries);
    PreviewMenuEntries (*reportEntries)(StartFolderFn startFolder, ReportContextFn context);
    bool (*writePagePdf)(const PageInputs& inputs, const std::string& path, QString* error);
    bool (*writePagePng)(const PageInputs& inputs, const std::string& path, int dpi,
                         QString* error);
    bool (*writeReportPdf)(const ReportSource& source, const std::string& path, QString* error,
                           QString* warning);
    // Gives the module the program's translator of the numbered texts (resources/Strings.h).
    void (*useTextTranslator)(std::string (*translator)(const char*, const char*, const char*));
};

// The printing entry points, loaded at the first call: the copy linked into this program, else
// the module installed beside it. Null when there is none; `problem` (may be null) then says
// why, in the user's language.
const PrintModule* printModule(QString* problem);

}  // namespace hm

// The module's one exported symbol.
extern "C" const hm::PrintModule* hmPrintModule();
