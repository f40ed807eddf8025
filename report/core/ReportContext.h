#pragma once
// What the report tells beyond the data file: who made it (the workshop), whose trailer it is,
// when the visit was, the findings and the change since the previous visit. Plain values filled
// by the callers (the command line, the window) from the library and the settings; the report
// only lays them out. An empty context gives the report of the data file alone. Any thread.
#include <string>
#include <vector>

namespace hm {

struct ReportWorkshop {
    std::string name;                  // UTF-8; empty: not set
    std::vector<std::string> address;  // lines, UTF-8
    std::string phone;
    std::string logoPath;  // file-system bytes of an SVG or PNG the caller has checked; empty: none
    bool empty() const { return name.empty() && address.empty() && phone.empty(); }
};

struct ReportTrailer {
    std::string fleetNumber;  // UTF-8 text as the user typed it; empty: not set
    std::string plate;
    std::string customer;
    std::string notes;
    bool empty() const {
        return fleetNumber.empty() && plate.empty() && customer.empty() && notes.empty();
    }
};

// One finding as the report shows it: the severity word and the sentence, both in the user's
// language; `attention` findings are set in bold.
struct ReportFinding {
    bool attention = false;
    std::string severity;
    std::string sentence;
};

struct ReportContext {
    ReportWorkshop workshop;
    ReportTrailer trailer;
    std::string visitDate;  // as shown to people ("2026-12-09 14:35"); empty: not known
    std::vector<ReportFinding> findings;
    // Whether the library holds this trailer at all, and a visit before this download: then
    // `previousVisit` is that visit's date and `changeLines` tell what changed since.
    bool libraryKnowsTrailer = false;
    bool hasPreviousVisit = false;
    std::string previousVisit;
    std::vector<std::string> changeLines;
};

}  // namespace hm
