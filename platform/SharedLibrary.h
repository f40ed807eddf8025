#pragma once
// Libraries opened at run time instead of linked, so that a start does not pay for loading and
// relocating what only some runs use (libcrypto, libxlsxwriter, the printing module), or to reach
// a library another part of the process loaded (the SQL clients of Qt's drivers). The caller
// types each function from the library's own header. Any thread.
#include <string>

namespace hm {

// `name` (a soname or a path) opened with dlopen(RTLD_NOW | RTLD_LOCAL | extraFlags) for the rest
// of the run; null, with the loader's reason in `problem` (may be null), when it cannot be.
void* openSharedLibrary(const char* name, int extraFlags = 0, std::string* problem = nullptr);

// The address of the symbol `name` in `library`, null when it has none.
void* sharedLibrarySymbol(void* library, const char* name);

// Sets `function` to the symbol `name` of `library`; false, with `function` null, when it has
// none.
template <typename Function>
bool findSymbol(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(sharedLibrarySymbol(library, name));
    return function != nullptr;
}

}  // namespace hm
