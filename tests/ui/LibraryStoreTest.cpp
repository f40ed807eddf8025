// The library store in process against a real SQLite file: what the session records, the fleet
// row built from two downloads, a trailer's history; a shared library whose server cannot be
// reached keeps the data in its local queue, whole; which library the settings choose; a
// trailer's details with their history and the lookups by plate and fleet number.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cstring>

#include "fleetdata/DataFile.h"
#include "library/Library.h"
#include "library/LibraryLocation.h"
#include "library/LibrarySchema.h"
#include "library/LibraryWorker.h"
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

// The hash a download is stored by is SHA-256 (libcrypto loaded at the first hash, or Qt's):
// the values sha256sum gives for the same bytes, so every library keeps its rows' identity.
TEST(LibraryStore, ImagesAreStoredByTheirSha256) {
    hm::ImageBytes zeros{};
    EXPECT_EQ(sha256Hex(zeros), "36f535d9d2269e037aa1b7272d76ce5c2df06bb3b90cc0cc9b198375a495697c");
    hm::ImageBytes pattern{};
    for (size_t i = 0; i < pattern.size(); ++i) {
        pattern[i] = static_cast<uint8_t>((i * 7 + 3) % 256);
    }
    EXPECT_EQ(sha256Hex(pattern),
              "6b3b7f8fe962c9f2c29bcafb410525d40a3cddbcd90b2573912b539c2fec6732");
}

TEST(LibraryStore, SessionRecordsMakeOneRowPerDataAndTheFleetShowsTheChange) {
    hmtest::TempDir dir;
    std::string error;
    auto lib = Library::open(sqliteLocation((dir / "lib.sqlite").string()), error);
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

TrailerDetails fields(const std::string& fleetNumber, const std::string& plate,
                      const std::string& customer, const std::string& notes) {
    TrailerDetails d;
    d.fleetNumber = fleetNumber;
    d.plate = plate;
    d.customer = customer;
    d.notes = notes;
    return d;
}

// Visit `n` of trailer `ident`: saved on day n of March, 100 km and 10 applications more each.
Item visit(const std::string& ident, int n, Source source = Source::Import) {
    hm::FleetDataImage image = trailerImage(1000 + 100u * static_cast<uint32_t>(n), n % 3);
    image.setVehicleIdent(ident.data(), ident.size());
    hm::stampSavedImage(image, hm::LocalTime{2026, 3, 0, static_cast<uint16_t>(n), 10, 0, 0, 0});
    return Item{hm::serialiseImage(image), source, {}};
}

// The fleet row of every trailer is its history's last download and the change since the one
// before, however the downloads came in: one large batch in scrambled order, repeats, an older
// visit added later on its own.
TEST(LibraryStore, FleetFollowsEachHistoryWhateverTheOrderOfImports) {
    hmtest::TempDir dir;
    std::string error;
    auto lib = Library::open(sqliteLocation((dir / "lib.sqlite").string()), error);
    ASSERT_TRUE(lib) << error;
    std::vector<Item> batch;
    for (int n : {5, 2, 9, 7, 3, 8, 4, 6}) {
        for (int t = 0; t < 6; ++t) {
            batch.push_back(visit("T" + std::to_string(t), n + t % 2));
        }
    }
    const StoreResult stored = lib->store(batch);
    EXPECT_EQ(stored.added, 6 * 9 - 3 * 2);  // odd trailers have visits 3..10, even 2..9
    EXPECT_EQ(lib->store({visit("T0", 1, Source::Load)}).added, 1);
    EXPECT_EQ(lib->store({visit("T1", 10, Source::Save)}).duplicates, 1);

    std::vector<FleetRow> fleet;
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    ASSERT_EQ(fleet.size(), 6u);
    for (const FleetRow& row : fleet) {
        std::vector<Entry> history;
        ASSERT_TRUE(lib->history(row.latest.ident, history, error)) << error;
        ASSERT_GE(history.size(), 2u);
        const Entry& before = history[history.size() - 2];
        EXPECT_EQ(row.downloads, static_cast<int>(history.size())) << row.latest.ident;
        EXPECT_EQ(row.latest.id, history.back().id) << row.latest.ident;
        EXPECT_EQ(row.distanceSinceKm, 100) << row.latest.ident;
        EXPECT_EQ(row.brakeApplicationsSince,
                  int64_t{history.back().brakeApplications} - before.brakeApplications);
    }
    EXPECT_EQ(fleet[0].downloads, 9);  // T0: visits 1..9
    EXPECT_EQ(fleet[0].latest.savedAt, "2026-03-09T10:00:00");
}

// A library of the first schema (no trailers table), as that version wrote it.
void writeFirstSchemaLibrary(const std::filesystem::path& file, const std::vector<Item>& items) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
    db.setDatabaseName(QString::fromStdString(file.string()));
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    for (const char* sql :
         {"CREATE TABLE haulmetry_schema (version INTEGER NOT NULL)",
          "INSERT INTO haulmetry_schema VALUES (1)",
          "CREATE TABLE downloads (id INTEGER PRIMARY KEY, hash CHAR(64) NOT NULL UNIQUE, ident "
          "BLOB NOT NULL, saved_at TEXT NOT NULL, visit_at TEXT NOT NULL, added_at BIGINT NOT "
          "NULL, host TEXT NOT NULL, workshop TEXT NOT NULL, source TEXT NOT NULL, path BLOB NOT "
          "NULL, distance_km BIGINT NOT NULL, brake_apps BIGINT NOT NULL, records INTEGER NOT "
          "NULL, record_keys TEXT NOT NULL)",
          "CREATE TABLE images (hash CHAR(64) PRIMARY KEY, data BLOB NOT NULL)",
          "CREATE INDEX downloads_by_trailer ON downloads (ident, visit_at, added_at, id)"}) {
        ASSERT_TRUE(q.exec(QString::fromLatin1(sql))) << q.lastError().text().toStdString();
    }
    for (const Item& item : items) {
        const StoreRow r = makeRow(item, Provenance{"host", "North", 1770000000});
        q.prepare(QStringLiteral("INSERT INTO downloads VALUES (NULL,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        for (const QVariant& v :
             {QVariant(QString::fromStdString(r.hash)),
              QVariant(QByteArray::fromStdString(r.ident)),
              QVariant(QString::fromStdString(r.savedAt)),
              QVariant(QString::fromStdString(r.visitAt)), QVariant(qlonglong{r.addedAt}),
              QVariant(QStringLiteral("host")), QVariant(QStringLiteral("North")),
              QVariant(QString::fromStdString(r.source)), QVariant(QByteArray("")),
              QVariant(qlonglong{r.figures.distanceKm}),
              QVariant(qlonglong{r.figures.brakeApplications}), QVariant(r.figures.records),
              QVariant(QString::fromStdString(r.figures.recordKeys))}) {
            q.addBindValue(v);
        }
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
        q.prepare(QStringLiteral("INSERT INTO images VALUES (?, ?)"));
        q.addBindValue(QString::fromStdString(r.hash));
        q.addBindValue(QByteArray::fromStdString(r.data));
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
    }
}

TEST(LibraryStore, FirstSchemaLibraryIsBroughtForwardWithItsRows) {
    hmtest::TempDir dir;
    const std::filesystem::path file = dir / "old.sqlite";
    const std::vector<Item> items = {visit("A", 3), visit("B", 1), visit("A", 1), visit("A", 2)};
    {
        writeFirstSchemaLibrary(file, items);
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));
    }
    std::string error;
    auto lib = Library::open(sqliteLocation(file.string()), error);
    ASSERT_TRUE(lib) << error;
    std::vector<FleetRow> fleet;
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    ASSERT_EQ(fleet.size(), 2u);
    EXPECT_EQ(fleet[0].downloads, 3);
    EXPECT_EQ(fleet[0].latest.id, 1);  // visit 3, stored first
    EXPECT_EQ(fleet[0].distanceSinceKm, 100);
    EXPECT_FALSE(fleet[1].hasPrevious);
    std::vector<Entry> history;
    ASSERT_TRUE(lib->history("A", history, error)) << error;
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[0].id, 3);
    EXPECT_EQ(history[0].workshop, "North");
    hm::ImageBytes bytes{};
    ASSERT_TRUE(lib->data(history[0].id, bytes, error)) << error;
    EXPECT_EQ(bytes, items[2].bytes);
    // Brought forward: later downloads keep the fleet up to date.
    EXPECT_EQ(lib->store({visit("B", 2)}).added, 1);
    fleet.clear();
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    EXPECT_EQ(fleet[1].downloads, 2);
    lib.reset();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v2"));
    db.setDatabaseName(QString::fromStdString(file.string()));
    ASSERT_TRUE(db.open());
    QSqlQuery version(QStringLiteral("SELECT version FROM haulmetry_schema"), db);
    ASSERT_TRUE(version.next());
    EXPECT_EQ(version.value(0).toInt(), kSchemaVersion);
}

// A download saved as a file, and that file loaded again later, are the download itself: the
// save writes only a signature, a time and the block size. Other data is a visit of its own.
// The recorder stores on its own thread, everything handed over before it ends; a library it
// cannot open is reported with each item and tried again with the next.
TEST(LibraryStore, SavedAndReloadedDownloadIsOneVisitAndTheRecorderKeepsEverything) {
    hmtest::TempDir dir;
    const Location location = sqliteLocation((dir / "lib.sqlite").string());
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
        LibraryWorker recorder(location,
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
    LibraryWorker broken(sqliteLocation((dir / "not-a-library").string()),
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

// Imports follow the session's one-visit rule: a saved copy of a stored download, or two saves
// of one download, are that visit once, whether they come in one batch or in several, in a
// small batch (looked up one by one) or a large one (the library's trailers read first).
TEST(LibraryStore, ImportedSavesOfOneDownloadAreOneVisit) {
    hmtest::TempDir dir;
    std::string error;
    auto lib = Library::open(sqliteLocation((dir / "lib.sqlite").string()), error);
    ASSERT_TRUE(lib) << error;
    const auto saveOf = [](hm::FleetDataImage image, uint16_t minute) {
        hm::stampSavedImage(image, hm::LocalTime{2026, 12, 3, 9, 8, minute, 0, 0});
        return Item{hm::serialiseImage(image), Source::Import, "/mail/copy.asc"};
    };
    hm::FleetDataImage download = trailerImage(700, 2);
    std::memset(download.signature, 0, sizeof download.signature);
    download.blockSize = 0;
    hm::FleetDataImage unstored = trailerImage(800, 1);
    unstored.setVehicleIdent("OTHER", 5);
    std::vector<Item> large;
    for (int n = 1; n <= 100; ++n) {
        large.push_back(visit("MANY", n));
    }
    large.push_back(saveOf(download, 3));
    struct Step {
        const char* what;
        std::vector<Item> items;
        int added, sameVisits, duplicates;
    };
    const Step steps[] = {
        {"the download", {{hm::serialiseImage(download), Source::Download, {}}}, 1, 0, 0},
        {"two saves of it and another visit",
         {saveOf(download, 1), saveOf(download, 2), visit("NEXT", 1)},
         1,
         2,
         0},
        {"a save imported again", {saveOf(download, 1)}, 0, 1, 0},
        {"a large batch with a save among it", large, 100, 1, 0},
        {"two saves of a download not stored",
         {saveOf(unstored, 1), saveOf(unstored, 2), saveOf(unstored, 1)},
         1,
         1,
         1},
    };
    for (const Step& step : steps) {
        const StoreResult r = lib->store(step.items);
        EXPECT_TRUE(r.ok) << step.what << r.message;
        EXPECT_EQ(r.added, step.added) << step.what;
        EXPECT_EQ(r.sameVisits, step.sameVisits) << step.what;
        EXPECT_EQ(r.duplicates, step.duplicates) << step.what;
    }
    for (const char* ident : {"TRAILER'1", "OTHER"}) {
        std::vector<Entry> history;
        ASSERT_TRUE(lib->history(ident, history, error)) << error;
        EXPECT_EQ(history.size(), 1u) << ident;
    }
}

// Two connections of one process on one SQLite file (the window's recorder and its library
// window), and another program that opens and closes the file meanwhile (a command): the other
// program must see that the file is in use, so that its close neither checkpoints nor deletes
// the -wal and -shm files under the first two, and what the first stores afterwards is kept.
TEST(LibraryStore, SecondConnectionInOneProcessKeepsTheFileInUseForOtherPrograms) {
    hmtest::TempDir dir;
    const Location location = sqliteLocation((dir / "lib.sqlite").string());
    std::string error;
    auto recorder = Library::open(location, error);
    ASSERT_TRUE(recorder) << error;
    ASSERT_EQ(recorder->store({visit("ONE", 1)}).added, 1);
    auto window = Library::open(location, error);
    ASSERT_TRUE(window) << error;
    std::vector<FleetRow> fleet;
    ASSERT_TRUE(window->fleet(fleet, error)) << error;

    QProcess other;
    other.start(QStringLiteral("sqlite3"), {QString::fromStdString(location.sqlitePath),
                                            QStringLiteral("SELECT count(*) FROM downloads")});
    ASSERT_TRUE(other.waitForFinished(10000)) << "sqlite3 did not run";
    EXPECT_EQ(other.readAllStandardOutput().trimmed(), "1");
    EXPECT_TRUE(std::filesystem::exists(location.sqlitePath + "-wal"));
    EXPECT_TRUE(std::filesystem::exists(location.sqlitePath + "-shm"));

    ASSERT_EQ(recorder->store({visit("TWO", 2)}).added, 1);
    recorder.reset();
    window.reset();
    auto later = Library::open(location, error);
    ASSERT_TRUE(later) << error;
    fleet.clear();
    ASSERT_TRUE(later->fleet(fleet, error)) << error;
    EXPECT_EQ(fleet.size(), 2u);
}

// A trailer's details: only a trailer with a download takes them; each change is a row of its
// history with who and when; the fleet rows carry the current ones; setting the same details
// again adds nothing; plate and fleet number find the trailer however they are spelt.
TEST(LibraryStore, TrailerDetailsKeepEveryChangeAndFindTheTrailer) {
    hmtest::TempDir dir;
    hmtest::ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
    std::filesystem::create_directories(dir / "config/haulmetry");
    hmtest::writeFileText(dir / "config/haulmetry/library.conf", "workshop=North\n");
    std::string error;
    auto lib = Library::open(sqliteLocation((dir / "lib.sqlite").string()), error);
    ASSERT_TRUE(lib) << error;
    const std::string odd("T\xff\x01", 3);  // an identification of any bytes
    ASSERT_EQ(lib->store({visit("T1", 1), visit(odd, 2), visit("T3", 3)}).added, 3);

    TrailerDetails details;
    ASSERT_TRUE(lib->trailerDetails("T1", details, error)) << error;
    EXPECT_TRUE(details.empty());
    EXPECT_FALSE(lib->setTrailerDetails("NOPE", fields("7", "", "", ""), error));
    EXPECT_NE(error.find("holds no download"), std::string::npos) << error;

    ASSERT_TRUE(
        lib->setTrailerDetails("T1", fields("F-17", "AB-12 CD", "Müller & Söhne", ""), error))
        << error;
    ASSERT_TRUE(
        lib->setTrailerDetails("T1", fields("F-17", "AB-12 CD", "Müller & Söhne", ""), error));
    ASSERT_TRUE(
        lib->setTrailerDetails("T1", fields("F-18", "AB-12 CD", "Müller & Söhne", "tyres"), error));
    ASSERT_TRUE(lib->setTrailerDetails(odd, fields("=1+2", "XY 99", "@cmd", "-3"), error)) << error;
    std::vector<TrailerDetails> changes;
    ASSERT_TRUE(lib->detailsHistory("T1", changes, error)) << error;
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].fleetNumber, "F-17");
    EXPECT_EQ(changes[1].notes, "tyres");
    EXPECT_EQ(changes[1].changedBy, "North");
    EXPECT_EQ(changes[1].changedAt.size(), 19u) << changes[1].changedAt;

    std::vector<FleetRow> fleet;
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    ASSERT_EQ(fleet.size(), 3u);
    EXPECT_EQ(fleet[0].details.fleetNumber, "F-18");
    EXPECT_EQ(fleet[0].details.customer, "Müller & Söhne");
    EXPECT_TRUE(fleet[1].details.empty());  // T3
    EXPECT_EQ(fleet[2].latest.ident, odd);
    EXPECT_EQ(fleet[2].details.fleetNumber, "=1+2");

    const struct {
        const char* text;
        std::vector<std::string> found;
    } lookups[] = {
        {"ab12cd", {"T1"}}, {" AB 12-CD", {"T1"}}, {"f-18", {"T1"}}, {"F-17", {}},
        {"xy-99", {odd}},   {"=1+2", {odd}},       {" - ", {}},      {"", {}},
    };
    for (const auto& lookup : lookups) {
        std::vector<std::string> idents;
        ASSERT_TRUE(lib->findTrailers(lookup.text, idents, error)) << error;
        EXPECT_EQ(idents, lookup.found) << lookup.text;
    }
    // Clearing every field is a change too, and leaves the trailer without details.
    ASSERT_TRUE(lib->setTrailerDetails("T1", TrailerDetails{}, error)) << error;
    ASSERT_TRUE(lib->trailerDetails("T1", details, error));
    EXPECT_TRUE(details.empty());
}

// What cannot be one line of UTF-8 text of a sensible length is refused with the field named,
// and nothing is stored; anything else (formula characters first, quotes, long customers,
// every script) is stored exactly.
TEST(LibraryStore, TrailerDetailsRefuseControlsBadTextAndOverlongFields) {
    hmtest::TempDir dir;
    std::string error;
    auto lib = Library::open(sqliteLocation((dir / "lib.sqlite").string()), error);
    ASSERT_TRUE(lib) << error;
    ASSERT_EQ(lib->store({visit("T1", 1)}).added, 1);
    const std::string long200(200, 'x');
    const struct {
        TrailerDetails details;
        const char* refusal;  // nullptr: stored
    } cases[] = {
        {fields("", "AB\n12", "", ""), "plate holds a control"},
        {fields("", "", "", "a\tb"), "notes holds a control"},
        {fields("\x1b[31m", "", "", ""), "fleet number holds a control"},
        {fields("", "", "A\u202eB", ""), "customer holds a control"},
        {fields("", "", "\xc3\x28", ""), "customer is not UTF-8"},
        {fields("", std::string(21, 'P'), "", ""), "plate is longer than 20"},
        {fields("", "", long200 + "y", ""), "customer is longer than 200"},
        {fields("", "", "", std::string(2001, 'n')), "notes is longer than 2000"},
        {fields("+49 1", "ÄÖ-Ü 1", long200, "\"quoted\", 'x'; =SUM(A1)"), nullptr},
        {fields("@", "ΑΒ 123", "日本語の顧客", std::string(2000, 'n')), nullptr},
    };
    for (const auto& c : cases) {
        std::string refusal;
        const bool stored = lib->setTrailerDetails("T1", c.details, refusal);
        TrailerDetails back;
        ASSERT_TRUE(lib->trailerDetails("T1", back, error)) << error;
        if (c.refusal == nullptr) {
            EXPECT_TRUE(stored) << refusal;
            EXPECT_TRUE(back.sameFields(c.details)) << c.details.customer;
        } else {
            EXPECT_FALSE(stored) << c.refusal;
            EXPECT_NE(refusal.find(c.refusal), std::string::npos) << refusal;
            EXPECT_FALSE(back.sameFields(c.details)) << c.refusal;
        }
    }
}

// A library of version 4 (as the program before details wrote it) is brought to 5 with its
// downloads, and takes details afterwards.
TEST(LibraryStore, VersionFourLibraryIsBroughtForwardToTakeDetails) {
    hmtest::TempDir dir;
    const std::filesystem::path file = dir / "v4.sqlite";
    std::string error;
    {
        auto lib = Library::open(sqliteLocation(file.string()), error);
        ASSERT_TRUE(lib) << error;
        ASSERT_EQ(lib->store({visit("A", 1), visit("A", 2)}).added, 2);
    }
    {
        // On SQLite version 4 is version 5 without the details table.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v4"));
        db.setDatabaseName(QString::fromStdString(file.string()));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE trailer_details")));
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE haulmetry_schema SET version = 4")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v4"));
    auto lib = Library::open(sqliteLocation(file.string()), error);
    ASSERT_TRUE(lib) << error;
    ASSERT_TRUE(lib->setTrailerDetails("A", fields("12", "", "", ""), error)) << error;
    std::vector<FleetRow> fleet;
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    ASSERT_EQ(fleet.size(), 1u);
    EXPECT_EQ(fleet[0].downloads, 2);
    EXPECT_EQ(fleet[0].details.fleetNumber, "12");
}

TEST(LibraryStore, UnreachableServerQueuesTheDataWhole) {
    hmtest::TempDir dir;
    Location shared;
    shared.shared = true;
    shared.url = "postgresql://fleet@127.0.0.1:1/fleet";
    shared.queueDir = dir / "queue";
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
        const auto queueOf = [](const std::string& url) {
            hmtest::ScopedEnv other("HAULMETRY_LIBRARY", url);
            return resolveLocation("").queueDir;
        };
        EXPECT_EQ(fromEnv.queueDir, queueOf("postgres://a:other@db/fleet"));
        EXPECT_NE(fromEnv.queueDir, queueOf("postgres://a:secret@db/other"));
    }
}

// Which text names which library: addresses that are none the program knows are refused (not
// taken for a file name), a password on the command line is refused, the queue is the same
// however the host and port are spelt, and a password never shows.
TEST(LibraryStore, AddressesAreCheckedAndPasswordsNeverShown) {
    hmtest::TempDir dir;
    hmtest::ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
    hmtest::ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
    hmtest::ScopedEnv env("HAULMETRY_LIBRARY", std::nullopt);
    const struct {
        const char* given;
        bool refused;
    } addresses[] = {
        {"PostgreSQL://a@db/fleet", true},    {"postgresql:/fleet", true},
        {" postgresql://a@db/fleet", true},   {"postgresql://a@db/fleet ", true},
        {"mysql://a@db/fleet", true},         {"SQLite:x.sqlite", true},
        {"postgresql://a:pw@db/fleet", true}, {"postgresql://a@db/fleet", false},
        {"postgres://db/fleet", false},       {"sqlite:x.sqlite", false},
        {"my:library.sqlite", false},
    };
    for (const auto& a : addresses) {
        const Location location = resolveLocation(a.given);
        EXPECT_EQ(!location.refused.empty(), a.refused) << a.given;
        EXPECT_EQ(location.refused.find("pw"), std::string::npos) << location.refused;
    }
    EXPECT_EQ(resolveLocation("postgresql://a@DB.example:5432/fleet").queueDir,
              resolveLocation("postgres://b@db.example/fleet").queueDir);
    EXPECT_NE(resolveLocation("postgresql://a@db.example:5433/fleet").queueDir,
              resolveLocation("postgresql://a@db.example/fleet").queueDir);
    EXPECT_EQ(redactedUrl("postgresql://a:s3cret@db/fleet?sslmode=require&password=s3cret"),
              "postgresql://a:***@db/fleet?sslmode=require&password=***");
    EXPECT_EQ(redactedUrl(" postgresql://a:s3cret@db/x?sslpassword=s3cret"),
              " postgresql://a:***@db/x?sslpassword=***");
    // A password in library.conf only in a file that is the user's alone.
    std::filesystem::create_directories(dir / "config/haulmetry");
    const auto conf = dir / "config/haulmetry/library.conf";
    hmtest::writeFileText(conf,
                          "library=postgresql://a@db/fleet\npassword=pw\nsslmode=verify-full\n");
    std::filesystem::permissions(
        conf, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const Location own = resolveLocation("");
    EXPECT_EQ(own.refused, "");
    EXPECT_EQ(own.password, "pw");
    ASSERT_EQ(own.parameters.size(), 1u);
    EXPECT_EQ(own.parameters[0].second, "verify-full");
    std::filesystem::permissions(conf, std::filesystem::perms::group_read,
                                 std::filesystem::perm_options::add);
    EXPECT_NE(resolveLocation("").refused.find("mode 0640"), std::string::npos);
    { EXPECT_EQ(resolveLocation("/tmp/x.sqlite").sqlitePath, "/tmp/x.sqlite"); }
}

}  // namespace
