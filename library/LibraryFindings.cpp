#include "library/LibraryFindings.h"

#include <algorithm>

#include "figures/FigureChange.h"

namespace hm::library {

FleetFindings fleetFindings(const std::vector<FleetRow>& rows,
                            const std::vector<figures::Rule>& rules) {
    FleetFindings out;
    std::vector<figures::Figures> latest;
    latest.reserve(rows.size());
    for (const FleetRow& row : rows) {
        latest.push_back(row.latest.figures);
    }
    out.statistics = figures::fleetStatistics(latest);
    out.byRow.reserve(rows.size());
    for (const FleetRow& row : rows) {
        std::vector<figures::Finding> found = figures::evaluateFindings(
            rules, row.latest.figures, row.hasPrevious ? &row.change : nullptr);
        for (figures::Finding& finding :
             figures::fleetFindings(row.latest.figures, out.statistics)) {
            found.push_back(std::move(finding));
        }
        out.byRow.push_back(std::move(found));
    }
    return out;
}

int attentionCount(const std::vector<figures::Finding>& findings) {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const auto& f) {
        return f.severity == figures::Severity::Attention;
    }));
}

bool historyFindings(Library& library, const std::vector<Entry>& entries,
                     const std::vector<figures::Rule>& rules,
                     std::vector<std::vector<figures::Finding>>& findings, std::string& error) {
    findings.clear();
    FleetDataImage before;
    for (size_t i = 0; i < entries.size(); ++i) {
        ImageBytes bytes{};
        if (!library.data(entries[i].id, bytes, error)) {
            return false;
        }
        FleetDataImage image;
        deserialiseImage(bytes, image);
        const figures::DownloadChange change =
            i > 0 ? figures::changeBetween(before, image) : figures::DownloadChange{};
        findings.push_back(figures::evaluateFindings(rules, figures::computeFigures(image),
                                                     i > 0 ? &change : nullptr));
        before = image;
    }
    return true;
}

}  // namespace hm::library
