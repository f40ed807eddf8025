// Which language the program speaks: --language over LANGUAGE (a colon list) over LC_ALL over
// LC_MESSAGES over LANG, English when none of them names a language that has a translation.
#include "app/Language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "resources/Strings.h"

namespace {

constexpr std::array<const char*, 4> kVariables = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

class LocaleEnvironment {
  public:
    LocaleEnvironment() {
        for (const char* name : kVariables) {
            saved_.push_back(qgetenv(name));
        }
    }
    ~LocaleEnvironment() {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            set(kVariables[i], saved_[i].constData());
        }
        hm::setRequestedLanguage(std::nullopt);
        hm::uninstallLanguage();
    }
    static void set(const char* name, const char* value) {
        if (value == nullptr || *value == '\0') {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }

  private:
    std::vector<QByteArray> saved_;
};

TEST(Language, ChosenFromOptionThenLocaleVariablesInOrder) {
    LocaleEnvironment restore;
    const struct {
        std::array<const char*, 4> env;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        std::optional<const char*> option;
        const char* expected;
    } cases[] = {
        {{"", "", "", ""}, std::nullopt, ""},
        {{"", "", "", "C.UTF-8"}, std::nullopt, ""},
        {{"de", "", "", "C.UTF-8"}, std::nullopt, "de"},
        {{"", "", "", "fr_FR.UTF-8"}, std::nullopt, "fr"},
        {{"sv:nl_BE", "", "", "de_DE"}, std::nullopt, "nl"},
        {{"en_GB:de", "", "", ""}, std::nullopt, ""},
        {{"sv", "", "", "es_ES.UTF-8"}, std::nullopt, "es"},
        {{"", "pl_PL.UTF-8", "it_IT", "es_ES"}, std::nullopt, "pl"},
        {{"", "", "it_IT.UTF-8@euro", "es_ES"}, std::nullopt, "it"},
        {{"", "", "", "pt_BR.UTF-8"}, std::nullopt, ""},
        {{"de", "", "", ""}, "fr", "fr"},
        {{"de", "", "", ""}, "en", ""},
        {{"", "", "", ""}, "pl_PL.UTF-8", "pl"},
    };
    for (const auto& c : cases) {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            LocaleEnvironment::set(kVariables[i], c.env[i]);
        }
        hm::setRequestedLanguage(c.option ? std::optional<QString>(QString::fromUtf8(*c.option))
                                          : std::nullopt);
        QString error;
        ASSERT_TRUE(hm::installLanguage(error)) << error.toStdString();
        EXPECT_EQ(hm::installedLanguage().toStdString(), c.expected)
            << c.env[0] << "|" << c.env[1] << "|" << c.env[2] << "|" << c.env[3];
    }
}

TEST(Language, InstalledLanguageReachesTableCoreTextsAndQtTexts) {
    LocaleEnvironment restore;
    hm::setRequestedLanguage(QStringLiteral("de"));
    QString error;
    ASSERT_TRUE(hm::installLanguage(error));
    EXPECT_EQ(hm::str(hm::sid::kTipClose), "Programm beenden");
    EXPECT_EQ(hm::translate("hm::PageLayout", "Not saved"), "Nicht gespeichert");
    EXPECT_EQ(QCoreApplication::translate("hm::CAboutDlg", "Graph").toStdString(), "Graph");
    EXPECT_EQ(QCoreApplication::translate("hm::CInfo", "Graph"), QStringLiteral("Diagramm"));
    hm::uninstallLanguage();
    EXPECT_EQ(hm::str(hm::sid::kTipClose), "Close the Program");
    EXPECT_EQ(QCoreApplication::translate("hm::CInfo", "Graph"), QStringLiteral("Graph"));

    hm::setRequestedLanguage(QStringLiteral("xx"));
    EXPECT_FALSE(hm::installLanguage(error));
    EXPECT_TRUE(error.contains(QStringLiteral("'xx'"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("de es fr it nl pl"))) << error.toStdString();
}

TEST(Language, OptionIsTakenOutOfTheArguments) {
    LocaleEnvironment restore;
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> left;
        bool ok;
    } cases[] = {
        {{"hm", "--demo", "--language", "de"}, {"hm", "--demo"}, true},
        {{"hm", "--language=fr", "export", "f.asc"}, {"hm", "export", "f.asc"}, true},
        {{"hm", "--", "--language", "de"}, {"hm", "--", "--language", "de"}, true},
        {{"hm", "--language"}, {}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> storage = c.args;
        std::vector<char*> argv;
        for (std::string& s : storage) {
            argv.push_back(s.data());
        }
        argv.push_back(nullptr);
        int argc = static_cast<int>(c.args.size());
        QString error;
        ASSERT_EQ(hm::takeLanguageOption(argc, argv.data(), error), c.ok) << c.args[1];
        if (c.ok) {
            EXPECT_EQ(std::vector<std::string>(argv.begin(), argv.begin() + argc), c.left);
            EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr);
        } else {
            EXPECT_TRUE(error.contains(QStringLiteral("--language")));
        }
    }
}

}  // namespace
