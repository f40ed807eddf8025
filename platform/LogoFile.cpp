#include "platform/LogoFile.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/FileAccess.h"
#include "resources/Strings.h"

namespace hm {
namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool isPng(std::string_view bytes) {
    constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
    return bytes.size() >= 33 && bytes.starts_with(kSignature) && bytes.substr(12, 4) == "IHDR";
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == ':' || c == '-' || c == '_' ||
           c == '.';
}

// `name` without its namespace prefix ("xlink:href" gives "href").
std::string_view localName(std::string_view name) {
    const size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Skips what may stand before the root element: blanks, the XML declaration, processing
// instructions, comments and a document type declaration. `at` is left on the root's '<'.
void skipProlog(std::string_view t, size_t& at) {
    while (at < t.size()) {
        if (std::isspace(static_cast<unsigned char>(t[at])) != 0) {
            ++at;
        } else if (t.substr(at).starts_with("<?")) {
            const size_t end = t.find("?>", at);
            at = end == std::string_view::npos ? t.size() : end + 2;
        } else if (t.substr(at).starts_with("<!--")) {
            const size_t end = t.find("-->", at);
            at = end == std::string_view::npos ? t.size() : end + 3;
        } else if (t.substr(at).starts_with("<!doctype")) {
            const size_t subset = t.find('[', at);
            const size_t close = t.find('>', at);
            const size_t end = subset < close ? t.find("]>", subset) : close;
            at = end == std::string_view::npos ? t.size() : end + (subset < close ? 2 : 1);
        } else {
            return;
        }
    }
}

// True when the lower-case text `t` starts, after its prolog, with an <svg> root element.
bool isSvg(std::string_view t) {
    size_t at = t.starts_with("\xef\xbb\xbf") ? 3 : 0;
    skipProlog(t, at);
    if (at >= t.size() || t[at] != '<') {
        return false;
    }
    size_t end = at + 1;
    while (end < t.size() && isNameChar(t[end])) {
        ++end;
    }
    return localName(t.substr(at + 1, end - at - 1)) == "svg" && end < t.size() &&
           (std::isspace(static_cast<unsigned char>(t[end])) != 0 || t[end] == '>' ||
            t[end] == '/');
}

// True for a reference that stays inside the file: a "#" fragment or a data: URI that is no
// SVG (which could hold references of its own).
bool insideReference(std::string_view value) {
    while (!value.empty() && std::isspace(static_cast<unsigned char>(value.front())) != 0) {
        value.remove_prefix(1);
    }
    if (value.starts_with("#")) {
        return true;
    }
    return value.starts_with("data:") && !value.starts_with("data:image/svg");
}

// The attributes of the start tag whose name ends at `at`, up to its '>': calls `check` with
// each name and value until it returns a reason; `at` is left after the tag.
template <typename Check>
std::string scanAttributes(std::string_view t, size_t& at, Check check) {
    while (at < t.size() && t[at] != '>') {
        if (!isNameChar(t[at])) {
            ++at;
            continue;
        }
        const size_t nameStart = at;
        while (at < t.size() && isNameChar(t[at])) {
            ++at;
        }
        const std::string_view name = t.substr(nameStart, at - nameStart);
        while (at < t.size() && std::isspace(static_cast<unsigned char>(t[at])) != 0) {
            ++at;
        }
        std::string_view value;
        if (at < t.size() && t[at] == '=') {
            ++at;
            while (at < t.size() && std::isspace(static_cast<unsigned char>(t[at])) != 0) {
                ++at;
            }
            const char quote = at < t.size() ? t[at] : '\0';
            const bool quoted = quote == '"' || quote == '\'';
            const size_t valueStart = quoted ? at + 1 : at;
            size_t end = quoted ? t.find(quote, valueStart) : t.find_first_of(" \t\r\n>", at);
            end = end == std::string_view::npos ? t.size() : end;
            value = t.substr(valueStart, end - valueStart);
            at = quoted ? end + 1 : end;
        }
        std::string why = check(name, value);
        if (!why.empty()) {
            return why;
        }
    }
    return {};
}

// Why the elements and attributes of the lower-case SVG text `t` may not be used; empty when
// they may. Comments and CDATA sections are skipped.
std::string tagHazard(std::string_view t) {
    const auto attribute = [](std::string_view name, std::string_view value) -> std::string {
        if (localName(name) == "href" && !insideReference(value)) {
            return fillPlaceholders(
                translate("hm::WorkshopIdentity", "it refers to an outside file or address (%1)"),
                {printablePath(value.substr(0, 80))});
        }
        if (name.starts_with("on")) {
            return fillPlaceholders(translate("hm::WorkshopIdentity",
                                              "it holds an event handler (%1), which runs code"),
                                    {std::string(name)});
        }
        return {};
    };
    for (size_t at = t.find('<'); at != std::string_view::npos; at = t.find('<', at)) {
        const std::string_view rest = t.substr(at);
        const std::string_view skipTo = rest.starts_with("<!--")        ? "-->"
                                        : rest.starts_with("<![cdata[") ? "]]>"
                                                                        : "";
        if (!skipTo.empty()) {
            at = t.find(skipTo, at);
            continue;
        }
        size_t end = ++at;
        while (end < t.size() && isNameChar(t[end])) {
            ++end;
        }
        if (localName(t.substr(at, end - at)) == "script") {
            return translate("hm::WorkshopIdentity", "it holds a script");
        }
        at = end;
        const std::string why = scanAttributes(t, at, attribute);
        if (!why.empty()) {
            return why;
        }
    }
    return {};
}

// Why the lower-case SVG text `t` may not be used as a logo; empty when it may.
std::string svgHazard(std::string_view t) {
    if (t.find("<!entity") != std::string_view::npos) {
        return translate("hm::WorkshopIdentity", "it declares entities");
    }
    const size_t doctype = t.find("<!doctype");
    if (doctype != std::string_view::npos) {
        const std::string_view declaration = t.substr(doctype, t.find('>', doctype) - doctype);
        if (declaration.find("system") != std::string_view::npos ||
            declaration.find("public") != std::string_view::npos) {
            return translate(
                "hm::WorkshopIdentity",
                "its document type refers to an outside file (remove the DOCTYPE line)");
        }
    }
    if (t.find("@import") != std::string_view::npos ||
        t.find("<?xml-stylesheet") != std::string_view::npos) {
        return translate("hm::WorkshopIdentity", "it takes a style sheet from an outside file");
    }
    for (size_t at = t.find("url("); at != std::string_view::npos; at = t.find("url(", at + 4)) {
        std::string_view target = t.substr(at + 4);
        while (!target.empty() && (std::isspace(static_cast<unsigned char>(target.front())) != 0 ||
                                   target.front() == '"' || target.front() == '\'')) {
            target.remove_prefix(1);
        }
        if (!insideReference(target)) {
            return translate("hm::WorkshopIdentity",
                             "its style refers to an outside file or address");
        }
    }
    return tagHazard(t);
}

}  // namespace

std::string logoContentProblem(std::string_view bytes) {
    if (bytes.size() > kLogoFileLimit) {
        return fillPlaceholders(translate("hm::WorkshopIdentity", "it is larger than %1 MiB"),
                                {std::to_string(kLogoFileLimit / (1024 * 1024))});
    }
    if (isPng(bytes)) {
        return {};
    }
    const std::string lower = lowerAscii(bytes);
    if (!isSvg(lower)) {
        return translate("hm::WorkshopIdentity", "it is neither a PNG nor an SVG picture");
    }
    return svgHazard(lower);
}

}  // namespace hm
