#pragma once
// The workshop's identity as its pages and reports show it: name, address, telephone and logo,
// kept in the library settings file (LibrarySettingsFile.h, same file rules) under the keys
// workshop_name, workshop_address, workshop_phone and workshop_logo (docs/settings.md). The key
// "workshop" is something else: the workshop's role name in a shared library. Plain functions,
// any thread; no Qt in this header.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace hm::library {

struct WorkshopIdentity {
    std::string name;
    std::vector<std::string> address;  // lines
    std::string phone;
    std::string logoPath;  // SVG or PNG; empty: none
    bool empty() const;
};

// The largest logo file taken.
constexpr size_t kLogoSizeLimit = 2 * 1024 * 1024;

// From the library settings file; missing keys stay empty, and so does everything when the file
// is missing or refused.
WorkshopIdentity workshopIdentity();

// The address as one value of the settings file: the lines joined by the two characters "\n",
// a backslash written as "\\" (so a line may hold "\n" as text). Line ends inside a line become
// blanks; trailing empty lines are left out.
std::string encodeAddress(const std::vector<std::string>& lines);
// The lines of an encoded address; a backslash before any other character stays as it is.
std::vector<std::string> decodeAddress(const std::string& value);

// The settings file's keys and values for `identity` (an empty value removes its key), to hand
// to writeLibrarySettings().
std::vector<std::pair<std::string, std::string>> identitySettings(const WorkshopIdentity& identity);

// Empty when `path` may be used as a logo; else a translated reason: missing or unreadable, not a
// regular file (a FIFO is never waited on), larger than kLogoSizeLimit, neither a PNG nor an SVG
// by its content (the name's extension does not count), or an SVG that could reach outside
// itself or run code: an href or xlink:href to anything but a "data:" URI or a "#" reference
// within the file, a CSS url() likewise or an @import, a <script> element or an "on..." event
// attribute, a document type declaration with an entity or an outside reference.
std::string logoProblem(const std::string& path);

}  // namespace hm::library
