#include "support/CommaLocale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace hmtest {
namespace {

constexpr const char* kName = "de_DE.UTF-8";

bool takeCommaLocale() {
    if (std::setlocale(LC_ALL, kName) == nullptr) {
        return false;
    }
    return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

}  // namespace

ScopedCommaLocale::ScopedCommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    if (takeCommaLocale()) {
        available_ = true;
        return;
    }
    folder_ = std::make_unique<TempDir>();
    const std::string log = (*folder_ / "localedef.log").string();
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (*folder_ / kName).string() + "' >'" + log + "' 2>&1";
    // localedef exits 1 after mere warnings, so the result is judged by the locale itself.
    (void)std::system(command.c_str());
    locpath_ = std::make_unique<ScopedEnv>("LOCPATH", folder_->path().string());
    available_ = takeCommaLocale();
    if (!available_) {
        why_ = "no de_DE.UTF-8 locale (localedef and the locales package are needed)";
    }
}

ScopedCommaLocale::~ScopedCommaLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
}

}  // namespace hmtest
