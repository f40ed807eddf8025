#include "app/LibraryRecording.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "fleetdata/DataFile.h"
#include "library/LibraryWorker.h"

namespace hm {

namespace {

library::Source sourceOf(ImageRecorder::Moment moment) {
    switch (moment) {
        case ImageRecorder::Moment::Download:
            return library::Source::Download;
        case ImageRecorder::Moment::Load:
            return library::Source::Load;
        case ImageRecorder::Moment::Save:
            return library::Source::Save;
    }
    return library::Source::Import;
}

}  // namespace

LibraryRecording::LibraryRecording(std::string libraryOption)
    : libraryOption_(std::move(libraryOption)) {}

LibraryRecording::~LibraryRecording() = default;

library::LibraryWorker& LibraryRecording::worker() {
    if (!worker_) {
        worker_ = std::make_unique<library::LibraryWorker>(
            library::resolveLocation(libraryOption_),
            [this](const library::Item& item, const library::StoreResult& result) {
                const bool download = item.source == library::Source::Download;
                const bool stored = result.ok && result.queued == 0;
                QMetaObject::invokeMethod(
                    &relay_,
                    [this, download, ok = result.ok, stored, message = result.message] {
                        finished(download, ok, stored, message);
                    },
                    Qt::QueuedConnection);
            });
    }
    return *worker_;
}

void LibraryRecording::record(Moment moment, const FleetDataImage& image, const std::string& path) {
    worker().record(library::Item{serialiseImage(image), sourceOf(moment), path});
}

void LibraryRecording::finished(bool download, bool ok, bool stored, const std::string& message) {
    if (stored && stored_) {
        stored_();
    }
    if (message.empty()) {
        return;
    }
    // A download that did not reach the library is always told; the same problem with a loaded
    // or saved file (which is on disk anyway) only once in a row.
    if (!download && message == lastMessage_) {
        return;
    }
    lastMessage_ = message;
    QString text = QCoreApplication::translate("hm::LibraryRecording", "Trailer library: %1.")
                       .arg(QString::fromStdString(message));
    if (!ok && download) {
        text += QLatin1Char(' ') +
                QCoreApplication::translate("hm::LibraryRecording",
                                            "The download was not added to it: save it as a "
                                            "data file to keep it.");
    }
    if (tell_) {
        tell_(text.toStdString());
    }
}

}  // namespace hm
