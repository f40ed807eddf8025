#include "app/cli/DataFileWalk.h"

#include <sys/stat.h>

#include <QString>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/cli/Subcommand.h"
#include "platform/FileAccess.h"

namespace {

namespace fs = std::filesystem;

bool hasDataFileExtension(const fs::path& path) {
    std::string ext = path.extension().native();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".asc";
}

// What one folder holds: its data files (".asc", any case, also symbolic links to files) and its
// sub-folders (never a symbolic link to a folder, so a walk cannot loop).
struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// Lists `folder` into `out`. When the folder cannot be opened, or its listing breaks off, returns
// false with the reason; what was listed before the break is kept.
bool listFolder(const std::string& folder, FolderListing& out, std::string& reason) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_symlink(typeError) && it->is_directory(typeError)) {
            out.folders.push_back(it->path().native());
        } else if (hasDataFileExtension(it->path()) && !it->is_directory(typeError)) {
            out.files.push_back(it->path().native());
        }
    }
    if (ec) {
        reason = "cannot list the folder: " + ec.message();
        return false;
    }
    return true;
}

std::vector<std::string> walkFolder(const std::string& folder, bool recursive, int& unlisted,
                                    const hm::cli::SkipReport& report) {
    std::vector<std::string> files;
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
        const std::string next = std::move(pending.back());
        pending.pop_back();
        FolderListing listing;
        std::string reason;
        if (!listFolder(next, listing, reason)) {
            report(next, reason);
            ++unlisted;
        }
        files.insert(files.end(), listing.files.begin(), listing.files.end());
        if (recursive) {
            pending.insert(pending.end(), listing.folders.begin(), listing.folders.end());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

namespace hm::cli {

void reportSkippedPath(const char* commandName, const std::string& path,
                       const std::string& reason) {
    printError(QStringLiteral("haulmetry %1: %2: %3")
                   .arg(QString::fromLatin1(commandName),
                        QString::fromStdString(hm::printablePath(path)),
                        QString::fromStdString(reason)));
}

std::vector<std::string> folderDataFiles(const std::string& folder, bool recursive, int& unlisted,
                                         const SkipReport& report) {
    return walkFolder(folder, recursive, unlisted, report);
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace hm::cli
