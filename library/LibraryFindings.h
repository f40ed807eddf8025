#pragma once
// The findings of the library's trailers: the rules over each download's figures and its change
// since the visit before, and for the fleet's latest downloads also the fleet against itself
// (above its 90th percentile). One place, so that `library list`, `library findings` and the
// library window count the same findings. Free of Qt.
#include <string>
#include <vector>

#include "figures/FleetFigures.h"
#include "library/Library.h"

namespace hm::library {

struct FleetFindings {
    figures::FleetStatistics statistics;               // over every trailer's latest figures
    std::vector<std::vector<figures::Finding>> byRow;  // per fleet row, in its order
};

// The findings of each trailer's latest download against the one before it and the fleet.
FleetFindings fleetFindings(const std::vector<FleetRow>& rows,
                            const std::vector<figures::Rule>& rules);

// The number of findings of severity attention in `findings`.
int attentionCount(const std::vector<figures::Finding>& findings);

// The findings of every download of one trailer's history (oldest first, as history() gives
// it), each against the download before it; the first has no change to look at. False with
// `error` when a download's data cannot be read.
bool historyFindings(Library& library, const std::vector<Entry>& entries,
                     const std::vector<figures::Rule>& rules,
                     std::vector<std::vector<figures::Finding>>& findings, std::string& error);

}  // namespace hm::library
