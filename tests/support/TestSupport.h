#pragma once
// Small helpers shared by the tests: a temporary folder that removes itself, file I/O.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace hmtest {

// A fresh folder under the system temp dir, removed with its contents on destruction.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Sets (or, with nullopt, unsets) an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

std::vector<uint8_t> readFileBytes(const std::filesystem::path& p);
void writeFileBytes(const std::filesystem::path& p, const std::vector<uint8_t>& bytes);
void writeFileText(const std::filesystem::path& p, const std::string& text);

}  // namespace hmtest
