#include "figures/RulesFile.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "platform/FileAccess.h"
#include "platform/Settings.h"
#include "resources/Strings.h"

// lupdate reads the texts marked so; they are translated where they are shown.
#define QT_TRANSLATE_NOOP(context, text) text

namespace hm::figures {
namespace {

constexpr const char* kContext = "hm::figures::RulesFile";
constexpr size_t kMaxFileBytes = 1 << 20;

std::string quoted(std::string_view token) {
    return "\"" + printablePath(token) + "\"";
}

std::string message(const char* english, std::string_view token = {}) {
    return fillPlaceholders(translate(kContext, english), {quoted(token)});
}

std::vector<std::string_view> tokens(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            ++i;
        }
        if (i > start) {
            out.push_back(line.substr(start, i - start));
        }
    }
    return out;
}

// Reads the tokens of one rule in order; the first problem is kept in `error`.
class RuleReader {
  public:
    explicit RuleReader(std::vector<std::string_view> words) : words_(std::move(words)) {}

    bool atEnd() const { return next_ >= words_.size(); }
    std::string_view peek() const { return atEnd() ? std::string_view{} : words_[next_]; }
    bool take(std::string_view word) {
        if (!atEnd() && words_[next_] == word) {
            ++next_;
            return true;
        }
        return false;
    }
    std::optional<std::string_view> word(const char* missing) {
        if (atEnd()) {
            fail(translate(kContext, missing));
            return std::nullopt;
        }
        return words_[next_++];
    }
    void fail(std::string text) {
        if (error.empty()) {
            error = std::move(text);
        }
    }
    std::string error;

  private:
    std::vector<std::string_view> words_;
    size_t next_ = 0;
};

std::optional<FigureId> readFigure(RuleReader& reader, bool change) {
    const std::optional<std::string_view> key =
        reader.word(QT_TRANSLATE_NOOP("hm::figures::RulesFile", "the rule ends before its figure"));
    if (!key) {
        return std::nullopt;
    }
    const std::optional<FigureId> id = figureByKey(*key);
    if (!id) {
        reader.fail(
            message(QT_TRANSLATE_NOOP("hm::figures::RulesFile", "unknown figure %1"), *key));
    } else if (change && figureInfo(*id).kind != FigureKind::Counting) {
        reader.fail(message(
            QT_TRANSLATE_NOOP("hm::figures::RulesFile",
                              "%1 sums the last 14000 km and has no change since the last visit"),
            *key));
        return std::nullopt;
    }
    return id;
}

std::optional<Comparison> readComparison(RuleReader& reader) {
    const std::optional<std::string_view> op = reader.word(QT_TRANSLATE_NOOP(
        "hm::figures::RulesFile", "the rule ends before its comparison (>, >=, < or <=)"));
    constexpr std::string_view kOps[] = {">", ">=", "<", "<="};
    for (size_t i = 0; op && i < std::size(kOps); ++i) {
        if (*op == kOps[i]) {
            return static_cast<Comparison>(i);
        }
    }
    if (op) {
        reader.fail(message(QT_TRANSLATE_NOOP("hm::figures::RulesFile",
                                              "a comparison (>, >=, < or <=) was expected, not %1"),
                            *op));
    }
    return std::nullopt;
}

std::optional<double> readNumber(RuleReader& reader) {
    const std::optional<std::string_view> text =
        reader.word(QT_TRANSLATE_NOOP("hm::figures::RulesFile", "the rule ends before its number"));
    if (!text) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text->data(), text->data() + text->size(), value, std::chars_format::fixed);
    if (ec != std::errc{} || end != text->data() + text->size() || !std::isfinite(value)) {
        reader.fail(message(QT_TRANSLATE_NOOP("hm::figures::RulesFile",
                                              "bad number %1 (write a decimal point, such as 2.5)"),
                            *text));
        return std::nullopt;
    }
    return value;
}

// The measure after the figure: nothing, per-1000-km or share FIGURE.
void readMeasure(RuleReader& reader, Rule& rule) {
    if (reader.take("per-1000-km")) {
        rule.measure = Measure::PerThousandKm;
    } else if (reader.take("share")) {
        rule.measure = Measure::ShareOf;
        if (const auto whole = readFigure(reader, rule.scope == Scope::SinceLastVisit)) {
            rule.shareOf = *whole;
        }
    } else {
        rule.shareOf = rule.figure;
    }
}

void readTail(RuleReader& reader, Rule& rule) {
    if (reader.take("%") && rule.measure != Measure::ShareOf) {
        reader.fail(message(QT_TRANSLATE_NOOP("hm::figures::RulesFile",
                                              "%1 belongs after the number of a share only"),
                            "%"));
    }
    if (reader.take("message")) {
        const auto key = reader.word(
            QT_TRANSLATE_NOOP("hm::figures::RulesFile", "the rule ends before its message"));
        const std::optional<MessageId> id = key ? messageByKey(*key) : std::nullopt;
        if (key && (!id || *id == MessageId::FleetOutlier || *id == MessageId::CountersReset)) {
            reader.fail(
                message(QT_TRANSLATE_NOOP("hm::figures::RulesFile", "unknown message %1"), *key));
        }
        rule.message = id.value_or(MessageId::Generic);
    }
    if (!reader.atEnd()) {
        reader.fail(
            message(QT_TRANSLATE_NOOP("hm::figures::RulesFile", "%1 after the end of the rule"),
                    reader.peek()));
    }
}

std::optional<Rule> parseRule(std::string_view line, std::string& error) {
    RuleReader reader(tokens(line));
    Rule rule;
    const std::string_view severity = reader.peek();
    if (reader.take("info")) {
        rule.severity = Severity::Info;
    } else if (!reader.take("attention")) {
        error = message(
            QT_TRANSLATE_NOOP("hm::figures::RulesFile", "unknown severity %1 (info or attention)"),
            severity);
        return std::nullopt;
    }
    rule.scope = reader.take("change") ? Scope::SinceLastVisit : Scope::Download;
    if (const auto figure = readFigure(reader, rule.scope == Scope::SinceLastVisit)) {
        rule.figure = *figure;
    }
    readMeasure(reader, rule);
    const std::optional<Comparison> comparison =
        reader.error.empty() ? readComparison(reader) : std::nullopt;
    const std::optional<double> number = comparison ? readNumber(reader) : std::nullopt;
    if (number) {
        rule.comparison = *comparison;
        rule.threshold = *number;
        readTail(reader, rule);
    }
    error = reader.error;
    return error.empty() ? std::optional<Rule>(rule) : std::nullopt;
}

// Every measure is 0 or more: a rule such as "> -1" or ">= 0" holds for every download, and
// "< 0" for none. Both are taken (they are not wrong), but named.
std::optional<std::string> ruleWarning(const Rule& rule) {
    const double t = rule.threshold;
    const Comparison c = rule.comparison;
    if ((c == Comparison::GreaterOrEqual && t <= 0.0) || (c == Comparison::Greater && t < 0.0)) {
        return translate("hm::figures::RulesFile", "this rule holds for every download");
    }
    if ((c == Comparison::Less && t <= 0.0) || (c == Comparison::LessOrEqual && t < 0.0)) {
        return translate("hm::figures::RulesFile", "this rule never holds");
    }
    return std::nullopt;
}

}  // namespace

RulesParse parseRules(std::string_view text) {
    RulesParse parse;
    // A byte order mark, as some editors write one at the start of a UTF-8 file.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    int number = 0;
    for (size_t start = 0; start <= text.size() && !parse.error;) {
        size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        line = line.substr(0, line.find('#'));
        if (tokens(line).empty()) {
            continue;
        }
        std::string error;
        if (std::optional<Rule> rule = parseRule(line, error)) {
            rule->line = number;
            if (std::optional<std::string> warning = ruleWarning(*rule)) {
                parse.warnings.push_back({number, *warning});
            }
            parse.rules.push_back(*rule);
        } else {
            parse.error = RulesError{number, error};
            parse.rules.clear();
        }
    }
    return parse;
}

std::string userRulesPath() {
    const std::filesystem::path config = configDirectory();
    return config.empty() || config.is_relative()
               ? std::string()
               : (config / "haulmetry" / "findings.conf").string();
}

RulesParse loadRules(const std::string& path) {
    const std::string file = path.empty() ? userRulesPath() : path;
    std::error_code ec;
    if (path.empty() &&
        (file.empty() || !std::filesystem::exists(std::filesystem::symlink_status(file, ec)))) {
        RulesParse defaults;
        defaults.rules = defaultRules();
        return defaults;
    }
    std::string bytes;
    std::string error;
    RulesParse parse;
    if (!readRegularFile(file, kMaxFileBytes + 1, bytes, error)) {
        parse.error = RulesError{0, error};
    } else if (bytes.size() > kMaxFileBytes) {
        parse.error = RulesError{
            0, translate("hm::figures::RulesFile", "too large for a rules file (over 1 MiB)")};
    } else if (bytes.find('\0') != std::string::npos) {
        parse.error = RulesError{
            0, translate("hm::figures::RulesFile", "not a text file (it holds zero bytes)")};
    } else {
        parse = parseRules(bytes);
    }
    parse.source = file;
    return parse;
}

}  // namespace hm::figures
