#include "librarywindow/LibraryWorker.h"

#include <sys/socket.h>

#include <QDeadlineTimer>
#include <utility>

namespace hm {
namespace {

// How long closing waits for a job before the connection it waits on is cut.
constexpr int kCloseGraceMs = 1500;

}  // namespace

LibraryWorker::LibraryWorker(library::Location location)
    : location_(std::move(location)), context_(std::make_unique<QObject>()) {
    thread_.setObjectName(QStringLiteral("library"));
    context_->moveToThread(&thread_);
    thread_.start();
}

LibraryWorker::~LibraryWorker() {
    // The last job closes the library where it was opened and ends the thread's loop.
    QMetaObject::invokeMethod(
        context_.get(),
        [this] {
            {
                std::lock_guard lock(socketMutex_);
                socket_ = -1;
            }
            lib_.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (!thread_.wait(QDeadlineTimer(kCloseGraceMs))) {
        {
            std::lock_guard lock(socketMutex_);
            if (socket_ >= 0) {
                ::shutdown(socket_, SHUT_RDWR);  // the waiting query fails at once
            }
        }
        thread_.wait();
    }
}

void LibraryWorker::ensureOpen() {
    if (opened_) {
        return;
    }
    opened_ = true;
    lib_ = library::Library::open(location_, openError_);
    if (lib_ != nullptr) {
        std::lock_guard lock(socketMutex_);
        socket_ = lib_->connectionSocket();
    }
    if (lib_ == nullptr && openError_.empty()) {
        openError_ = "the library could not be opened";
    }
}

void LibraryWorker::run(Job job) {
    QMetaObject::invokeMethod(
        context_.get(),
        [this, job = std::move(job)] {
            ensureOpen();
            job(lib_.get(), openError_);
        },
        Qt::QueuedConnection);
}

}  // namespace hm
