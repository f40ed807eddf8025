#pragma once
// The findings rules of a subcommand (`findings`, `export`): the option "--rules FILE" and the
// load of the rules it names, or of the user's rules file, or the default rules.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>
#include <vector>

#include "figures/Findings.h"

namespace hm::cli {

QCommandLineOption rulesOption();

// The rules after parsing: those of --rules FILE, else of $XDG_CONFIG_HOME/haulmetry/
// findings.conf, else the defaults. A bad rules file prints "haulmetry COMMAND: FILE:LINE:
// reason" (LINE left out when the file cannot be read) and gives nothing; warnings print as
// "haulmetry COMMAND: FILE:LINE: warning: ..." and the rules are taken.
std::optional<std::vector<figures::Rule>> loadRulesOrReport(const QCommandLineParser& parser,
                                                            const QCommandLineOption& option,
                                                            const char* commandName);

// The exit status of a bad rules file.
constexpr int kBadRulesExit = 2;

}  // namespace hm::cli
