#include "platform/SharedLibrary.h"

#include <dlfcn.h>

namespace hm {

void* openSharedLibrary(const char* name, int extraFlags, std::string* problem) {
    void* library = ::dlopen(name, RTLD_NOW | RTLD_LOCAL | extraFlags);
    if (library == nullptr && problem != nullptr) {
        const char* why = ::dlerror();
        *problem = why != nullptr ? why : name;
    }
    return library;
}

void* sharedLibrarySymbol(void* library, const char* name) {
    return library == nullptr ? nullptr : ::dlsym(library, name);
}

}  // namespace hm
