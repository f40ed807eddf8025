// Start-up pieces of the window program: where the single-instance lock lives and whom it keeps
// out, a data file dropped on the main dialog, and the hand-over socket of a second start.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDropEvent>
#include <QLocalSocket>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <cstring>
#include <thread>

#include "app/FileDropFilter.h"
#include "app/InstanceHandOver.h"
#include "app/SingleInstanceLock.h"
#include "fleetdata/DataFile.h"
#include "mainwindow/CHaulDlg.h"
#include "tests/support/TestSupport.h"
#include "tests/support/window/ScriptedFileUi.h"

namespace {

using hm::SingleInstanceLock;
using hmtest::ScopedEnv;
using Result = SingleInstanceLock::Result;

std::string privateFolder(const hmtest::TempDir& tmp) {
    return (tmp / ("haulmetry-" + std::to_string(::geteuid()))).string();
}

TEST(SingleInstanceLock, RuntimeFolderElsePrivateFolderOfTheUser) {
    hmtest::TempDir tmp;
    ScopedEnv tmpdir("TMPDIR", tmp.path().string());
    for (const char* folder : {"run", "target", "linked-run", "open-run", "foreign-run"}) {
        ASSERT_EQ(::mkdir((tmp / folder).c_str(), 0700), 0);
    }
    // Writable but not private: open to others, or (as root can make it) another user's.
    ASSERT_EQ(::chmod((tmp / "open-run").c_str(), 0777), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown((tmp / "foreign-run").c_str(), 54321, 54321), 0);
    }
    std::filesystem::create_symlink(tmp / "target" / "lock",
                                    tmp / "linked-run" / SingleInstanceLock::kFileName);
    const struct {
        std::optional<std::string> runtime;
        std::string expectedFolder;
    } cases[] = {
        {(tmp / "run").string(), (tmp / "run").string()},
        {std::nullopt, privateFolder(tmp)},
        {"", privateFolder(tmp)},
        {"relative/run", privateFolder(tmp)},
        {(tmp / "missing").string(), privateFolder(tmp)},
        // A symbolic link at the lock path is never followed: the private folder takes over.
        {(tmp / "linked-run").string(), privateFolder(tmp)},
        {(tmp / "open-run").string(), privateFolder(tmp)},
        {(tmp / "foreign-run").string(),
         root ? privateFolder(tmp) : (tmp / "foreign-run").string()},
    };
    for (const auto& c : cases) {
        ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime);
        SingleInstanceLock lock;
        ASSERT_EQ(lock.acquire(), Result::Acquired) << lock.error();
        EXPECT_EQ(lock.directory(), c.expectedFolder) << c.runtime.value_or("(unset)");
        struct stat st {};
        ASSERT_EQ(::lstat(lock.path().c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        // A second lock of the same user in the same place is refused while the first is held.
        SingleInstanceLock second;
        EXPECT_EQ(second.acquire(), Result::AlreadyRunning);
    }
    EXPECT_FALSE(std::filesystem::exists(tmp / "target" / "lock"));
    struct stat st {};
    ASSERT_EQ(::stat(privateFolder(tmp).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(SingleInstanceLock, PrivateFolderMustBeOwnFolderAndIsMadePrivate) {
    hmtest::TempDir tmp;
    ScopedEnv tmpdir("TMPDIR", tmp.path().string());
    ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
    const std::string folder = privateFolder(tmp);
    std::string directory;
    std::string error;

    // Ours but open to others: narrowed to 0700.
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    ASSERT_TRUE(SingleInstanceLock::privateDirectory(directory, error)) << error;
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // A symbolic link in its place (to a folder of ours) is refused, and so is the lock.
    std::filesystem::remove(folder);
    std::filesystem::create_directory(tmp / "elsewhere");
    std::filesystem::create_directory_symlink(tmp / "elsewhere", folder);
    EXPECT_FALSE(SingleInstanceLock::privateDirectory(directory, error));
    EXPECT_NE(error.find("not a folder"), std::string::npos) << error;
    SingleInstanceLock lock;
    EXPECT_EQ(lock.acquire(), Result::Failed);
    EXPECT_FALSE(lock.error().empty());
    EXPECT_TRUE(std::filesystem::is_empty(tmp / "elsewhere"));

    // A folder another user made first: refused (needs root to hand the folder away).
    if (::geteuid() != 0) {
        GTEST_SKIP() << "a folder owned by another user needs root to make";
    }
    std::filesystem::remove(folder);
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chown(folder.c_str(), 54321, 54321), 0);
    EXPECT_FALSE(SingleInstanceLock::privateDirectory(directory, error));
    EXPECT_NE(error.find("another user"), std::string::npos) << error;
}

// Each user's private folder has its own lock, so one user's copy does not keep another's out.
// (The whole programs under two real user ids: tests/e2e/startup_files.sh.)
TEST(SingleInstanceLock, UsersWithTheirOwnFoldersDoNotCollide) {
    hmtest::TempDir tmp;
    ScopedEnv runtime("XDG_RUNTIME_DIR", (tmp / "user-a").string());
    ASSERT_EQ(::mkdir((tmp / "user-a").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((tmp / "user-b").c_str(), 0700), 0);
    SingleInstanceLock a;
    ASSERT_EQ(a.acquire(), Result::Acquired);
    ScopedEnv other("XDG_RUNTIME_DIR", (tmp / "user-b").string());
    SingleInstanceLock b;
    EXPECT_EQ(b.acquire(), Result::Acquired);
    EXPECT_NE(a.path(), b.path());
}

hm::FleetDataImage imageWithFleetData() {
    hm::FleetDataImage image;
    image.clear();
    std::memcpy(image.signature, hm::kSignature, sizeof(hm::kSignature));
    image.blockSize = hm::kImageSize;
    image.brakeTimeByPressure[0] = 250;
    image.brakeCountByPressure[0] = 2;
    return image;
}

// Dropping a file on the dialog goes through Qt's drag-and-drop events (a drag between two
// programs cannot be made with synthetic X input).
TEST(FileDrop, OneDroppedDataFileIsLoadedOtherDragsAreRefused) {
    hmtest::TempDir dir;
    std::string error;
    ASSERT_TRUE(hm::writeDataFile(dir / "dropped.asc", imageWithFleetData(), error)) << error;
    hmtest::writeFileText(dir / "junk.asc", "not a data file");

    hm::CHaulDlg::Options options;
    options.session.settingsPath = (dir / "haulmetry.ini").string();
    hm::CHaulDlg dialog(options);
    hmtest::scriptAnswers(dialog);
    std::vector<std::string> opened;
    hm::FileDropFilter filter([&](const std::string& path) {
        opened.push_back(path);
        return dialog.loadFile(path);
    });
    dialog.setAcceptDrops(true);
    dialog.installEventFilter(&filter);
    dialog.show();

    auto drop = [&](const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        const QPointF at(dialog.width() / 2.0, dialog.height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &enter);
        const bool entered = enter.isAccepted();
        QDropEvent dropEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &dropEvent);
        return entered && dropEvent.isAccepted();
    };
    const QUrl good = QUrl::fromLocalFile(QString::fromStdString((dir / "dropped.asc").string()));
    EXPECT_FALSE(drop({good, good}));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/x.asc"))}));
    EXPECT_TRUE(opened.empty());

    EXPECT_TRUE(drop({good}));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Haulmetry [ File: dropped.asc ]"));
    EXPECT_TRUE(drop({QUrl::fromLocalFile(QString::fromStdString((dir / "junk.asc").string()))}));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Haulmetry [ ***  File Error  *** ]"));

    // While loading is off (here the load's own file dialog is open) a drop is refused.
    dialog.fileUi().answerWith(nullptr);
    bool droppedWhileBusy = true;
    QTimer::singleShot(200, [&] {
        EXPECT_FALSE(dialog.control(hm::CHaulDlg::ControlId::Load)->isEnabled());
        droppedWhileBusy = drop({good});
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->reject();
        }
    });
    dialog.onLoad();
    EXPECT_FALSE(droppedWhileBusy);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Haulmetry [ ***  File Error  *** ]"));
}

// The hand-over socket: a second start (here a thread using the blocking client) gets its file
// taken, or "busy"; a peer that connects and says nothing does not hold up the next one.
TEST(InstanceHandOver, FilesAreTakenOrRefusedAndASilentPeerBlocksNothing) {
    hmtest::TempDir dir;
    const std::string socketPath = hm::handOverSocketPath(dir.path().string());
    std::vector<std::string> taken;
    bool accept = true;
    hm::InstanceServer server([&](const std::string& path) {
        taken.push_back(path);
        return accept;
    });
    QString error;
    ASSERT_TRUE(server.listen(socketPath, error)) << error.toStdString();

    auto handOver = [&](const std::string& file) {
        std::atomic<int> result{-1};
        std::thread client([&] {
            QString clientError;
            result = static_cast<int>(hm::handOverFile(socketPath, file, 5000, clientError));
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result >= 0; }, 10000));
        client.join();
        return static_cast<hm::HandOverResult>(result.load());
    };

    QLocalSocket silent;
    silent.connectToServer(QString::fromStdString(socketPath));
    ASSERT_TRUE(silent.waitForConnected(2000));
    EXPECT_EQ(handOver("/data/one.asc"), hm::HandOverResult::Taken);
    EXPECT_EQ(handOver("two.asc"), hm::HandOverResult::Taken);
    accept = false;
    EXPECT_EQ(handOver("/data/three.asc"), hm::HandOverResult::Busy);
    accept = true;
    EXPECT_EQ(handOver("/data/line\nbreak.asc"), hm::HandOverResult::Taken);
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(taken, (std::vector<std::string>{"/data/one.asc", std::string(cwd) + "/two.asc",
                                               "/data/three.asc", "/data/line\nbreak.asc"}));
    // The silent peer was never answered: the others were served while it still had its turn
    // (a server that waited on it would have given up on it with an error first).
    QTest::qWait(10);
    EXPECT_TRUE(silent.readAll().isEmpty());

    // Anything but "open /absolute path" is answered with an error and loads nothing.
    QLocalSocket odd;
    odd.connectToServer(QString::fromStdString(socketPath));
    ASSERT_TRUE(odd.waitForConnected(2000));
    odd.write(QByteArray("open relative.asc", 18));  // with its terminating zero byte
    EXPECT_TRUE(QTest::qWaitFor([&] { return odd.bytesAvailable() > 0; }, 5000));
    EXPECT_EQ(odd.readAll(), QByteArray("error\n"));
    EXPECT_EQ(taken.size(), 4u);

    // Nobody listening: no answer, after the bounded wait.
    QString noError;
    EXPECT_EQ(hm::handOverFile((dir / "nobody.sock").string(), "/x.asc", 300, noError),
              hm::HandOverResult::NoAnswer);
    EXPECT_FALSE(noError.isEmpty());
}

}  // namespace
