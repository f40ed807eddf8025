#include "app/ReportFacts.h"

#include <QCoreApplication>
#include <filesystem>
#include <memory>

#include "figures/RulesFile.h"
#include "library/Library.h"
#include "library/LibraryLocation.h"
#include "library/LibraryReport.h"
#include "library/WorkshopIdentity.h"
#include "mainwindow/CHaulDlg.h"
#include "platform/FileAccess.h"
#include "report/ReportMenu.h"

namespace hm {

namespace {

// The workshop of the library settings file; a logo that cannot be used is left out, and why.
ReportWorkshop workshopOfSettings(std::vector<std::string>& problems) {
    const library::WorkshopIdentity identity = library::workshopIdentity();
    ReportWorkshop workshop{identity.name, identity.address, identity.phone, identity.logoPath};
    const std::string why =
        identity.logoPath.empty() ? "" : library::logoProblem(identity.logoPath);
    if (!why.empty()) {
        problems.push_back(
            QCoreApplication::translate("hm::ReportFacts", "the logo %1 is left out: %2")
                .arg(QString::fromStdString(printablePath(identity.logoPath)),
                     QString::fromStdString(why))
                .toStdString());
        workshop.logoPath.clear();
    }
    return workshop;
}

}  // namespace

void fillReportFacts(const std::string& libraryOption, const FleetDataImage& image,
                     const std::vector<figures::Rule>& rules, ReportContext& context,
                     std::vector<std::string>& problems) {
    context.workshop = workshopOfSettings(problems);
    library::fillDownloadFindings(image, rules, context);
    const library::Location where = library::resolveLocation(libraryOption);
    std::error_code ec;
    if (libraryOption.empty() && !where.shared && !std::filesystem::exists(where.sqlitePath, ec)) {
        return;
    }
    std::string error;
    const std::unique_ptr<library::Library> lib = library::Library::open(where, error);
    if (lib == nullptr || !error.empty()) {
        problems.push_back(error);
        return;
    }
    if (!library::fillFromLibrary(*lib, image, rules, context, error)) {
        problems.push_back(error);
        library::fillDownloadFindings(image, rules, context);
    }
}

std::string joinedProblems(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& p : problems) {
        text += (text.empty() ? "" : "\n") + p;
    }
    return text;
}

void attachReportFacts(CHaulDlg& dialog, const std::string& libraryOption) {
    const auto fill = [libraryOption](const PageInputs& inputs, ReportContext& context,
                                      std::string& problem) {
        std::vector<std::string> problems;
        figures::RulesParse rules = figures::loadRules({});
        if (rules.error) {
            problems.push_back(rules.error->message);
            rules.rules = figures::defaultRules();
        }
        fillReportFacts(libraryOption, inputs.image, rules.rules, context, problems);
        problem = joinedProblems(problems);
    };
    dialog.setReportEntries(
        reportEntries([&dialog] { return dialogStartDirectory(dialog.dataFileState()); }, fill));
}

}  // namespace hm
