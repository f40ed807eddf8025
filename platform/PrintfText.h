#pragma once
// printf-style formatting whose numbers never follow the process locale. The window program runs
// with the user's locale (Qt sets it at start-up), under which a plain snprintf writes "0,10"
// for 0.1; every text that holds a number (files, command output, pages, the window's own texts)
// is made here instead, so it reads the same in every locale. Plain functions, any thread.
#include <cstdarg>
#include <cstddef>
#include <string>

namespace hm {

// printf into a string, formatted in the "C" locale (decimal point, no digit grouping) whatever
// the global or thread locale is; empty when the format fails. Only the calling thread's locale
// is switched, and only for the call.
std::string printfText(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same with a va_list; a result longer than `maxLength` is cut to its first `maxLength`
// characters (so a format from outside with a huge width cannot claim memory).
std::string vprintfText(const char* format, va_list args, size_t maxLength = std::string::npos)
    __attribute__((format(printf, 1, 0)));

}  // namespace hm
