// The library store in process against a real SQLite file: what the session records, the fleet
// row built from two downloads, a trailer's history; a shared library whose server cannot be
// reached keeps the data in its local queue, whole; which library the settings choose.
#include <gtest/gtest.h>

#include <cstring>

#include "fleetdata/DataFile.h"
#include "library/Library.h"
#include "library/LibraryLocation.h"
#include "library/Recorder.h"
#include "library/StoreRow.h"
#include "support/TestSupport.h"

namespace {

using namespace hm::library;

hm::FleetDataImage trailerImage(uint32_t km, int records) {
    hm::FleetDataImage image;
    image.clear();
    std::memcpy(image.signature, hm::kSignature, sizeof image.signature);
    image.blockSize = hm::kImageSize;
    image.setVehicleIdent("TRAILER'1", 9);
    image.brakeAppsByDistance[hm::kEntry29] = km;
    image.brakeCountByPressure[3] = km / 10;
    image.stabilityRecordCount = static_cast<uint32_t>(records);
    for (int i = 0; i < records; ++i) {
        image.stabilityRecords[i].odometer = 1000u * static_cast<uint32_t>(i + 1);
    }
    return image;
}

TEST(LibraryStore, SessionRecordsMakeOneRowPerDataAndTheFleetShowsTheChange) {
    hmtest::TempDir dir;
    std::string error;
    auto lib = Library::open(Location{false, (dir / "lib.sqlite").string(), {}, {}}, error);
    ASSERT_TRUE(lib) << error;
    hm::FleetDataImage first = trailerImage(200, 1);
    hm::stampSavedImage(first, hm::LocalTime{2026, 3, 0, 1, 10, 0, 0, 0});
    EXPECT_EQ(lib->recordLoad(first, "/data/a.asc").added, 1);
    const StoreResult again = lib->recordSave(first, "/data/b.asc");
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.duplicates, 1);
    const hm::FleetDataImage second = trailerImage(450, 2);  // never saved: visit = when added
    EXPECT_EQ(lib->recordDownload(second).added, 1);

    std::vector<FleetRow> fleet;
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    ASSERT_EQ(fleet.size(), 1u);
    EXPECT_EQ(fleet[0].downloads, 2);
    EXPECT_EQ(fleet[0].latest.source, "download");
    EXPECT_EQ(fleet[0].distanceSinceKm, 250);
    EXPECT_EQ(fleet[0].brakeApplicationsSince, 25);
    EXPECT_EQ(fleet[0].newRecords, 1);

    std::vector<Entry> history;
    ASSERT_TRUE(lib->history("TRAILER'1", history, error)) << error;
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].source, "load");
    EXPECT_EQ(history[0].path, "/data/a.asc");
    EXPECT_EQ(history[0].savedAt, "2026-03-01T10:00:00");
    hm::ImageBytes bytes{};
    ASSERT_TRUE(lib->data(history[1].id, bytes, error)) << error;
    EXPECT_EQ(bytes, hm::serialiseImage(second));
}

// A download saved as a file, and that file loaded again later, are the download itself: the
// save writes only a signature, a time and the block size. Other data is a visit of its own.
// The recorder stores on its own thread, everything handed over before it ends; a library it
// cannot open is reported with each item and tried again with the next.
TEST(LibraryStore, SavedAndReloadedDownloadIsOneVisitAndTheRecorderKeepsEverything) {
    hmtest::TempDir dir;
    const Location location{false, (dir / "lib.sqlite").string(), {}, {}};
    hm::FleetDataImage download = trailerImage(700, 2);
    std::memset(download.signature, 0, sizeof download.signature);
    download.blockSize = 0;
    hm::FleetDataImage saved = download;
    hm::stampSavedImage(saved, hm::LocalTime{2026, 12, 2, 8, 21, 15, 40, 0});
    hm::FleetDataImage later = saved;
    hm::stampSavedImage(later, hm::LocalTime{2026, 12, 3, 9, 8, 0, 0, 0});
    const hm::FleetDataImage other = trailerImage(900, 2);
    struct Step {
        Item item;
        int added;
    };
    const Step steps[] = {
        {{hm::serialiseImage(download), Source::Download, {}}, 1},
        {{hm::serialiseImage(saved), Source::Save, "/data/a.asc"}, 0},
        {{hm::serialiseImage(later), Source::Load, "/mail/a.asc"}, 0},
        {{hm::serialiseImage(other), Source::Load, "/mail/b.asc"}, 1},
    };
    std::vector<StoreResult> results;
    {
        Recorder recorder(location,
                          [&](const Item&, const StoreResult& r) { results.push_back(r); });
        for (const Step& step : steps) {
            recorder.record(step.item);
        }
    }
    ASSERT_EQ(results.size(), std::size(steps));
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_TRUE(results[i].ok) << i << results[i].message;
        EXPECT_EQ(results[i].added, steps[i].added) << i;
    }
    std::string error;
    auto lib = Library::open(location, error);
    ASSERT_TRUE(lib) << error;
    std::vector<Entry> history;
    ASSERT_TRUE(lib->history("TRAILER'1", history, error)) << error;
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].source, "download");

    hmtest::writeFileText(dir / "not-a-library", "plain text");
    results.clear();
    Recorder broken(Location{false, (dir / "not-a-library").string(), {}, {}},
                    [&](const Item&, const StoreResult& r) { results.push_back(r); });
    broken.record(steps[0].item);
    broken.record(steps[3].item);
    broken.flush();
    ASSERT_EQ(results.size(), 2u);
    for (const StoreResult& r : results) {
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find("not-a-library"), std::string::npos) << r.message;
    }
}

TEST(LibraryStore, UnreachableServerQueuesTheDataWhole) {
    hmtest::TempDir dir;
    Location shared{true, {}, "postgresql://fleet@127.0.0.1:1/fleet", dir / "queue"};
    std::string error;
    auto lib = Library::open(shared, error);
    ASSERT_TRUE(lib);
    EXPECT_TRUE(lib->offline());
    EXPECT_NE(error.find("cannot reach the library postgresql://fleet@127.0.0.1:1/fleet"),
              std::string::npos)
        << error;
    const Item item{hm::serialiseImage(trailerImage(300, 1)), Source::Import, "x\xff.asc"};
    const StoreResult result = lib->store({item, item});
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.queued, 1);
    EXPECT_EQ(lib->queuedCount(), 1);

    StoreRow row;
    ASSERT_TRUE(readQueuedRow(queuedFiles(shared.queueDir).at(0), row));
    const StoreRow expected = makeRow(item, currentProvenance());
    EXPECT_EQ(row.hash, expected.hash);
    EXPECT_EQ(row.ident, "TRAILER'1");
    EXPECT_EQ(row.path, item.path);
    EXPECT_EQ(row.data, expected.data);
    EXPECT_EQ(row.source, "import");
}

TEST(LibraryStore, LocationComesFromCommandLineEnvironmentSettingsThenDefault) {
    hmtest::TempDir dir;
    hmtest::ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
    hmtest::ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
    hmtest::ScopedEnv env("HAULMETRY_LIBRARY", std::nullopt);
    EXPECT_EQ(resolveLocation("").sqlitePath, (dir / "data/haulmetry/library.sqlite").string());
    std::filesystem::create_directories(dir / "config/haulmetry");
    hmtest::writeFileText(dir / "config/haulmetry/library.conf",
                          "workshop=North\r\nlibrary=sqlite:/srv/fleet.sqlite\r\n");
    EXPECT_EQ(resolveLocation("").sqlitePath, "/srv/fleet.sqlite");
    EXPECT_EQ(librarySetting("workshop"), "North");
    {
        hmtest::ScopedEnv set("HAULMETRY_LIBRARY", "postgres://a:secret@db/fleet");
        const Location fromEnv = resolveLocation("");
        EXPECT_TRUE(fromEnv.shared);
        EXPECT_EQ(redactedUrl(fromEnv.url), "postgres://a:***@db/fleet");
        // The queue belongs to the server and database, not to the password.
        EXPECT_EQ(fromEnv.queueDir, resolveLocation("postgres://a:other@db/fleet").queueDir);
        EXPECT_NE(fromEnv.queueDir, resolveLocation("postgres://a:secret@db/other").queueDir);
        EXPECT_EQ(resolveLocation("/tmp/x.sqlite").sqlitePath, "/tmp/x.sqlite");
    }
}

}  // namespace
