#include "app/LibrarySettingsAccess.h"

#include "library/LibraryLocation.h"
#include "library/LibrarySettingsFile.h"
#include "library/WorkshopIdentity.h"

namespace hm {
namespace {

LibrarySource sourceOf(library::LocationSource source) {
    switch (source) {
        case library::LocationSource::CommandLine:
            return LibrarySource::CommandLine;
        case library::LocationSource::Environment:
            return LibrarySource::Environment;
        case library::LocationSource::SettingsFile:
            return LibrarySource::SettingsFile;
        case library::LocationSource::Default:
            break;
    }
    return LibrarySource::Default;
}

library::WorkshopIdentity identityOf(const LibrarySettingsValues& values) {
    return {values.workshopName, values.workshopAddress, values.workshopPhone, values.workshopLogo};
}

void readValues(const std::string& libraryOption, LibrarySettingsValues& values,
                SettingsFacts& facts) {
    const library::WorkshopIdentity identity = library::workshopIdentity();
    values.library = library::librarySetting("library");
    if (library::isPostgresUrl(values.library) && library::holdsPassword(values.library)) {
        // Never on the screen: the window shows the address without it, read-only, and an
        // address left as it was is not written back.
        values.library = library::redactedUrl(values.library);
        facts.libraryHidesPassword = true;
    }
    values.workshopName = identity.name;
    values.workshopAddress = identity.address;
    values.workshopPhone = identity.phone;
    values.workshopLogo = identity.logoPath;
    facts.librarySettingsPath = library::librarySettingsPath().string();
    facts.libraryProblem = library::librarySettingsProblem();
    const library::Location location = library::resolveLocation(libraryOption);
    facts.libraryInUse = location.shared ? library::redactedUrl(location.url) : location.sqlitePath;
    facts.libraryRefused = location.refused;
    facts.librarySource = sourceOf(library::locationSource(libraryOption));
    facts.logoProblem = [](const std::string& path) { return library::logoProblem(path); };
}

// Only the keys whose values changed are written, so that a file the window could not read
// (refused for its mode) loses none of its other settings.
bool writeValues(const LibrarySettingsValues& before, const LibrarySettingsValues& after,
                 std::string& error) {
    library::SettingLines changed;
    if (after.library != before.library) {
        changed.emplace_back("library", after.library);
    }
    const library::SettingLines old = library::identitySettings(identityOf(before));
    const library::SettingLines now = library::identitySettings(identityOf(after));
    for (size_t i = 0; i < now.size(); ++i) {
        if (now[i] != old[i]) {
            changed.push_back(now[i]);
        }
    }
    return changed.empty() || library::writeLibrarySettings(changed, error);
}

}  // namespace

LibrarySettingsAccess librarySettingsAccess(const std::string& libraryOption) {
    LibrarySettingsAccess access;
    access.read = [libraryOption](LibrarySettingsValues& values, SettingsFacts& facts) {
        readValues(libraryOption, values, facts);
    };
    access.write = writeValues;
    return access;
}

}  // namespace hm
