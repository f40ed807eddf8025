#pragma once
// What the report of a download tells beyond the data file, gathered for the command line and
// the window alike: the findings by the rules, from the trailer library when it knows the
// trailer (with the change since the previous visit), else of the download alone. Runs on the
// caller's thread (it reads the library there).
#include <string>
#include <vector>

#include "figures/Findings.h"
#include "fleetdata/FleetDataImage.h"
#include "report/core/ReportContext.h"

namespace hm {

class CHaulDlg;

// Fills `context` for a report of `image` by `rules`: the workshop's identity of the library
// settings file (a logo that logoProblem() refuses is left out), and from the library the
// trailer's details, the visit and the findings. `libraryOption` is the --library value ("" when
// not given: the environment's, the settings' or the default library, used only when it exists,
// so a report never creates a library). What went wrong (a bad logo, a library that cannot be
// read) is added to `problems`, one sentence each; the context then holds what could be found.
void fillReportFacts(const std::string& libraryOption, const FleetDataImage& image,
                     const std::vector<figures::Rule>& rules, ReportContext& context,
                     std::vector<std::string>& problems);

// The same problems as one text for a message box.
std::string joinedProblems(const std::vector<std::string>& problems);

// Gives the window's print preview report entries ("Save Report as PDF...", "Print All
// Pages...") whose reports carry these facts, by the rules file of the user (the defaults when it
// cannot be read) and the library of `libraryOption`. Window thread.
void attachReportFacts(CHaulDlg& dialog, const std::string& libraryOption);

}  // namespace hm
