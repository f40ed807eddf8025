#include "fleetdata/DataFileController.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "fleetdata/AtomicFile.h"
#include "fleetdata/DataFile.h"
#include "fleetdata/TextExport.h"
#include "resources/Strings.h"

namespace hm {
namespace {

// Position in string 228 ("Save   ?") at which the file name is inserted.
constexpr size_t kSaveQuestionInsert = 6;

std::string saveQuestion(const std::string& fileName) {
    std::string question(str(sid::kSaveQuestion));
    question.insert(std::min(kSaveQuestionInsert, question.size()), fileName);
    return question;
}

}  // namespace

bool readSettings(DataFileState& state) {
    return readSettingsFile(state.settingsPath, state.settings);
}

std::string loadTooltip(const DataFileState& state) {
    return std::string(str(sid::kLoadFromDir)) + state.settings.dataDirectory;
}

std::string saveTooltip(const DataFileState& state) {
    return std::string(str(sid::kSaveToDir)) + state.settings.dataDirectory;
}

void stampSavedImage(FleetDataImage& image, const LocalTime& now) {
    const uint16_t fields[8] = {now.year, now.month,  now.dayOfWeek, now.day,
                                now.hour, now.minute, now.second,    now.milliseconds};
    std::memcpy(image.savedAt, fields, sizeof fields);
    std::memcpy(image.signature, kSignature, sizeof(kSignature));
    image.blockSize = kImageSize;
}

SaveResult saveDataFile(FleetDataImage& image, DataFileState& state, IFileUi& ui,
                        const LocalTime& now) {
    SaveResult result;
    stampSavedImage(image, now);

    const std::string directory = state.settings.dataDirectory;
    const std::string fileName = dataFileName(image, now, ".asc");
    result.dataFilePath = joinDataPath(directory, fileName);

    if (!ui.askYesNo(saveQuestion(fileName))) {
        result.outcome = SaveOutcome::Declined;
        return result;
    }

    std::string error;
    const bool written = (directory.empty() || ensureDirectory(directory, error)) &&
                         writeDataFile(result.dataFilePath, image, error);
    if (!written) {
        // The next save goes to the default folder, which is created when needed.
        state.settings.dataDirectory = defaultDataDirectory();
        ui.showMessage("Could not save " + result.dataFilePath + ": " + error, MessageIcon::Error);
        result.outcome = SaveOutcome::Failed;
        return result;
    }
    result.outcome = SaveOutcome::Saved;

    if (state.settings.makeTextFile) {
        const std::string textPath = joinDataPath(directory, dataFileName(image, now, ".txt"));
        if (writeTextExport(textPath, image, error)) {
            result.textFilePath = textPath;
        } else {
            result.textExportFailed = true;
            ui.showMessage("Could not save " + textPath + ": " + error, MessageIcon::Error);
        }
    }
    return result;
}

LoadResult loadDataFile(FleetDataImage& image, DataFileState& state, IFileUi& ui) {
    LoadResult result;
    const std::optional<std::string> chosen = ui.chooseOpenFile(state.settings.dataDirectory);
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

    const DataFileRead read = readDataFile(result.path, image);
    if (!read.opened()) {
        result.outcome = LoadOutcome::Unreadable;
        result.reason = read.reason;
        ui.showMessage("Could not open " + result.path + ": " + read.reason, MessageIcon::Error);
        return result;
    }
    if (!read.ok()) {
        image.clear();
        result.outcome = LoadOutcome::FileError;
        result.reason = read.reason;
        return result;
    }
    if (!image.hasFleetData()) {
        ui.showMessage(std::string(str(sid::kStabilityDataOnly)), MessageIcon::Exclamation);
        result.outcome = LoadOutcome::StabilityDataOnly;
        return result;
    }
    if (state.settings.infoPopUp) {
        ui.showMessage(summaryText(image), MessageIcon::None);
    }
    state.loadedFileName = result.path.substr(nameOffset);
    result.outcome = LoadOutcome::Loaded;
    return result;
}

std::string summaryText(const FleetDataImage& image) {
    const SummaryTotals t = summaryTotals(image);
    char text[512];
    std::snprintf(text, sizeof(text),
                  "DISTANCE\t%d km\n"
                  "RESV v DIST\t%d km\n"
                  "LOAD v DIST\t%d km\n"
                  "APPS v PRESS\t%d\n"
                  "APPS v SPEED\t%d\n"
                  "APPS v DIST\t%d\n"
                  "ABS v DIST\t%d\n"
                  "ROLL v DIST\t%d\n",
                  static_cast<int32_t>(t.distanceKm), static_cast<int32_t>(t.reservoirDistanceKm),
                  static_cast<int32_t>(t.loadDistanceKm), static_cast<int32_t>(t.appsByPressure),
                  static_cast<int32_t>(t.appsBySpeed), static_cast<int32_t>(t.appsByDistance),
                  static_cast<int32_t>(t.absByDistance), static_cast<int32_t>(t.rollByDistance));
    return text;
}

}  // namespace hm
