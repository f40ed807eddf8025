#pragma once
// What the report of a download tells beyond the data file, gathered for the command line and
// the window alike: the workshop's identity of the library settings file, and the findings by
// the rules, from the trailer library when it knows the trailer (with its details and the
// change since the previous visit), else of the download alone.
#include <string>
#include <vector>

#include "figures/Findings.h"
#include "fleetdata/FleetDataImage.h"
#include "report/core/ReportContext.h"

namespace hm {

class CHaulDlg;
namespace library {
class Library;
class LibraryWorker;
}  // namespace library

// Fills `context` for a report of `image` by `rules` from `lib` (null: the library could not be
// opened, `openError` says why, or there is none to read): the workshop (a logo that
// logoProblem() refuses is left out), the trailer's details, the visit and the findings. What
// went wrong is added to `problems`, one sentence each; the context then holds what could be
// found. On the thread that uses `lib`.
void fillReportFacts(library::Library* lib, const std::string& openError,
                     const FleetDataImage& image, const std::vector<figures::Rule>& rules,
                     ReportContext& context, std::vector<std::string>& problems);

// The same from the library `libraryOption` names (the --library value; "" when not given: the
// environment's, the settings' or the default library, used only when it exists, so a report
// never creates a library), opened for this call. The command line's main thread.
void fillReportFacts(const std::string& libraryOption, const FleetDataImage& image,
                     const std::vector<figures::Rule>& rules, ReportContext& context,
                     std::vector<std::string>& problems);

// Gives the window's print preview report entries ("Save Report as PDF...", "Print All
// Pages...") whose reports carry these facts, by the rules file of the user (the defaults when it
// cannot be read), read from the library on `worker`'s thread: the window never waits for it.
// Window thread; `worker` outlives `dialog`.
void attachReportFacts(CHaulDlg& dialog, library::LibraryWorker& worker);

}  // namespace hm
