#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QTranslator>
#include <cstring>
#include <string>

#include "platform/Environment.h"
#include "resources/Strings.h"

namespace hm {
namespace {

constexpr const char* kCatalog = "haulmetry_";
std::optional<QString> g_requested;  // from --language
QList<QTranslator*> g_installed;     // by installLanguage, for uninstallLanguage
QString g_language;                  // installed, empty for English

std::string qtTextTranslator(const char* context, const char* disambiguation, const char* english) {
    return QCoreApplication::translate(context, english, disambiguation).toStdString();
}

// "de_DE" first, then "de": the first that has a translation, or empty.
QString availableFor(const QString& language, const QStringList& available) {
    if (available.contains(language)) {
        return language;
    }
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    return available.contains(base) ? base : QString();
}

bool isEnglish(const QString& language) {
    return language.isEmpty() || language == QLatin1String("en") ||
           language.startsWith(QLatin1String("en_"));
}

// The language to install for the locale: the first LANGUAGE entry with a translation (English
// ends the search), else what the first set locale variable names.
QString languageFromLocale(const QStringList& available) {
    const QStringList candidates = localeCandidates();
    for (int i = 0; i < candidates.size(); ++i) {
        const QString language = languageOfLocale(candidates[i]);
        const bool last = i == candidates.size() - 1;
        if (isEnglish(language) && (last || !language.isEmpty())) {
            return {};
        }
        if (const QString found = availableFor(language, available); !found.isEmpty()) {
            return found;
        }
    }
    return {};
}

void installCatalog(const QString& directory, const QString& file) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory)) {
        QCoreApplication::installTranslator(translator);
        g_installed.append(translator);
    } else {
        delete translator;
    }
}

}  // namespace

bool takeLanguageOption(int& argc, char** argv, QString& error) {
    std::optional<QString>& language = g_requested;
    int out = 1;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (options && std::strcmp(a, "--") == 0) {
            options = false;
        } else if (options && std::strcmp(a, "--language") == 0) {
            if (i + 1 >= argc) {
                error = QCoreApplication::translate("hm::Language",
                                                    "--language needs a language "
                                                    "code, such as de or fr");
                return false;
            }
            language = QString::fromLocal8Bit(argv[++i]);
            continue;
        } else if (options && std::strncmp(a, "--language=", 11) == 0) {
            language = QString::fromLocal8Bit(a + 11);
            continue;
        }
        argv[out++] = argv[i];
    }
    argc = out;
    argv[argc] = nullptr;
    return true;
}

QStringList localeCandidates() {
    QStringList candidates;
    const QString list = QString::fromLocal8Bit(envValue(EnvVar::Language).value_or(""));
    for (const QString& entry : list.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        candidates.append(entry);
    }
    for (const EnvVar var : {EnvVar::LcAll, EnvVar::LcMessages, EnvVar::Lang}) {
        if (const std::optional<std::string> value = envNonEmpty(var)) {
            candidates.append(QString::fromLocal8Bit(*value));
            break;
        }
    }
    return candidates;
}

QString languageOfLocale(const QString& locale) {
    QString language = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (language == QLatin1String("C") || language == QLatin1String("POSIX")) {
        return {};
    }
    return language;
}

// The catalog files in `dir` ("haulmetry_de.qm", ...), sorted by name. Matched by hand rather
// than by a name filter, which Qt turns into a regular expression: the start would then load and
// compile the regular-expression engine for one file listing.
QStringList catalogFiles(const QDir& dir) {
    QStringList catalogs;
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
        if (file.startsWith(QLatin1String(kCatalog)) && file.endsWith(QLatin1String(".qm"))) {
            catalogs.append(file);
        }
    }
    return catalogs;
}

QString translationsDirectory() {
    // Installed: <prefix>/bin and <prefix>/share/haulmetry/translations. In the build tree the
    // program is at the top and its tests one folder down.
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& relative :
         {QStringLiteral("/../share/haulmetry/translations"), QStringLiteral("/translations"),
          QStringLiteral("/../translations")}) {
        const QDir dir(QDir::cleanPath(appDir + relative));
        if (!catalogFiles(dir).isEmpty()) {
            return dir.path();
        }
    }
    return {};
}

QStringList availableLanguages() {
    QStringList languages;
    const QString dir = translationsDirectory();
    if (dir.isEmpty()) {
        return languages;
    }
    for (const QString& file : catalogFiles(QDir(dir))) {
        languages.append(file.mid(int(std::strlen(kCatalog))).chopped(3));
    }
    return languages;
}

bool installLanguage(QString& error) {
    const std::optional<QString>& requested = g_requested;
    const QStringList available = availableLanguages();
    QString language;
    if (requested) {
        const QString wanted = languageOfLocale(*requested);
        language = isEnglish(wanted) ? QString() : availableFor(wanted, available);
        if (!isEnglish(wanted) && language.isEmpty()) {
            error = QCoreApplication::translate("hm::Language",
                                                "no translation for the language '%1' (there "
                                                "are: en %2)")
                        .arg(*requested, available.join(QLatin1Char(' ')));
            return false;
        }
    } else {
        language = languageFromLocale(available);
    }
    uninstallLanguage();
    if (language.isEmpty()) {
        return true;
    }
    // Qt's own texts (the Yes and No of a message box, the file dialog) where Qt ships them.
    installCatalog(QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                   QStringLiteral("qtbase_") + language);
    installCatalog(translationsDirectory(), QString::fromLatin1(kCatalog) + language);
    setTextTranslator(&qtTextTranslator);
    g_language = language;
    return true;
}

void uninstallLanguage() {
    setTextTranslator(nullptr);
    for (QTranslator* translator : std::as_const(g_installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_installed.clear();
    g_language.clear();
}

QString installedLanguage() {
    return g_language;
}

void setRequestedLanguage(const std::optional<QString>& language) {
    g_requested = language;
}

}  // namespace hm
