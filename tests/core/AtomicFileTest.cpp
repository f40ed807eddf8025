// writeFileAtomic against what may stand at the target: links, FIFOs, folders, long names, and
// the owner and mode of a file it replaces.
#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/HostileFiles.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

bool write(const fs::path& target, const std::string& text, std::string& error) {
    return hm::writeFileAtomic(target, text.data(), text.size(), error);
}

std::string readText(const fs::path& p) {
    const auto bytes = hmtest::readFileBytes(p);
    return std::string(bytes.begin(), bytes.end());
}

TEST(AtomicFile, SymbolicLinksAreFollowedAndStayLinks) {
    struct Case {
        const char* name;
        const char* linkTarget;  // relative to the folder
        bool targetExists;
    };
    const Case cases[] = {
        {"link to a file", "real.txt", true},
        {"link to a link to a file", "link2", true},
        {"dangling link", "missing.txt", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hmtest::TempDir dir;
        if (c.targetExists) {
            hmtest::writeFileText(dir / "real.txt", "old");
            fs::create_symlink("real.txt", dir / "link2");
        }
        fs::create_symlink(c.linkTarget, dir / "out.txt");
        std::string error;
        ASSERT_TRUE(write(dir / "out.txt", "new", error)) << error;
        EXPECT_TRUE(fs::is_symlink(dir / "out.txt"));
        const fs::path real = c.targetExists ? dir / "real.txt" : dir / c.linkTarget;
        EXPECT_EQ(readText(real), "new");
        EXPECT_FALSE(fs::is_symlink(real));
    }
}

TEST(AtomicFile, RefusesWhatIsNotARegularFileAndLeavesNoTemporary) {
    struct Case {
        const char* name;
        void (*make)(const fs::path& dir);
        const char* reason;
    };
    const Case cases[] = {
        {"FIFO", [](const fs::path& d) { hmtest::makeFifo(d / "out"); }, "a FIFO"},
        {"link to a FIFO",
         [](const fs::path& d) {
             hmtest::makeFifo(d / "fifo");
             fs::create_symlink("fifo", d / "out");
         },
         "a FIFO"},
        {"folder", [](const fs::path& d) { fs::create_directory(d / "out"); }, "a folder"},
        {"link loop", [](const fs::path& d) { fs::create_symlink("out", d / "out"); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hmtest::TempDir dir;
        c.make(dir.path());
        const auto before = hmtest::namesIn(dir.path());
        const auto kindBefore = fs::symlink_status(dir / "out").type();
        std::string error;
        EXPECT_FALSE(write(dir / "out", "data", error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(fs::symlink_status(dir / "out").type(), kindBefore);
        EXPECT_EQ(hmtest::namesIn(dir.path()), before);
    }
}

TEST(AtomicFile, MissingFolderFailsWithoutLeavingAnything) {
    hmtest::TempDir dir;
    std::string error;
    EXPECT_FALSE(write(dir / "no-such-folder" / "out.txt", "data", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(hmtest::namesIn(dir.path()).empty());
}

TEST(AtomicFile, FailedWriteKeepsTheOldFileAndRemovesTheTemporary) {
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "kept", "old");
    // A file size limit makes the write itself fail (EFBIG) once the temporary file exists.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = write(dir / "kept", std::string(4096, 'x'), error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readText(dir / "kept"), "old");
    EXPECT_EQ(hmtest::namesIn(dir.path()), std::set<std::string>{"kept"});
}

TEST(AtomicFile, LongestLegalNameWorks) {
    hmtest::TempDir dir;
    const std::string name(254, 'n');
    std::string error;
    ASSERT_TRUE(write(dir / name, "data", error)) << error;
    ASSERT_TRUE(write(dir / name, "more", error)) << error;  // replacing it as well
    EXPECT_EQ(readText(dir / name), "more");
    EXPECT_EQ(hmtest::namesIn(dir.path()), std::set<std::string>{name});
}

TEST(AtomicFile, ReplacedFileKeepsModeAndNewFileFollowsUmask) {
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "kept", "old");
    ASSERT_EQ(::chmod((dir / "kept").c_str(), 0640), 0);
    std::string error;
    ASSERT_TRUE(write(dir / "kept", "new", error)) << error;
    struct stat st {};
    ASSERT_EQ(::stat((dir / "kept").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(write(dir / "fresh", "new", error)) << error;
    ::umask(mask);
    ASSERT_EQ(::stat((dir / "fresh").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST(AtomicFile, ReplacedFileKeepsItsOwnerWhenPermitted) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "setting another owner needs root";
    }
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "owned", "old");
    ASSERT_EQ(::chown((dir / "owned").c_str(), 4321, 8765), 0);
    std::string error;
    ASSERT_TRUE(write(dir / "owned", "new", error)) << error;
    struct stat st {};
    ASSERT_EQ(::stat((dir / "owned").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 8765u);
}

}  // namespace

namespace {

// A new file is written whole under its name, or not at all when anything has that name: a
// file, a symbolic link (also one to a missing file), a folder. No temporary file stays.
TEST(AtomicFile, NewFileNeverReplacesAnything) {
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "taken", "user's");
    fs::create_symlink(dir / "missing", dir / "dangling");
    fs::create_directory(dir / "folder");
    std::string error;
    const char bytes[] = "new data";
    for (const char* name : {"taken", "dangling", "folder"}) {
        EXPECT_EQ(hm::writeNewFile(dir / name, bytes, 8, error), hm::NewFile::Exists) << name;
    }
    EXPECT_EQ(hmtest::readFileBytes(dir / "taken").size(), 6u);
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(hm::writeNewFile(dir / "fresh", bytes, 8, error), hm::NewFile::Written) << error;
    EXPECT_EQ(hmtest::readFileBytes(dir / "fresh").size(), 8u);
    EXPECT_EQ(hm::writeNewFile(dir / "no" / "folder", bytes, 8, error), hm::NewFile::Failed);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 4);  // taken, dangling, folder, fresh and nothing else
}

// The next number is one above the highest in use with any of the extensions, from one
// listing; names that only look alike do not count.
TEST(AtomicFile, NextNameNumberGoesAboveEveryNumberInUse) {
    hmtest::TempDir dir;
    const std::string stem = "Trailer - 0101";
    EXPECT_EQ(hm::nextNameNumber(dir.path(), stem, {".asc"}), 0u);
    hmtest::writeFileText(dir / (stem + ".asc"), "");
    EXPECT_EQ(hm::nextNameNumber(dir.path(), stem, {".asc"}), 2u);
    for (const char* other : {" (7).txt", " (x).asc", " (12)x.asc", "2 (40).asc", " (3).asc"}) {
        hmtest::writeFileText(dir / (stem + other), "");
    }
    EXPECT_EQ(hm::nextNameNumber(dir.path(), stem, {".asc"}), 4u);
    EXPECT_EQ(hm::nextNameNumber(dir.path(), stem, {".asc", ".txt"}), 8u);
    EXPECT_EQ(hm::numberedName(stem, 8, ".asc"), stem + " (8).asc");
    EXPECT_EQ(hm::numberedName(stem, 1, ".asc"), stem + ".asc");
}

}  // namespace
