#pragma once
// What the report of a download tells from the library: the visit's date, the findings of the
// download against the visit before it (and, for the trailer's latest download, against the
// fleet, as `library findings` gives them), and what changed since that visit. Free of Qt; the
// thread that uses the Library.
#include <string>
#include <vector>

#include "figures/Findings.h"
#include "fleetdata/FleetDataImage.h"
#include "library/Library.h"
#include "report/core/ReportContext.h"

namespace hm::library {

// The findings as the report shows them (severity word and sentence in the user's language).
std::vector<ReportFinding> reportFindings(const std::vector<figures::Finding>& findings);

// The findings of `image` alone, for a report without the library (no earlier visit known).
void fillDownloadFindings(const FleetDataImage& image, const std::vector<figures::Rule>& rules,
                          ReportContext& context);

// The lines of the change since the previous visit: distance, brake applications, events,
// distances overloaded and at low reservoir pressure, new stability records, and an erase.
std::vector<std::string> changeLines(const figures::DownloadChange& change);

// Fills the trailer's details, the visit date, the findings and the change since the previous visit
// of `image` from `library`: the download is found by its bytes or, for a saved copy, by its
// figures; a download the library does not hold yet is taken as the visit after the trailer's
// latest. A trailer the library does not know gets the findings of the download alone. False with
// `error` when the library cannot be read (the context then holds the findings of the download
// alone).
bool fillFromLibrary(Library& library, const FleetDataImage& image,
                     const std::vector<figures::Rule>& rules, ReportContext& context,
                     std::string& error);

}  // namespace hm::library
