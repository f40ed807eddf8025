#pragma once
// The save and load operations behind the main window's save and load buttons, and the reading
// of the settings at start-up. They work on the image and state the caller owns, ask the user
// through IFileUi, and report what the window must change through their result; they never touch
// a window themselves. Window thread only (the caller keeps the download off the image).
#include <initializer_list>
#include <string>
#include <string_view>

#include "fleetdata/FleetDataImage.h"
#include "platform/LocalTime.h"
#include "platform/Settings.h"
#include "session/FileUi.h"

namespace hm {

// Kept by the main window for the whole run.
struct DataFileState {
    std::string settingsPath;    // settingsPathFor(executable) at start-up
    Settings settings;           // data directory and the two options
    std::string loadedFileName;  // file name (no folder) of the last valid load (also of one with
                                 // stability records only); "" otherwise
};

// Reads the settings file at start-up (after the image is cleared). When it cannot be opened the
// options are off and the data directory keeps its value (empty at start-up). The window then
// sets the load and save tooltips: when this returns true to loadTooltip()/saveTooltip(); when
// false they keep their start-up texts (strings 236 and 237).
bool readSettings(DataFileState& state);

// The data folder and options chosen in the Settings window. A data folder that is not empty
// must be an absolute path; a missing one is created. Then `settings` is written to the
// settings file (when the state names one) and becomes the state's. False with `error` (a
// translated sentence), the state unchanged.
bool applySettings(DataFileState& state, const Settings& settings, std::string& error);

// "Load from Dir - " / "Save To Dir - " followed by the data directory.
std::string loadTooltip(const DataFileState& state);
std::string saveTooltip(const DataFileState& state);

enum class SaveOutcome {
    Declined,  // the user answered No; the image has the new savedAt, signature and blockSize
    Saved,     // the data file (and the text export when asked for) was written
    Failed,    // the data file could not be written; the user was told why, and the data
               // directory is now the default (the next save goes there)
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Declined;
    std::string dataFilePath;       // the path the save asked about
    std::string textFilePath;       // set when a text export was written
    bool textExportFailed = false;  // the data file was saved but the text export was not (told)
};

// The folder a save writes into: the data directory, or defaultDataDirectory() when it is empty.
// A configured folder that is no longer a folder is not recreated: the data directory becomes
// the default folder and `notice` (may be null) says so. Nothing is created here.
std::string saveDirectory(DataFileState& state, std::string* notice);

// `name` (ending in its extension) when neither it nor the same stem with one of `extensions`
// exists in `directory`; otherwise the first of "stem (2).ext", "stem (3).ext", ... that is free.
std::string freeDataFileName(const std::string& directory, const std::string& name,
                             std::initializer_list<std::string_view> extensions);

// The save button's action. Stamps `savedAt` with `now`, the signature and the block size into
// the image, asks "Save  <file name> ?", and on Yes writes the data file into saveDirectory()
// (created when missing; a moved data folder is announced first) and, when the option is on, the
// text export beside it. An existing file is never replaced: the name gets " (2)" and so on, and
// the question shows the name that is written. Every write goes through a temporary file
// renamed into place. A failure is shown in a message box (caption "Haulmetry") with the path
// and the reason. The window's title, graphs and buttons do not change.
SaveResult saveDataFile(FleetDataImage& image, DataFileState& state, IFileUi& ui,
                        const LocalTime& now);

// The automatic save before an erase: writes a stamped copy of `downloaded` into
// saveDirectory() under a free name, without a question or a message. Saved with dataFilePath
// set, or Failed with `error` (the caller says why and does not erase).
SaveResult saveBackupFile(const FleetDataImage& downloaded, DataFileState& state,
                          const LocalTime& now, std::string& error);

enum class LoadOutcome {
    Cancelled,          // the user cancelled the dialog: nothing changed
    Unreadable,         // the chosen file could not be opened or read: the user was told why;
                        // the image is unchanged; the data directory, settings file and tooltips
                        // were updated as for any chosen file
    FileError,          // not a data file (too short, wrong signature or block size): the image
                        // is unchanged; the window's title ends in string 320
    StabilityDataOnly,  // valid file without fleet data: "Stability Data Only" was shown; the
                        // window names the file, shows no graph and enables stability only
    Loaded,             // valid file with fleet data: the window's title ends in string 321 +
                        // loadedFileName + " ]", graph 1 is shown, stability is enabled and the
                        // ECU type field reads "---"
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Cancelled;
    std::string path;    // the chosen path (empty when cancelled)
    std::string reason;  // for Unreadable and FileError: why
    // For Loaded with the summary option on: the summary text, which the window shows once the
    // new data and its title are on screen (a modal box shown earlier would stand over the old
    // title).
    std::string summary;
};

// Where a file dialog starts (load, and the save dialogs of the report and the link trace): the
// data directory when it is a folder, else the first of the default data folder, the documents
// folder and the home folder that exists; never the process's current folder. Nothing is
// created.
std::string dialogStartDirectory(const DataFileState& state);

// The load button's action (the window disables the load button around the call). After the
// dialog: the data directory becomes the chosen file's folder (with its trailing '/'), the
// settings file is written, and the window must re-apply loadTooltip()/saveTooltip() for every
// outcome except Cancelled. Only the first 2484 bytes of the file are read; a shorter file is a
// file error. Messages name paths through printablePath (bytes that are not text as \xNN).
LoadResult loadDataFile(FleetDataImage& image, DataFileState& state, IFileUi& ui);

}  // namespace hm
