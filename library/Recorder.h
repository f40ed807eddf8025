#pragma once
// Stores data images in the library on a thread of its own, so that whoever hands them over
// (the window at the end of a download, after a load or a save) never waits for a disk or a
// server. The library is opened when the first item arrives, so an idle program never touches
// it; an open that failed, or a shared library whose server could not be reached, is tried
// again with the next item.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "library/Library.h"

namespace hm::library {

class Recorder {
  public:
    // Called on the recorder's thread after each item with what became of it. `result.message`
    // says why the item could not be stored (and where it waits, if it waits), or how many
    // items that waited in the local queue were sent along with it.
    using Done = std::function<void(const Item& item, const StoreResult& result)>;

    Recorder(Location location, Done done);
    // Stores what was handed over before (a download is never dropped at the end), then ends.
    // It waits a moment only: what a shared library has not taken by then (a silent server)
    // goes into its local queue, and a statement still waiting on the server is cut off.
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Hands `item` over and returns at once.
    void record(Item item);
    // Waits until every item handed over so far has been dealt with.
    void flush();

  private:
    void run();
    StoreResult storeOne(const Item& item);
    // With the mutex held: queues the item being stored and those waiting, and cuts the
    // connection the store waits on.
    void handOverToQueue();

    const Location location_;
    const Done done_;
    std::unique_ptr<Library> library_;  // used on the recorder's thread only
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Item> items_;
    Item current_;     // the item being stored while busy_
    int socket_ = -1;  // the connection of library_ to a server, -1 when none
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;  // started with the first item
};

}  // namespace hm::library
