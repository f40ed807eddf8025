#include "app/cli/FindingsRules.h"

#include <QCoreApplication>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "figures/RulesFile.h"

namespace hm::cli {

QCommandLineOption rulesOption() {
    return QCommandLineOption(
        QStringLiteral("rules"),
        QStringLiteral("Findings rules file (default: $XDG_CONFIG_HOME/haulmetry/findings.conf, "
                       "else the default rules)."),
        QStringLiteral("FILE"));
}

std::optional<std::vector<figures::Rule>> loadRulesOrReport(const QCommandLineParser& parser,
                                                            const QCommandLineOption& option,
                                                            const char* commandName) {
    const QString given = parser.value(option);
    const figures::RulesParse parse = figures::loadRules(localPath(given));
    const QString command = QString::fromLatin1(commandName);
    const QString file = given.isEmpty() ? QString::fromStdString(parse.source) : given;
    const auto where = [&](int line) {
        return line > 0 ? QStringLiteral("%1:%2").arg(displayPath(file)).arg(line)
                        : displayPath(file);
    };
    if (parse.error) {
        printError(QCoreApplication::translate("hm::cli", "haulmetry %1: %2: %3")
                       .arg(command, where(parse.error->line),
                            QString::fromStdString(parse.error->message)));
        return std::nullopt;
    }
    for (const figures::RulesWarning& warning : parse.warnings) {
        printError(QCoreApplication::translate("hm::cli", "haulmetry %1: %2: warning: %3")
                       .arg(command, where(warning.line), QString::fromStdString(warning.message)));
    }
    return parse.rules;
}

}  // namespace hm::cli
