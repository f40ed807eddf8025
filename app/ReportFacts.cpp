#include "app/ReportFacts.h"

#include <filesystem>
#include <memory>

#include "figures/RulesFile.h"
#include "library/Library.h"
#include "library/LibraryLocation.h"
#include "library/LibraryReport.h"
#include "mainwindow/CHaulDlg.h"
#include "report/ReportMenu.h"

namespace hm {

void fillReportFacts(const std::string& libraryOption, const FleetDataImage& image,
                     const std::vector<figures::Rule>& rules, ReportContext& context,
                     std::string& problem) {
    library::fillDownloadFindings(image, rules, context);
    const library::Location where = library::resolveLocation(libraryOption);
    std::error_code ec;
    if (libraryOption.empty() && !where.shared && !std::filesystem::exists(where.sqlitePath, ec)) {
        return;
    }
    std::string error;
    const std::unique_ptr<library::Library> lib = library::Library::open(where, error);
    if (lib == nullptr || !error.empty()) {
        problem = error;
        return;
    }
    if (!library::fillFromLibrary(*lib, image, rules, context, problem)) {
        library::fillDownloadFindings(image, rules, context);
    }
}

void attachReportFacts(CHaulDlg& dialog, const std::string& libraryOption) {
    const auto fill = [libraryOption](const PageInputs& inputs, ReportContext& context,
                                      std::string& problem) {
        figures::RulesParse rules = figures::loadRules({});
        if (rules.error) {
            problem = rules.error->message;
            rules.rules = figures::defaultRules();
        }
        std::string libraryProblem;
        fillReportFacts(libraryOption, inputs.image, rules.rules, context, libraryProblem);
        problem += (problem.empty() || libraryProblem.empty() ? "" : "\n") + libraryProblem;
    };
    dialog.setReportEntries(
        reportEntries([&dialog] { return dialogStartDirectory(dialog.dataFileState()); }, fill));
}

}  // namespace hm
