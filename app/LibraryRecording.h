#pragma once
// The window program's trailer library: every download, loaded file and saved file goes into it
// on the library's one thread (library::LibraryWorker), which also runs the library window's
// queries. Nothing is made or opened before the first item or the library window (the start and
// an idle window pay nothing). What could not be stored is told to the user on the window
// thread, through `tell`. Window thread.
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "session/ImageRecorder.h"

namespace hm {
namespace library {
class LibraryWorker;
}  // namespace library

class LibraryRecording : public ImageRecorder {
  public:
    // `libraryOption`: the --library value ("" when not given).
    explicit LibraryRecording(std::string libraryOption);
    // Waits until what was handed over is stored (or waits in the local queue).
    ~LibraryRecording() override;

    // Runs on the window thread with a message for the user (set once the window exists).
    void setTell(std::function<void(const std::string&)> tell) { tell_ = std::move(tell); }
    // Runs on the window thread after each item that reached the library.
    void setStored(std::function<void()> stored) { stored_ = std::move(stored); }

    void record(Moment moment, const FleetDataImage& image, const std::string& path) override;

    // The library's thread, made on first use; it outlives the main dialog and the library
    // window, whose jobs run there too.
    library::LibraryWorker& worker();

  private:
    // On the window thread: what became of one image (`download`: it was a download).
    void finished(bool download, bool ok, bool stored, const std::string& message);

    const std::string libraryOption_;
    std::function<void(const std::string&)> tell_;
    std::function<void()> stored_;
    std::string lastMessage_;  // the last problem told (window thread)
    // Calls from the library's thread are queued to this object, on the window thread. It is
    // destroyed after the worker, whose thread has ended by then.
    QObject relay_;
    std::unique_ptr<library::LibraryWorker> worker_;
};

}  // namespace hm
