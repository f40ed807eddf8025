#pragma once
// The library's one thread in the window program. It owns the Library and runs, one after the
// other in the order given, the recording of every image the window hands over (a download, a
// loaded or a saved file) and the library window's queries and exports, so that neither window
// ever waits for a disk or a server. The thread starts, and the library is opened there, with
// the first task, so an idle program never touches the library; the Library stays on that
// thread (its Qt SQL connection belongs to it). A library that could not be opened, or a shared
// library whose server could not be reached, is opened again for the next task: the server may
// be back, and opening it sends what waits in the local queue.
//
// The methods are called from any thread but the worker's own (a task never calls them).
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "library/Library.h"
#include "library/LibraryLocation.h"

namespace hm::library {

class LibraryWorker {
  public:
    // Called on the worker thread after each recording with what became of the item.
    // `result.message` says why it could not be stored (and where it waits, if it waits), or
    // how many items that waited in the local queue were sent along with it.
    using Recorded = std::function<void(const Item& item, const StoreResult& result)>;
    // A query or export, on the worker thread: the library, or nullptr when it cannot be
    // opened (`openError` says why).
    using Job = std::function<void(Library* lib, const std::string& openError)>;

    LibraryWorker(Location location, Recorded recorded);
    // Drops the jobs not yet started and stores every item handed over (a download is never
    // dropped), then ends the thread. A shared library gets a moment only: what it has not
    // taken by then (a silent server) goes into its local queue, and the statement still
    // waiting on the server is cut off. Every Client must have ended before.
    ~LibraryWorker();
    LibraryWorker(const LibraryWorker&) = delete;
    LibraryWorker& operator=(const LibraryWorker&) = delete;

    const Location& location() const { return location_; }

    // Hands `item` over for the library and returns at once.
    void record(Item item);
    // Waits until every task handed over so far has been dealt with.
    void flush();

    // The jobs of one client (a window): each runs after every task handed over before it.
    // When the client ends, its jobs not yet started are dropped and one that runs is waited
    // for, a moment at most: then the server is taken for silent, the connection it waits on
    // is cut and the recordings waiting go into the local queue. No job of an ended client
    // ever runs, so its jobs may refer to it.
    class Client {
      public:
        explicit Client(LibraryWorker& worker) : worker_(worker) {}
        ~Client() { worker_.cancel(this); }
        Client(const Client&) = delete;
        Client& operator=(const Client&) = delete;

        void run(Job job) { worker_.run(this, std::move(job)); }

      private:
        LibraryWorker& worker_;
    };

  private:
    struct Task {
        const Client* owner = nullptr;  // a job's client; none for a recording
        Job job;
        std::optional<Item> item;  // a recording
    };

    void run(const Client* owner, Job job);
    void cancel(const Client* owner);
    void add(Task task);
    void loop();
    void perform(const Task& task);
    StoreResult storeOne(const Item& item);
    // The library, opened again when there is none or its server could not be reached; what
    // the open sent from the local queue is added to `notice_`. Worker thread.
    Library* openLibrary();
    void dropLibrary();  // worker thread
    // A shared library that may be used: a server that may go silent.
    bool waitsOnServer() const { return location_.shared && location_.refused.empty(); }
    // With the mutex held: queues the item being stored and the recordings waiting, and cuts
    // the connection the thread waits on.
    void handOverToQueue();

    const Location location_;
    const Recorded recorded_;
    // Worker thread only.
    std::unique_ptr<Library> library_;
    std::string openError_;
    std::string notice_;  // what an open sent from the queue, told with the next recording

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Task> tasks_;
    std::optional<Item> current_;      // the item being stored
    const Client* running_ = nullptr;  // the client of the job that runs
    int socket_ = -1;                  // library_'s connection to a server, -1 when none
    bool cut_ = false;                 // socket_ was cut: the next task opens the library again
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;  // started with the first task
};

}  // namespace hm::library
