#include "library/LibraryReport.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

#include "figures/FigureChange.h"
#include "library/LibraryFindings.h"
#include "library/StoreRow.h"
#include "report/core/TextFormats.h"

namespace hm::library {
namespace {

constexpr const char* kContext = "hm::library::LibraryReport";

// "2026-12-09T14:35:00" as people read it: "2026-12-09 14:35".
std::string shownTime(const std::string& iso) {
    std::string shown = iso.substr(0, 16);
    std::replace(shown.begin(), shown.end(), 'T', ' ');
    return shown;
}

bool sameFigures(const figures::Figures& a, const figures::Figures& b) {
    for (const figures::FigureInfo& info : figures::figureTable()) {
        if (a.value(info.id) != b.value(info.id)) {
            return false;
        }
    }
    return true;
}

// The index of `image` in the trailer's history (by its bytes, else the latest download with
// its figures: a saved copy of it), or nothing.
std::optional<size_t> findVisit(const std::vector<Entry>& entries, const FleetDataImage& image) {
    const std::string hash = sha256Hex(serialiseImage(image));
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].hash == hash) {
            return i;
        }
    }
    const figures::Figures mine = figures::computeFigures(image);
    for (size_t i = entries.size(); i-- > 0;) {
        if (sameFigures(entries[i].figures, mine)) {
            return i;
        }
    }
    return std::nullopt;
}

// The findings of the trailer's latest download as the fleet view gives them.
bool latestFindings(Library& library, const std::string& ident,
                    const std::vector<figures::Rule>& rules,
                    std::vector<figures::Finding>& findings, std::string& error) {
    std::vector<FleetRow> rows;
    if (!library.fleet(rows, error)) {
        return false;
    }
    const FleetFindings found = fleetFindings(rows, rules);
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].latest.ident == ident) {
            findings = found.byRow[r];
        }
    }
    return true;
}

}  // namespace

std::vector<ReportFinding> reportFindings(const std::vector<figures::Finding>& findings) {
    std::vector<ReportFinding> out;
    for (const figures::Finding& f : findings) {
        out.push_back({f.severity == figures::Severity::Attention,
                       figures::severityText(f.severity), figures::findingSentence(f)});
    }
    return out;
}

void fillDownloadFindings(const FleetDataImage& image, const std::vector<figures::Rule>& rules,
                          ReportContext& context) {
    context.findings =
        reportFindings(figures::evaluateFindings(rules, figures::computeFigures(image), nullptr));
}

std::vector<std::string> changeLines(const figures::DownloadChange& change) {
    using figures::FigureId;
    static const struct {
        FigureId id;
        const char* text;
    } kLines[] = {
        {FigureId::DistanceKm, QT_TRANSLATE_NOOP("hm::library::LibraryReport", "Driven: %1 km")},
        {FigureId::BrakeApplications,
         QT_TRANSLATE_NOOP("hm::library::LibraryReport", "Brake applications: %1")},
        {FigureId::AbsEvents, QT_TRANSLATE_NOOP("hm::library::LibraryReport", "ABS events: %1")},
        {FigureId::RolloverEvents,
         QT_TRANSLATE_NOOP("hm::library::LibraryReport", "Roll-over events: %1")},
        {FigureId::OverloadKm,
         QT_TRANSLATE_NOOP("hm::library::LibraryReport", "Driven overloaded: %1 km")},
        {FigureId::LowReservoirKm, QT_TRANSLATE_NOOP("hm::library::LibraryReport",
                                                     "Driven at low reservoir pressure: %1 km")},
        {FigureId::StabilityRecords,
         QT_TRANSLATE_NOOP("hm::library::LibraryReport", "New stability records: %1")},
    };
    std::vector<std::string> lines;
    for (const auto& line : kLines) {
        const figures::FigureChange& c = change.of(line.id);
        lines.push_back(QCoreApplication::translate(kContext, line.text)
                            .arg(QString::fromStdString(figures::formatFigure(c.id, c.usage)))
                            .toStdString());
    }
    if (change.anyReset) {
        lines.push_back(QCoreApplication::translate(
                            "hm::library::LibraryReport",
                            "The ECU's data was erased between the visits: the counts start "
                            "at the erase.")
                            .toStdString());
    }
    return lines;
}

bool fillFromLibrary(Library& library, const FleetDataImage& image,
                     const std::vector<figures::Rule>& rules, ReportContext& context,
                     std::string& error) {
    fillDownloadFindings(image, rules, context);
    const std::string ident = image.vehicleIdentString();
    TrailerDetails details;
    std::vector<Entry> entries;
    if (!library.trailerDetails(ident, details, error) || !library.history(ident, entries, error)) {
        return false;
    }
    context.trailer = {details.fleetNumber, details.plate, details.customer, details.notes};
    context.libraryKnowsTrailer = !entries.empty();
    if (entries.empty()) {
        return true;
    }
    const std::optional<size_t> at = findVisit(entries, image);
    const std::string saved = isoSavedAt(image.savedAt);
    context.visitDate = shownTime(at ? entries[*at].visitAt : saved);
    // A download the library does not hold comes after the visits saved before it.
    size_t before = at ? *at : entries.size();
    if (!at && !saved.empty()) {
        before = static_cast<size_t>(
            std::count_if(entries.begin(), entries.end(),
                          [&saved](const Entry& e) { return e.visitAt < saved; }));
    }
    if (before == 0) {
        return true;
    }
    const Entry& previous = entries[before - 1];
    ImageBytes bytes{};
    if (!library.data(previous.id, bytes, error)) {
        return false;
    }
    FleetDataImage older;
    deserialiseImage(bytes, older);
    const figures::DownloadChange change = figures::changeBetween(older, image);
    context.hasPreviousVisit = true;
    context.previousVisit = shownTime(previous.visitAt);
    context.changeLines = changeLines(change);
    std::vector<figures::Finding> findings =
        figures::evaluateFindings(rules, figures::computeFigures(image), &change);
    if (at && *at + 1 == entries.size() &&
        !latestFindings(library, ident, rules, findings, error)) {
        return false;
    }
    context.findings = reportFindings(findings);
    return true;
}

}  // namespace hm::library
