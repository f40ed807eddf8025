#pragma once
// A locale whose decimal separator is a comma, for tests that numbers never follow the user's
// locale. The German locale is taken as installed, or else compiled with localedef into a
// temporary folder and found through LOCPATH (Debian's "locales" package has its sources).
#include <memory>
#include <optional>
#include <string>

#include "support/TestSupport.h"

namespace hmtest {

// Switches the whole process (setlocale LC_ALL) to de_DE.UTF-8 for the life of the object and
// back afterwards. available() is false, with why() saying so, when no such locale could be
// had; the caller then skips.
class ScopedCommaLocale {
  public:
    ScopedCommaLocale();
    ~ScopedCommaLocale();
    ScopedCommaLocale(const ScopedCommaLocale&) = delete;
    ScopedCommaLocale& operator=(const ScopedCommaLocale&) = delete;
    bool available() const { return available_; }
    const std::string& why() const { return why_; }

  private:
    std::string previous_;
    std::unique_ptr<TempDir> folder_;
    std::unique_ptr<ScopedEnv> locpath_;
    bool available_ = false;
    std::string why_;
};

}  // namespace hmtest
