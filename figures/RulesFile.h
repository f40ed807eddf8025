#pragma once
// The findings rules file: a small text file, one rule a line, that replaces the default rules
// (Findings.h). Its place is $XDG_CONFIG_HOME/haulmetry/findings.conf (~/.config/...); without
// one the default rules apply. The text may come from elsewhere too (a shared library holding a
// fleet's own rules), so the parser takes the text itself.
//
// Syntax (docs/findings.md), '#' starts a comment, blank lines are ignored:
//
//   SEVERITY [change] FIGURE [per-1000-km | share FIGURE] COMPARISON NUMBER [%] [message ID]
//
//   attention overload_km share load_km > 2 % message overload
//   attention change abs_events per-1000-km > 5 message abs-rate
//   info change stability_records > 0
//
// SEVERITY is `info` or `attention`; `change` makes the rule look at the usage since the
// download before; FIGURE is a data key of the figure table; COMPARISON one of > >= < <=;
// NUMBER a decimal number (a point, never a comma), followed by `%` with `share` only; ID one of
// the message keys (messageKey). A bad line is an error naming its line; a rule that holds for
// every download (such as `distance_km >= 0`) is taken but warned about.
// Plain functions; any thread.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "figures/Findings.h"

namespace hm::figures {

struct RulesError {
    int line = 0;         // 1-based; 0 for the file as a whole (cannot be read)
    std::string message;  // in the user's language, without the line number
};

struct RulesWarning {
    int line = 0;
    std::string message;  // in the user's language
};

struct RulesParse {
    std::vector<Rule> rules;
    std::vector<RulesWarning> warnings;
    std::optional<RulesError> error;  // set: `rules` is empty and must not be used
    std::string source;               // the file read, or empty for the defaults or a text
};

// Parses the text of a rules file. An empty file (or only comments) gives no rules at all: the
// user chose to have none.
RulesParse parseRules(std::string_view text);

// $XDG_CONFIG_HOME/haulmetry/findings.conf (through platform/Environment), or empty when
// neither XDG_CONFIG_HOME nor HOME gives a configuration folder.
std::string userRulesPath();

// The rules of `path`: when `path` is empty, the user's rules file, or the default rules when
// there is none. A file given by name must exist; an unreadable file is an error (line 0).
RulesParse loadRules(const std::string& path);

}  // namespace hm::figures
