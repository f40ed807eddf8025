#include "dialogs/CSettingsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "widgets/DialogUnits.h"

namespace hm {
namespace {

// Paths go between the file system's bytes and the widgets by the locale's file name coding.
QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString plainText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The field's text as bytes; `shown` when the field still holds what it was given, so that a
// value that is no text survives a round trip through the window unchanged.
std::string fieldValue(const QString& now, const std::string& shown, bool path) {
    const QString before = path ? pathText(shown) : plainText(shown);
    if (now == before) {
        return shown;
    }
    return path ? QFile::encodeName(now).toStdString() : now.toStdString();
}

QString addressText(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << plainText(line);
    }
    return texts.join(QLatin1Char('\n'));
}

// A label for `field`: its key moves the focus there, and the field is named by it for screen
// readers (a field in a row with its Browse button is not found from the label by itself).
QLabel* fieldLabel(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    QString name = text;
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    field->setAccessibleName(name);
    return label;
}

QLabel* noteLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A line with the field and a Browse button beside it.
QWidget* withButton(QLineEdit* edit, QPushButton* button, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    return row;
}

QString sourceText(LibrarySource source) {
    switch (source) {
        case LibrarySource::CommandLine:
            return CSettingsDlg::tr("given with --library");
        case LibrarySource::Environment:
            return CSettingsDlg::tr("given by the environment variable HAULMETRY_LIBRARY");
        case LibrarySource::SettingsFile:
            return CSettingsDlg::tr("from the library settings");
        case LibrarySource::Default:
            break;
    }
    return CSettingsDlg::tr("the default");
}

}  // namespace

CSettingsDlg::CSettingsDlg(SettingsValues values, SettingsFacts facts, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), facts_(std::move(facts)) {
    setFont(DialogUnits::templateFont());
    setWindowTitle(tr("Settings"));
    setObjectName(QStringLiteral("settingsDialog"));
    auto* layout = new QVBoxLayout(this);
    // One page each, so that the window fits a 1920x1080 screen at twice the scale.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("settingsPages"));
    tabs_->addTab(buildDataGroup(), tr("Data files"));
    tabs_->addTab(buildLibraryGroup(), tr("Trailer library"));
    tabs_->addTab(buildWorkshopGroup(), tr("Workshop"));
    layout->addWidget(tabs_);
    layout->addStretch(1);  // room the notes do not take stays below the pages
    problem_ = noteLabel(this);
    problem_->setObjectName(QStringLiteral("settingsProblem"));
    problem_->hide();
    layout->addWidget(problem_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CSettingsDlg::onOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CSettingsDlg::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &CSettingsDlg::fitHeight);
    // Ctrl+Page Down and Ctrl+Page Up turn the pages from any field.
    const std::pair<QKeySequence, int> turns[] = {{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                                  {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& [keys, step] : turns) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            const int n = tabs_->count();
            tabs_->setCurrentIndex((tabs_->currentIndex() + step + n) % n);
        });
    }
    dataFolder_->setMinimumWidth(DialogUnits::layoutUnits().x(200));
    updateFolderNote();
    updateLogoNote();
    adjustSize();
    fitHeight();
}

void CSettingsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitHeight();  // the fonts are polished now
}

void CSettingsDlg::fitHeight() {
    // A window's own layout does not ask its wrapped notes how tall they are at its width, so
    // the window is made as tall as they need.
    layout()->activate();
    const int wide = std::max(width(), layout()->totalMinimumSize().width());
    const int need = layout()->totalHeightForWidth(wide);
    setMinimumSize(wide, need);
    if (width() < wide || height() < need) {
        resize(wide, std::max(height(), need));
    }
}

QWidget* CSettingsDlg::buildDataGroup() {
    auto* group = new QWidget(this);
    auto* form = new QFormLayout(group);
    dataFolder_ = new QLineEdit(pathText(values_.program.dataDirectory), group);
    dataFolder_->setObjectName(QStringLiteral("dataFolder"));
    dataFolder_->setPlaceholderText(pathText(facts_.defaultDataFolder));
    auto* browse = new QPushButton(tr("&Browse..."), group);
    connect(browse, &QPushButton::clicked, this, &CSettingsDlg::browseDataFolder);
    connect(dataFolder_, &QLineEdit::textChanged, this, &CSettingsDlg::updateFolderNote);
    form->addRow(fieldLabel(tr("&Data folder:"), dataFolder_, group),
                 withButton(dataFolder_, browse, group));
    folderNote_ = noteLabel(group);
    form->addRow(QString(), folderNote_);
    textFile_ = new QCheckBox(tr("Write a &text file beside each saved data file"), group);
    textFile_->setChecked(values_.program.makeTextFile);
    form->addRow(QString(), textFile_);
    infoPopUp_ = new QCheckBox(tr("Show the &summary after loading a file"), group);
    infoPopUp_->setChecked(values_.program.infoPopUp);
    form->addRow(QString(), infoPopUp_);
    QLabel* where = noteLabel(group);
    where->setText(facts_.settingsPath.empty()
                       ? tr("No settings file: these settings last until the window closes.")
                       : tr("Settings file: %1").arg(pathText(facts_.settingsPath)));
    form->addRow(QString(), where);
    return group;
}

QWidget* CSettingsDlg::buildLibraryGroup() {
    auto* group = new QWidget(this);
    auto* form = new QFormLayout(group);
    library_ = new QLineEdit(pathText(values_.library.library), group);
    library_->setObjectName(QStringLiteral("library"));
    library_->setPlaceholderText(tr("PostgreSQL address or SQLite file; empty: the default"));
    library_->setReadOnly(!facts_.libraryEditable || facts_.libraryHidesPassword);
    form->addRow(fieldLabel(tr("&Library:"), library_, group), library_);
    QStringList notes;
    if (!facts_.libraryInUse.empty()) {
        notes << tr("In use: %1 (%2).")
                     .arg(pathText(facts_.libraryInUse), sourceText(facts_.librarySource));
    }
    if (facts_.libraryHidesPassword) {
        notes << tr(
            "The address holds a password, so it is changed in the library settings "
            "file itself.");
    }
    if (!facts_.libraryRefused.empty()) {
        notes << plainText(facts_.libraryRefused);
    }
    if (facts_.librarySource == LibrarySource::CommandLine ||
        facts_.librarySource == LibrarySource::Environment) {
        notes << tr(
            "While --library or HAULMETRY_LIBRARY names a library, this setting is not "
            "used.");
    }
    notes << tr("A change of the library takes effect when Haulmetry starts next.");
    QLabel* note = noteLabel(group);
    note->setObjectName(QStringLiteral("libraryNote"));
    note->setText(notes.join(QLatin1Char(' ')));
    form->addRow(QString(), note);
    return group;
}

QWidget* CSettingsDlg::buildWorkshopGroup() {
    auto* group = new QWidget(this);
    auto* form = new QFormLayout(group);
    const LibrarySettingsValues& v = values_.library;
    const bool readOnly = !facts_.libraryEditable;
    name_ = new QLineEdit(plainText(v.workshopName), group);
    name_->setObjectName(QStringLiteral("workshopName"));
    name_->setReadOnly(readOnly);
    address_ = new QPlainTextEdit(addressText(v.workshopAddress), group);
    address_->setObjectName(QStringLiteral("workshopAddress"));
    address_->setTabChangesFocus(true);
    address_->setReadOnly(readOnly);
    address_->setFixedHeight(address_->fontMetrics().lineSpacing() * 4 + 12);
    phone_ = new QLineEdit(plainText(v.workshopPhone), group);
    phone_->setObjectName(QStringLiteral("workshopPhone"));
    phone_->setReadOnly(readOnly);
    logo_ = new QLineEdit(pathText(v.workshopLogo), group);
    logo_->setObjectName(QStringLiteral("workshopLogo"));
    logo_->setReadOnly(readOnly);
    auto* browse = new QPushButton(tr("B&rowse..."), group);
    browse->setEnabled(!readOnly);
    connect(browse, &QPushButton::clicked, this, &CSettingsDlg::browseLogo);
    connect(logo_, &QLineEdit::textChanged, this, &CSettingsDlg::updateLogoNote);
    const std::pair<QString, QWidget*> rows[] = {
        {tr("&Name:"), name_},
        {tr("&Address:"), address_},
        {tr("&Phone:"), phone_},
        {tr("Lo&go:"), withButton(logo_, browse, group)},
    };
    for (const auto& [text, field] : rows) {
        form->addRow(fieldLabel(text, field == rows[3].second ? logo_ : field, group), field);
    }
    logoNote_ = noteLabel(group);
    logoNote_->setObjectName(QStringLiteral("logoNote"));
    form->addRow(QString(), logoNote_);
    QLabel* where = noteLabel(group);
    QString whereText = tr("Kept in %1.").arg(pathText(facts_.librarySettingsPath));
    if (!facts_.libraryProblem.empty()) {
        whereText += QLatin1Char(' ') + plainText(facts_.libraryProblem);
    }
    if (readOnly) {
        whereText += QLatin1Char(' ') + tr("The library settings cannot be changed here.");
    }
    where->setText(whereText);
    form->addRow(QString(), where);
    return group;
}

QPushButton* CSettingsDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

void CSettingsDlg::updateFolderNote() {
    const QString text = dataFolder_->text();
    QString note;
    if (text.isEmpty()) {
        note = tr("Empty: %1.").arg(pathText(facts_.defaultDataFolder));
    } else if (!text.startsWith(QLatin1Char('/'))) {
        note = tr("Give a full path, starting with /.");
    } else {
        std::error_code ec;
        const std::filesystem::path folder(QFile::encodeName(text).toStdString());
        if (!std::filesystem::is_directory(folder, ec)) {
            note = tr("This folder does not exist yet; OK creates it.");
        }
    }
    if (!note.isEmpty()) {
        note += QLatin1Char(' ');
    }
    note +=
        tr("Saves, and the backups before an erase or a reload, go into the data folder. "
           "Loading a file from another folder makes that folder the data folder.");
    folderNote_->setText(note);
    fitHeight();
}

void CSettingsDlg::updateLogoNote() {
    const std::string path = fieldValue(logo_->text(), values_.library.workshopLogo, true);
    std::string problem;
    if (!path.empty() && facts_.logoProblem) {
        problem = facts_.logoProblem(path);
    }
    logoNote_->setText(plainText(problem));
    logoNote_->setVisible(!problem.empty());
    fitHeight();
}

void CSettingsDlg::browseDataFolder() {
    const QString start =
        dataFolder_->text().isEmpty() ? pathText(facts_.defaultDataFolder) : dataFolder_->text();
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Choose the Data Folder"), start);
    if (!folder.isEmpty()) {
        dataFolder_->setText(folder);
    }
}

void CSettingsDlg::browseLogo() {
    const QString file = QFileDialog::getOpenFileName(this, tr("Choose the Logo"), logo_->text(),
                                                      tr("Pictures (*.png *.svg)"));
    if (!file.isEmpty()) {
        logo_->setText(file);
    }
}

SettingsValues CSettingsDlg::chosenValues() const {
    SettingsValues chosen = values_;
    chosen.program.dataDirectory =
        fieldValue(dataFolder_->text(), values_.program.dataDirectory, true);
    chosen.program.makeTextFile = textFile_->isChecked();
    chosen.program.infoPopUp = infoPopUp_->isChecked();
    if (!facts_.libraryEditable) {
        return chosen;
    }
    LibrarySettingsValues& l = chosen.library;
    l.library = fieldValue(library_->text(), values_.library.library, true);
    l.workshopName = fieldValue(name_->text(), values_.library.workshopName, false);
    l.workshopPhone = fieldValue(phone_->text(), values_.library.workshopPhone, false);
    l.workshopLogo = fieldValue(logo_->text(), values_.library.workshopLogo, true);
    // An address left as it was shown keeps its bytes, as the other fields do.
    if (address_->toPlainText() != addressText(values_.library.workshopAddress)) {
        QStringList lines = address_->toPlainText().split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
            lines.removeLast();
        }
        l.workshopAddress.clear();
        for (const QString& line : lines) {
            l.workshopAddress.push_back(line.toStdString());
        }
    }
    return chosen;
}

QString CSettingsDlg::okProblem() const {
    const SettingsValues chosen = chosenValues();
    const std::string& folder = chosen.program.dataDirectory;
    if (!folder.empty() && folder.front() != '/') {
        return tr("The data folder must be a full path, starting with /.");
    }
    const std::string& logo = chosen.library.workshopLogo;
    if (logo != values_.library.workshopLogo && !logo.empty() && facts_.logoProblem) {
        return plainText(facts_.logoProblem(logo));
    }
    return {};
}

void CSettingsDlg::onOk() {
    const QString problem = okProblem();
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    fitHeight();
    if (!problem.isEmpty()) {
        return;
    }
    values_ = chosenValues();
    accept();
}

std::optional<SettingsValues> CSettingsDlg::ask(const SettingsValues& values,
                                                const SettingsFacts& facts, QWidget* parent) {
    CSettingsDlg dialog(values, facts, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.values();
}

}  // namespace hm
