#include "library/WorkshopIdentity.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cctype>
#include <string_view>

#include "library/LibrarySettingsFile.h"
#include "platform/FileAccess.h"

namespace hm::library {
namespace {

constexpr std::string_view kNameKey = "workshop_name";
constexpr std::string_view kAddressKey = "workshop_address";
constexpr std::string_view kPhoneKey = "workshop_phone";
constexpr std::string_view kLogoKey = "workshop_logo";

// `text` on one line: line ends and other control bytes become blanks.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\0'; }, ' ');
    return text;
}

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
QString scanAttributes(std::string_view t, size_t& at, Check check) {
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
        QString why = check(name, value);
        if (!why.isEmpty()) {
            return why;
        }
    }
    return {};
}

// Why the elements and attributes of the lower-case SVG text `t` may not be used; empty when
// they may. Comments and CDATA sections are skipped.
QString tagHazard(std::string_view t) {
    const auto attribute = [](std::string_view name, std::string_view value) -> QString {
        if (localName(name) == "href" && !insideReference(value)) {
            return QCoreApplication::translate("hm::WorkshopIdentity",
                                               "it refers to an outside file or address (%1)")
                .arg(QString::fromStdString(printablePath(value.substr(0, 80))));
        }
        if (name.starts_with("on")) {
            return QCoreApplication::translate("hm::WorkshopIdentity",
                                               "it holds an event handler (%1), which runs code")
                .arg(QString::fromStdString(std::string(name)));
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
            return QCoreApplication::translate("hm::WorkshopIdentity", "it holds a script");
        }
        at = end;
        const QString why = scanAttributes(t, at, attribute);
        if (!why.isEmpty()) {
            return why;
        }
    }
    return {};
}

// Why the lower-case SVG text `t` may not be used as a logo; empty when it may.
QString svgHazard(std::string_view t) {
    if (t.find("<!entity") != std::string_view::npos) {
        return QCoreApplication::translate("hm::WorkshopIdentity", "it declares entities");
    }
    const size_t doctype = t.find("<!doctype");
    if (doctype != std::string_view::npos) {
        const std::string_view declaration = t.substr(doctype, t.find('>', doctype) - doctype);
        if (declaration.find("system") != std::string_view::npos ||
            declaration.find("public") != std::string_view::npos) {
            return QCoreApplication::translate(
                "hm::WorkshopIdentity",
                "its document type refers to an outside file (remove the DOCTYPE line)");
        }
    }
    if (t.find("@import") != std::string_view::npos ||
        t.find("<?xml-stylesheet") != std::string_view::npos) {
        return QCoreApplication::translate("hm::WorkshopIdentity",
                                           "it takes a style sheet from an outside file");
    }
    for (size_t at = t.find("url("); at != std::string_view::npos; at = t.find("url(", at + 4)) {
        std::string_view target = t.substr(at + 4);
        while (!target.empty() && (std::isspace(static_cast<unsigned char>(target.front())) != 0 ||
                                   target.front() == '"' || target.front() == '\'')) {
            target.remove_prefix(1);
        }
        if (!insideReference(target)) {
            return QCoreApplication::translate("hm::WorkshopIdentity",
                                               "its style refers to an outside file or address");
        }
    }
    return tagHazard(t);
}

// Why the bytes of `path` make no logo; empty when they make one.
QString contentProblem(const std::string& bytes) {
    if (bytes.size() > kLogoSizeLimit) {
        return QCoreApplication::translate("hm::WorkshopIdentity", "it is larger than %1 MiB")
            .arg(kLogoSizeLimit / (1024 * 1024));
    }
    if (isPng(bytes)) {
        return {};
    }
    const std::string lower = lowerAscii(bytes);
    if (!isSvg(lower)) {
        return QCoreApplication::translate("hm::WorkshopIdentity",
                                           "it is neither a PNG nor an SVG picture");
    }
    return svgHazard(lower);
}

}  // namespace

bool WorkshopIdentity::empty() const {
    return name.empty() && address.empty() && phone.empty() && logoPath.empty();
}

WorkshopIdentity workshopIdentity() {
    SettingLines lines;
    std::string problem;
    readLibrarySettings(lines, problem);
    WorkshopIdentity identity;
    for (const auto& [key, value] : lines) {
        if (key == kNameKey) {
            identity.name = value;
        } else if (key == kAddressKey) {
            identity.address = decodeAddress(value);
        } else if (key == kPhoneKey) {
            identity.phone = value;
        } else if (key == kLogoKey) {
            identity.logoPath = value;
        }
    }
    return identity;
}

std::string encodeAddress(const std::vector<std::string>& lines) {
    size_t count = lines.size();
    while (count > 0 && lines[count - 1].empty()) {
        --count;
    }
    std::string value;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            value += "\\n";
        }
        for (char c : oneLine(lines[i])) {
            value += c == '\\' ? std::string("\\\\") : std::string(1, c);
        }
    }
    return value;
}

std::vector<std::string> decodeAddress(const std::string& value) {
    std::vector<std::string> lines;
    if (value.empty()) {
        return lines;
    }
    lines.emplace_back();
    for (size_t i = 0; i < value.size(); ++i) {
        const char next = i + 1 < value.size() ? value[i + 1] : '\0';
        if (value[i] == '\\' && next == 'n') {
            lines.emplace_back();
            ++i;
        } else if (value[i] == '\\' && next == '\\') {
            lines.back() += '\\';
            ++i;
        } else {
            lines.back() += value[i];
        }
    }
    return lines;
}

std::vector<std::pair<std::string, std::string>> identitySettings(
    const WorkshopIdentity& identity) {
    return {{std::string(kNameKey), oneLine(identity.name)},
            {std::string(kAddressKey), encodeAddress(identity.address)},
            {std::string(kPhoneKey), oneLine(identity.phone)},
            {std::string(kLogoKey), oneLine(identity.logoPath)}};
}

std::string logoProblem(const std::string& path) {
    QString why;
    std::string bytes;
    std::string error;
    if (path.empty()) {
        why = QCoreApplication::translate("hm::WorkshopIdentity", "no file is named");
    } else if (!readRegularFile(path, kLogoSizeLimit + 1, bytes, error)) {
        why = QString::fromStdString(error);
    } else {
        why = contentProblem(bytes);
    }
    if (why.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate("hm::WorkshopIdentity", "The logo %1 cannot be used: %2.")
        .arg(QString::fromStdString(printablePath(path)), why)
        .toStdString();
}

}  // namespace hm::library
