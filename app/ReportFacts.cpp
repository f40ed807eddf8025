#include "app/ReportFacts.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <filesystem>
#include <memory>

#include "figures/RulesFile.h"
#include "library/Library.h"
#include "library/LibraryLocation.h"
#include "library/LibraryReport.h"
#include "library/LibraryWorker.h"
#include "library/WorkshopIdentity.h"
#include "mainwindow/CHaulDlg.h"
#include "platform/FileAccess.h"

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

std::string joined(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& p : problems) {
        text += (text.empty() ? "" : "\n") + p;
    }
    return text;
}

}  // namespace

void fillReportFacts(library::Library* lib, const std::string& openError,
                     const FleetDataImage& image, const std::vector<figures::Rule>& rules,
                     ReportContext& context, std::vector<std::string>& problems) {
    context.workshop = workshopOfSettings(problems);
    library::fillDownloadFindings(image, rules, context);
    if (lib == nullptr) {
        if (!openError.empty()) {
            problems.push_back(openError);
        }
        return;
    }
    std::string error;
    if (!library::fillFromLibrary(*lib, image, rules, context, error)) {
        problems.push_back(error);
        library::fillDownloadFindings(image, rules, context);
    }
}

void fillReportFacts(const std::string& libraryOption, const FleetDataImage& image,
                     const std::vector<figures::Rule>& rules, ReportContext& context,
                     std::vector<std::string>& problems) {
    const library::Location where = library::resolveLocation(libraryOption);
    std::error_code ec;
    std::string error;
    std::unique_ptr<library::Library> lib;
    if (!libraryOption.empty() || where.shared || std::filesystem::exists(where.sqlitePath, ec)) {
        lib = library::Library::open(where, error);
    }
    fillReportFacts(lib.get(), error, image, rules, context, problems);
}

void attachReportFacts(CHaulDlg& dialog, library::LibraryWorker& worker) {
    // The jobs end with the dialog's report entries (with the dialog): none runs after it.
    auto client = std::make_shared<library::LibraryWorker::Client>(worker);
    const auto fill = [client, &dialog](const FleetDataImage& image, ReportContextDone done) {
        client->run([&dialog, image, done](library::Library* lib, const std::string& openError) {
            std::vector<std::string> problems;
            figures::RulesParse rules = figures::loadRules({});
            if (rules.error) {
                problems.push_back(rules.error->message);
                rules.rules = figures::defaultRules();
            }
            ReportContext context;
            fillReportFacts(lib, openError, image, rules.rules, context, problems);
            QMetaObject::invokeMethod(
                &dialog, [done, context, problem = joined(problems)] { done(context, problem); },
                Qt::QueuedConnection);
        });
    };
    dialog.setReportContext(fill);
}

}  // namespace hm
