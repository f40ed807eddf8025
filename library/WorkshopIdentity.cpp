#include "library/WorkshopIdentity.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cctype>
#include <string_view>

#include "library/LibrarySettingsFile.h"
#include "platform/FileAccess.h"
#include "platform/LogoFile.h"

namespace hm::library {
static_assert(kLogoSizeLimit == kLogoFileLimit);
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
        why = QString::fromStdString(logoContentProblem(bytes));
    }
    if (why.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate("hm::WorkshopIdentity", "The logo %1 cannot be used: %2.")
        .arg(QString::fromStdString(printablePath(path)), why)
        .toStdString();
}

}  // namespace hm::library
