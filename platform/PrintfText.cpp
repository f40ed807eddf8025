#include "platform/PrintfText.h"

#include <locale.h>
#include <algorithm>
#include <clocale>
#include <cstdio>

namespace hm {
namespace {

// The "C" locale, made once and shared by every thread (a locale object may be used by any
// number of threads at once). (locale_t)0 if it could not be made, which leaves the thread's
// locale as it is.
locale_t cLocale() {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Switches the calling thread to the "C" locale for its lifetime.
class CLocaleScope {
  public:
    CLocaleScope() : previous_(cLocale() ? ::uselocale(cLocale()) : nullptr) {}
    ~CLocaleScope() {
        if (previous_) {
            ::uselocale(previous_);
        }
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t previous_;
};

}  // namespace

std::string vprintfText(const char* format, va_list args, size_t maxLength) {
    const CLocaleScope scope;
    char buffer[256];
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    std::string text;
    if (n >= 0 && static_cast<size_t>(n) < sizeof buffer) {
        text.assign(buffer, static_cast<size_t>(n));
    } else if (n >= 0) {
        const size_t length = std::min(static_cast<size_t>(n), maxLength);
        text.resize(length + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(length);
    }
    va_end(again);
    return text.size() > maxLength ? text.substr(0, maxLength) : text;
}

std::string printfText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = vprintfText(format, args);
    va_end(args);
    return text;
}

}  // namespace hm
