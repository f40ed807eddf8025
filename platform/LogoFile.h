#pragma once
// What a logo file must be to be drawn on a report: a PNG, or an SVG that reaches nothing outside
// itself and runs no code. One check for the settings (which refuse such a file) and the report
// (which leaves it out). Plain functions, any thread.
#include <cstddef>
#include <string>
#include <string_view>

namespace hm {

// The largest logo file taken.
constexpr size_t kLogoFileLimit = 2 * 1024 * 1024;

// Empty when the bytes of a logo file make a logo; else a translated reason starting with "it"
// ("it is larger than 2 MiB", "it holds a script"): larger than kLogoFileLimit, neither a PNG
// nor an SVG by its content, or an SVG with an href or xlink:href to anything but a "data:" URI
// (not itself an SVG) or a "#" reference within the file, a CSS url() likewise, an @import or a
// style sheet instruction, a <script> element or an "on..." event attribute, or a document type
// declaration with entities or an outside reference.
std::string logoContentProblem(std::string_view bytes);

}  // namespace hm
