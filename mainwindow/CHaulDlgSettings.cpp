// The main window's "Settings...": the Settings window (dialogs/CSettingsDlg) is handed what the
// session and the library settings hold now, and what it hands back is applied here, the data
// folder and options through the session's intent, the library settings through the access the
// program set. Nothing is written when the user cancels or changes nothing.
#include "dialogs/CSettingsDlg.h"
#include "mainwindow/CHaulDlg.h"
#include "platform/DataFolder.h"

namespace hm {
namespace {

bool sameSettings(const Settings& a, const Settings& b) {
    return a.dataDirectory == b.dataDirectory && a.makeTextFile == b.makeTextFile &&
           a.infoPopUp == b.infoPopUp;
}

}  // namespace

void CHaulDlg::openSettings() {
    SettingsValues shown;
    shown.program = session_->dataFileState().settings;
    SettingsFacts facts;
    facts.settingsPath = session_->dataFileState().settingsPath;
    facts.defaultDataFolder = defaultDataDirectory();
    if (librarySettings_.read && librarySettings_.write) {
        librarySettings_.read(shown.library, facts);
        facts.libraryEditable = true;
    }
    const SettingsValues before = shown;
    std::optional<SettingsValues> chosen;
    while ((chosen = CSettingsDlg::ask(shown, facts, this))) {
        std::string error;
        const bool programDone =
            sameSettings(chosen->program, session_->dataFileState().settings) ||
            session_->changeSettings(chosen->program, error);
        const bool libraryDone = !programDone || chosen->library == before.library ||
                                 librarySettings_.write(before.library, chosen->library, error);
        if (programDone && libraryDone) {
            return;
        }
        fileUi_.showMessage(error, MessageIcon::Error);
        shown = *chosen;
    }
}

}  // namespace hm
