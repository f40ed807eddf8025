#pragma once
// The Settings window: the data folder and the two options of the settings file, the library
// and the workshop's identity of the library settings file. It is handed the values and facts
// when it is made and hands back the values chosen; it writes no file and never touches the
// session (the main window applies the values). Window thread only.
#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "session/SettingsValues.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace hm {

class CSettingsDlg : public QDialog {
    Q_OBJECT
  public:
    // With facts.libraryEditable false the library and workshop fields are shown read-only.
    CSettingsDlg(SettingsValues values, SettingsFacts facts, QWidget* parent = nullptr);

    // After OK: the values chosen. Before, or after Cancel: the values handed in.
    const SettingsValues& values() const { return values_; }

    // Runs the window modally: the values chosen after OK, nullopt after Cancel or the close box.
    static std::optional<SettingsValues> ask(const SettingsValues& values,
                                             const SettingsFacts& facts, QWidget* parent);

    // The controls, for the tests.
    QLineEdit* dataFolderEdit() const { return dataFolder_; }
    QCheckBox* textFileBox() const { return textFile_; }
    QCheckBox* infoPopUpBox() const { return infoPopUp_; }
    QLineEdit* libraryEdit() const { return library_; }
    QLineEdit* nameEdit() const { return name_; }
    QPlainTextEdit* addressEdit() const { return address_; }
    QLineEdit* phoneEdit() const { return phone_; }
    QLineEdit* logoEdit() const { return logo_; }
    QLabel* folderNote() const { return folderNote_; }
    QLabel* logoNote() const { return logoNote_; }
    QPushButton* okButton() const;
    QTabWidget* pages() const { return tabs_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildDataGroup();
    QWidget* buildLibraryGroup();
    QWidget* buildWorkshopGroup();
    // Makes the window as tall as its texts need at its width.
    void fitHeight();
    // Shows what the data folder field means now, or why it cannot be taken.
    void updateFolderNote();
    // Shows logoProblem() for the logo field inline (nothing while it is empty).
    void updateLogoNote();
    void browseDataFolder();
    void browseLogo();
    // The texts of the fields as values; a field left as it was shown keeps its value byte for
    // byte (a path need not be UTF-8).
    SettingsValues chosenValues() const;
    // Why OK cannot take the fields as they are; empty when it can.
    QString okProblem() const;
    void onOk();

    SettingsValues values_;
    const SettingsFacts facts_;
    QLineEdit* dataFolder_ = nullptr;
    QLabel* folderNote_ = nullptr;
    QCheckBox* textFile_ = nullptr;
    QCheckBox* infoPopUp_ = nullptr;
    QLineEdit* library_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* address_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* logo_ = nullptr;
    QLabel* logoNote_ = nullptr;
    QLabel* problem_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

}  // namespace hm
