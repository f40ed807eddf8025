#include "librarywindow/LibraryWorker.h"

#include <utility>

namespace hm {

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
            lib_.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    thread_.wait();
}

void LibraryWorker::ensureOpen() {
    if (opened_) {
        return;
    }
    opened_ = true;
    lib_ = library::Library::open(location_, openError_);
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
