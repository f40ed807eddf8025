// The library's one thread against a real SQLite file: recordings and a window's queries run
// on that one thread in the order given (a query sees what was recorded before it), and a
// window that ends takes its waiting jobs with it while every recording is still stored.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <future>
#include <thread>
#include <vector>

#include "fleetdata/DataFile.h"
#include "library/LibraryLocation.h"
#include "library/LibraryWorker.h"
#include "support/TestSupport.h"

namespace {

using namespace hm::library;

Item trailerItem(const char* ident, Source source) {
    hm::FleetDataImage image;
    image.clear();
    std::memcpy(image.signature, hm::kSignature, sizeof image.signature);
    image.blockSize = hm::kImageSize;
    image.setVehicleIdent(ident, static_cast<int>(std::strlen(ident)));
    image.brakeAppsByDistance[hm::kEntry29] = 500;
    return Item{hm::serialiseImage(image), source, source == Source::Download ? "" : "/d/a.asc"};
}

TEST(LibraryWorker, RecordingsAndQueriesShareOneThreadInOrderAndAnEndedClientRunsNoMore) {
    hmtest::TempDir dir;
    std::mutex mutex;
    std::vector<std::thread::id> threads;
    std::vector<StoreResult> results;
    LibraryWorker worker(sqliteLocation((dir / "lib.sqlite").string()),
                         [&](const Item&, const StoreResult& r) {
                             std::lock_guard lock(mutex);
                             threads.push_back(std::this_thread::get_id());
                             results.push_back(r);
                         });
    worker.record(trailerItem("TRAILER-A", Source::Download));

    std::promise<void> gate;
    std::shared_future<void> open = gate.get_future().share();
    std::atomic<int> fleetRows{-1};
    std::atomic<bool> droppedRan{false};
    {
        LibraryWorker::Client window(worker);
        window.run([&](Library* lib, const std::string& openError) {
            ASSERT_NE(lib, nullptr) << openError;
            std::vector<FleetRow> rows;
            std::string error;
            ASSERT_TRUE(lib->fleet(rows, error)) << error;
            fleetRows = static_cast<int>(rows.size());
            std::lock_guard lock(mutex);
            threads.push_back(std::this_thread::get_id());
        });
        window.run([open](Library*, const std::string&) { open.wait(); });  // holds the thread
        worker.record(trailerItem("TRAILER-B", Source::Load));
        {
            // Ends while the other window's job holds the thread: its job is dropped at once,
            // without waiting for the thread.
            LibraryWorker::Client closing(worker);
            closing.run([&](Library*, const std::string&) { droppedRan = true; });
        }
        gate.set_value();
        worker.flush();
    }
    EXPECT_EQ(fleetRows, 1);  // the download handed over before the query
    EXPECT_FALSE(droppedRan);
    ASSERT_EQ(results.size(), 2u);
    for (const StoreResult& r : results) {
        EXPECT_TRUE(r.ok) << r.message;
        EXPECT_EQ(r.added, 1);
    }
    ASSERT_EQ(threads.size(), 3u);
    EXPECT_NE(threads[0], std::this_thread::get_id());
    EXPECT_EQ(threads[0], threads[1]);
    EXPECT_EQ(threads[1], threads[2]);
}

}  // namespace
