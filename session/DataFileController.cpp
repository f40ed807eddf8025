#include "session/DataFileController.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fleetdata/DataFile.h"
#include "fleetdata/TextExport.h"
#include "platform/AtomicFile.h"
#include "platform/DataFolder.h"
#include "platform/FileAccess.h"
#include "resources/Strings.h"

namespace hm {
namespace {

// Position in string 228 ("Save   ?") at which the file name is inserted.
constexpr size_t kSaveQuestionInsert = 6;

// The English question is string 228 with the file name inserted at character position 6:
// "Save  " + name + " ?". A translation's word has another length, so a translation says where
// the name goes with %1 ("%1 speichern?"); one without %1 gets the English rule.
std::string saveQuestion(const std::string& fileName) {
    const std::string_view text = str(sid::kSaveQuestion);
    if (text.find("%1") != std::string_view::npos) {
        return fillPlaceholders(text, {fileName});
    }
    std::string question(text);
    question.insert(std::min(kSaveQuestionInsert, question.size()), fileName);
    return question;
}

}  // namespace

bool readSettings(DataFileState& state) {
    return readSettingsFile(state.settingsPath, state.settings);
}

bool applySettings(DataFileState& state, const Settings& settings, std::string& error) {
    const std::string& folder = settings.dataDirectory;
    std::string reason;
    if (!folder.empty() && folder.front() != '/') {
        reason = translate("hm::DataFileController",
                           "the data folder must be a full path, starting with /");
    } else if (!folder.empty() && !ensureDirectory(folder, reason)) {
        reason = fillPlaceholders(translate("hm::DataFileController", "the data folder %1: %2"),
                                  {printablePath(folder), reason});
    } else if (!state.settingsPath.empty() &&
               !writeSettingsFile(state.settingsPath, settings, reason)) {
        reason = printablePath(state.settingsPath) + ": " + reason;
    }
    if (!reason.empty()) {
        error = fillPlaceholders(
            translate("hm::DataFileController", "The settings were not changed: %1"), {reason});
        return false;
    }
    state.settings = settings;
    return true;
}

std::string loadTooltip(const DataFileState& state) {
    return std::string(str(sid::kLoadFromDir)) + printablePath(state.settings.dataDirectory);
}

std::string saveTooltip(const DataFileState& state) {
    return std::string(str(sid::kSaveToDir)) + printablePath(state.settings.dataDirectory);
}

std::string saveDirectory(DataFileState& state, std::string* notice) {
    const std::string& configured = state.settings.dataDirectory;
    if (configured.empty()) {
        return defaultDataDirectory();
    }
    std::error_code ec;
    if (std::filesystem::is_directory(configured, ec)) {
        return configured;
    }
    // A folder that has gone (an unplugged drive, a renamed folder) is not recreated: the file
    // goes to the default folder, and so do the next ones.
    const std::string fallback = defaultDataDirectory();
    if (notice != nullptr) {
        *notice = fillPlaceholders(translate("hm::DataFileController",
                                             "The data folder %1 does not exist any more. The "
                                             "file is saved in %2 instead."),
                                   {configured, fallback});
    }
    state.settings.dataDirectory = fallback;
    return fallback;
}

std::string freeDataFileName(const std::string& directory, const std::string& name,
                             std::initializer_list<std::string_view> extensions) {
    // `name` ends in its extension (".asc"); the same stem is checked with every extension.
    const size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string ownExtension = dot == std::string::npos ? "" : name.substr(dot);
    std::vector<std::string_view> all{ownExtension};
    all.insert(all.end(), extensions.begin(), extensions.end());
    std::error_code ec;
    const bool taken = std::any_of(all.begin(), all.end(), [&](std::string_view extension) {
        return std::filesystem::exists(std::filesystem::symlink_status(
            joinDataPath(directory, stem + std::string(extension)), ec));
    });
    if (!taken) {
        return name;
    }
    // Above every number in use (the folder listed once), never counting up through them.
    unsigned n = 0;
    for (std::string_view extension : all) {
        n = std::max(n, nextNameNumber(directory.empty() ? "." : directory, stem, {extension}));
    }
    return numberedName(stem, std::max(2u, n), ownExtension);
}

// A free name for `base`, also for the text export beside it when `withText`.
std::string freeSaveName(const std::string& directory, const std::string& base, bool withText) {
    return withText ? freeDataFileName(directory, base, {".txt"})
                    : freeDataFileName(directory, base, {});
}

// Writes `image` as a new file `name` in `directory`, never over another: when the name was
// taken meanwhile (another program saving at the same moment), the next free name for `base`
// is written and `name` says which. False with `error`.
bool writeNewDataFile(const std::string& directory, const std::string& base, std::string& name,
                      bool withText, const FleetDataImage& image, std::string& error) {
    const ImageBytes bytes = serialiseImage(image);
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        switch (writeNewFile(joinDataPath(directory, name), bytes.data(), bytes.size(), error)) {
            case NewFile::Written:
                return true;
            case NewFile::Failed:
                return false;
            case NewFile::Exists:
                name = freeSaveName(directory, base, withText);
                break;
        }
    }
    error = std::strerror(EEXIST);
    return false;
}

namespace {

// The text export's name beside a data file name ending in ".asc".
std::string textNameFor(const std::string& dataName) {
    return dataName.substr(0, dataName.size() - 4) + ".txt";
}

}  // namespace

SaveResult saveDataFile(FleetDataImage& image, DataFileState& state, IFileUi& ui,
                        const LocalTime& now) {
    SaveResult result;
    stampSavedImage(image, now);

    std::string notice;
    const std::string directory = saveDirectory(state, &notice);
    if (!notice.empty()) {
        ui.showMessage(notice, MessageIcon::Information);
    }
    // A file of the same name (a second save in the same minute) is never replaced: the new file
    // gets " (2)", " (3)", ... before its extension, and the question shows that name.
    const bool withText = state.settings.makeTextFile;
    const std::string base = dataFileName(image, now, ".asc");
    std::string fileName = freeSaveName(directory, base, withText);
    result.dataFilePath = joinDataPath(directory, fileName);

    if (!ui.askYesNo(saveQuestion(fileName))) {
        result.outcome = SaveOutcome::Declined;
        return result;
    }

    std::string error;
    const bool written = ensureDirectory(directory, error) &&
                         writeNewDataFile(directory, base, fileName, withText, image, error);
    result.dataFilePath = joinDataPath(directory, fileName);
    if (!written) {
        // The next save goes to the default folder, which is created when needed.
        state.settings.dataDirectory = defaultDataDirectory();
        ui.showMessage(
            fillPlaceholders(translate("hm::DataFileController", "Could not save %1: %2"),
                             {printablePath(result.dataFilePath), error}),
            MessageIcon::Error);
        result.outcome = SaveOutcome::Failed;
        return result;
    }
    result.outcome = SaveOutcome::Saved;

    if (withText) {
        const std::string textPath = joinDataPath(directory, textNameFor(fileName));
        const std::string text = textExportFileBytes(formatTextExport(image));
        const NewFile made = writeNewFile(textPath, text.data(), text.size(), error);
        if (made == NewFile::Exists) {
            error = std::strerror(EEXIST);
        }
        if (made == NewFile::Written) {
            result.textFilePath = textPath;
        } else {
            result.textExportFailed = true;
            ui.showMessage(
                fillPlaceholders(translate("hm::DataFileController", "Could not save %1: %2"),
                                 {printablePath(textPath), error}),
                MessageIcon::Error);
        }
    }
    return result;
}

SaveResult saveBackupFile(const FleetDataImage& downloaded, DataFileState& state,
                          const LocalTime& now, std::string& error) {
    SaveResult result;
    FleetDataImage image = downloaded;
    stampSavedImage(image, now);
    const std::string directory = saveDirectory(state, nullptr);
    const std::string base = dataFileName(image, now, ".asc");
    std::string fileName = freeDataFileName(directory, base, {});
    const bool written = ensureDirectory(directory, error) &&
                         writeNewDataFile(directory, base, fileName, false, image, error);
    result.dataFilePath = joinDataPath(directory, fileName);
    if (!written) {
        result.outcome = SaveOutcome::Failed;
        return result;
    }
    result.outcome = SaveOutcome::Saved;
    return result;
}

std::string dialogStartDirectory(const DataFileState& state) {
    std::error_code ec;
    const std::string& configured = state.settings.dataDirectory;
    if (!configured.empty() && std::filesystem::is_directory(configured, ec)) {
        return configured;
    }
    for (const std::string& folder : {defaultDataDirectory(), userDocumentsDirectory()}) {
        if (std::filesystem::is_directory(folder, ec)) {
            return folder;
        }
    }
    return userHomeDirectory();
}

LoadResult loadDataFile(FleetDataImage& image, DataFileState& state, IFileUi& ui) {
    LoadResult result;
    const std::optional<std::string> chosen = ui.chooseOpenFile(dialogStartDirectory(state));
    if (!chosen) {
        result.outcome = LoadOutcome::Cancelled;
        return result;
    }
    result.path = *chosen;
    const size_t slash = result.path.rfind('/');
    const size_t nameOffset = slash == std::string::npos ? 0 : slash + 1;
    state.settings.dataDirectory = result.path.substr(0, nameOffset);

    // The settings file remembers the folder for the next start. A failure to write it costs
    // only that convenience, so the load goes on without a message.
    std::string settingsError;
    if (!state.settingsPath.empty()) {
        writeSettingsFile(state.settingsPath, state.settings, settingsError);
    }

    // The file is read into a scratch image; only a valid one replaces the caller's, so a file
    // that fails leaves the data on display (and behind a later save) as it was.
    FleetDataImage scratch{};
    const DataFileRead read = readDataFile(result.path, scratch);
    if (!read.opened()) {
        result.outcome = LoadOutcome::Unreadable;
        result.reason = read.reason;
        ui.showMessage(
            fillPlaceholders(translate("hm::DataFileController", "Could not open %1: %2"),
                             {printablePath(result.path), read.reason}),
            MessageIcon::Error);
        return result;
    }
    if (!read.ok()) {
        result.outcome = LoadOutcome::FileError;
        result.reason = read.reason;
        return result;
    }
    image = scratch;
    state.loadedFileName = result.path.substr(nameOffset);
    if (!image.hasFleetData()) {
        ui.showMessage(std::string(str(sid::kStabilityDataOnly)), MessageIcon::Exclamation);
        result.outcome = LoadOutcome::StabilityDataOnly;
        return result;
    }
    if (state.settings.infoPopUp) {
        result.summary = summaryText(image);
    }
    result.outcome = LoadOutcome::Loaded;
    return result;
}

}  // namespace hm
