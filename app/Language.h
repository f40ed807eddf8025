#pragma once
// The language of the program's texts: chosen from --language or the user's locale, installed as
// Qt translators and as the string table's translator (resources/Strings.h).
#include <QString>
#include <QStringList>
#include <optional>

namespace hm {

// Takes `--language LANG` or `--language=LANG` out of argv (wherever it stands before a lone
// `--`), so that the window's options and the subcommands never see it, and keeps the value (the
// last one wins) for installLanguage. Returns false with `error` set for a missing value.
bool takeLanguageOption(int& argc, char** argv, QString& error);

// The candidates of the user's locale in the order they are tried: the entries of LANGUAGE (a
// colon list), then the first set one of LC_ALL, LC_MESSAGES, LANG. Values as the environment
// has them ("de_DE.UTF-8", "fr", "C").
QStringList localeCandidates();

// The language code ("de", "pt_BR") of a locale name, without encoding and modifier; empty for
// the C and POSIX locales.
QString languageOfLocale(const QString& locale);

// The folder holding the compiled translations, and the languages found there ("de", "fr"...).
QString translationsDirectory();
QStringList availableLanguages();

// Installs the language: the one of --language when given, else the first candidate of the
// locale that has a translation; English ("en", "C", or nothing found) installs nothing. Needs
// the application object. Returns false with `error` set when --language names a language that
// has no translation.
bool installLanguage(QString& error);
// Back to English: removes what installLanguage installed.
void uninstallLanguage();
// The installed language ("de"), empty for English.
QString installedLanguage();
// Sets what --language would have given (nullopt: none), for tests.
void setRequestedLanguage(const std::optional<QString>& language);

}  // namespace hm
