// The figures the library keeps with each download, against a real SQLite file: the same exact
// figures on the session's single insert and on the bulk path of an import (counters at
// 2^32 - 1 included), filled from the stored images when a library of schema version 2 is
// brought forward, and the views for people who query the library themselves: the
// identification as the command line writes it, NULL for a time the image does not hold, the
// change since the visit before, and the use since an erase.
#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <cstring>

#include "figures/Figures.h"
#include "fleetdata/DataFile.h"
#include "library/Library.h"
#include "library/LibraryFindings.h"
#include "library/LibrarySchema.h"
#include "support/FigureImages.h"
#include "support/TestSupport.h"

namespace {

using namespace hm::library;
using hm::figures::FigureId;

// `image` with a signature, the identification `ident` and, unless `day` is 0, a saved-at time.
hm::FleetDataImage stamped(hm::FleetDataImage image, const std::string& ident, int day) {
    std::memcpy(image.signature, hm::kSignature, sizeof image.signature);
    image.blockSize = hm::kImageSize;
    image.setVehicleIdent(ident.data(), ident.size());
    if (day > 0) {
        hm::stampSavedImage(image,
                            hm::LocalTime{2026, 3, 0, static_cast<uint16_t>(day), 10, 0, 0, 0});
    }
    return image;
}

Item itemOf(const hm::FleetDataImage& image) {
    return Item{hm::serialiseImage(image), Source::Import, {}};
}

// Every figure of `entry` is the figure computed from `image`.
void expectFigures(const Entry& entry, const hm::FleetDataImage& image) {
    const hm::figures::Figures want = hm::figures::computeFigures(image);
    for (const hm::figures::FigureInfo& info : hm::figures::figureTable()) {
        EXPECT_EQ(entry.figures.value(info.id), want.value(info.id))
            << entry.ident << " " << info.key;
    }
}

// The figures of every download of `ident` match their images, in history order.
void expectHistory(Library& lib, const std::string& ident,
                   const std::vector<hm::FleetDataImage>& images) {
    std::vector<Entry> history;
    std::string error;
    ASSERT_TRUE(lib.history(ident, history, error)) << error;
    ASSERT_EQ(history.size(), images.size()) << ident;
    for (size_t i = 0; i < images.size(); ++i) {
        expectFigures(history[i], images[i]);
    }
}

// A raw connection to the SQLite file, for what people run against it.
class RawDb {
  public:
    explicit RawDb(const std::filesystem::path& file) {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db_.setDatabaseName(QString::fromStdString(file.string()));
        EXPECT_TRUE(db_.open());
    }
    ~RawDb() {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
    // The rows of `sql`, each as its columns joined by '|' (NULL as "NULL").
    std::vector<std::string> rows(const QString& sql) {
        QSqlQuery q(db_);
        EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        std::vector<std::string> out;
        while (q.next()) {
            std::string row;
            for (int c = 0; c < q.record().count(); ++c) {
                row += (c > 0 ? "|" : "") + (q.value(c).isNull()
                                                 ? std::string("NULL")
                                                 : q.value(c).toString().toStdString());
            }
            out.push_back(row);
        }
        return out;
    }
    void exec(const QString& sql) {
        QSqlQuery q(db_);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    }

  private:
    QSqlDatabase db_;
};

// Takes the library back to schema version 2: no figure columns but distance_km, no views, no
// trailers' details.
void downgradeToSchemaTwo(const std::filesystem::path& file) {
    RawDb db(file);
    db.exec(QStringLiteral("DROP TABLE trailer_details"));
    db.exec(QStringLiteral("DROP VIEW trailer_figures"));
    db.exec(QStringLiteral("DROP VIEW download_figures"));
    for (const hm::figures::FigureInfo& info : hm::figures::figureTable()) {
        if (info.id != FigureId::DistanceKm) {
            db.exec(QStringLiteral("ALTER TABLE downloads DROP COLUMN %1")
                        .arg(QLatin1String(figureColumn(info.id))));
        }
    }
    db.exec(QStringLiteral("ALTER TABLE downloads DROP COLUMN ident_text"));
    db.exec(QStringLiteral("UPDATE downloads SET distance_km = 0"));
    db.exec(QStringLiteral("UPDATE haulmetry_schema SET version = 2"));
}

TEST(LibraryFigures, EveryStorePathKeepsTheExactFiguresAndAnOlderLibraryGetsThemFilled) {
    hmtest::TempDir dir;
    const std::filesystem::path file = dir / "lib.sqlite";
    // One trailer at 2^32 - 1 in every counter, one overloaded, and 40 more through the bulk
    // path of an import.
    const hm::FleetDataImage full = stamped(hmtest::saturatedImage(), "FULL", 2);
    const hm::FleetDataImage heavy = stamped(hmtest::overloadedImage(10000, 380), "HEAVY", 0);
    std::vector<Item> batch;
    std::vector<hm::FleetDataImage> many;
    for (uint32_t i = 0; i < 40; ++i) {
        many.push_back(
            stamped(hmtest::overloadedImage(1000 + 100 * i, 10 * i), "BULK", 1 + i % 28));
        many.back().savedAt[1] = static_cast<uint16_t>(1 + i / 28);  // one visit a day
        batch.push_back(itemOf(many.back()));
    }
    {
        std::string error;
        auto lib = Library::open(sqliteLocation(file.string()), error);
        ASSERT_TRUE(lib) << error;
        EXPECT_EQ(lib->recordDownload(full).added, 1);
        EXPECT_EQ(lib->record(Item{hm::serialiseImage(heavy), Source::Load, "/x.asc"}).added, 1);
        EXPECT_EQ(lib->store(batch).added, 40);
        EXPECT_EQ(hm::figures::computeFigures(full).brakeApplications, 16ull * UINT32_MAX);
        expectHistory(*lib, "FULL", {full});
        expectHistory(*lib, "HEAVY", {heavy});
        expectHistory(*lib, "BULK", many);
    }
    downgradeToSchemaTwo(file);
    std::string error;
    auto lib = Library::open(sqliteLocation(file.string()), error);
    ASSERT_TRUE(lib) << error;
    expectHistory(*lib, "FULL", {full});
    expectHistory(*lib, "HEAVY", {heavy});
    expectHistory(*lib, "BULK", many);
    lib.reset();
    RawDb db(file);
    EXPECT_EQ(db.rows(QStringLiteral("SELECT version FROM haulmetry_schema")),
              std::vector<std::string>{std::to_string(kSchemaVersion)});
    // A time the image does not hold is NULL; the brake time is in seconds with its decimals.
    EXPECT_EQ(db.rows(QStringLiteral("SELECT ident, saved_at, overload_km, brake_time_s, "
                                     "previous_id FROM download_figures WHERE ident = 'HEAVY'")),
              std::vector<std::string>{"HEAVY|NULL|380|0|NULL"});
    EXPECT_EQ(
        db.rows(QStringLiteral("SELECT saved_at, brake_time_s, abs_events FROM "
                               "download_figures WHERE ident = 'FULL'")),
        std::vector<std::string>{"2026-03-02 10:00:00|687194767.2|" +
                                 std::to_string(hm::figures::computeFigures(full).absEvents)});
    EXPECT_EQ(db.rows(QStringLiteral("SELECT downloads, distance_km, overload_km_since FROM "
                                     "trailer_figures WHERE ident = 'BULK'")),
              std::vector<std::string>{"40|4900|10"});
}

TEST(LibraryFigures, ChangeSinceTheVisitBeforeIsTheUseAndAnEraseIsAReset) {
    hmtest::TempDir dir;
    const std::filesystem::path file = dir / "lib.sqlite";
    std::string error;
    auto lib = Library::open(sqliteLocation(file.string()), error);
    ASSERT_TRUE(lib) << error;
    // Three visits of a trailer whose identification holds a control byte; between the second
    // and the third its ECU was erased (every counter starts again from zero).
    const std::string ident("T\x01Z", 3);
    const hm::FleetDataImage first = stamped(hmtest::overloadedImage(72000, 100), ident, 1);
    const hm::FleetDataImage second = stamped(hmtest::overloadedImage(73000, 150), ident, 2);
    const hm::FleetDataImage erased = stamped(hmtest::overloadedImage(1200, 40), ident, 3);
    ASSERT_TRUE(lib->store({itemOf(second), itemOf(first)}).ok);
    std::vector<FleetRow> fleet;
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    ASSERT_EQ(fleet.size(), 1u);
    EXPECT_EQ(fleet[0].distanceSinceKm, 1000);
    EXPECT_EQ(fleet[0].change.usage(FigureId::OverloadKm), 50u);
    EXPECT_FALSE(fleet[0].change.anyReset);
    ASSERT_TRUE(lib->store({itemOf(erased)}).ok);
    fleet.clear();
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    EXPECT_EQ(fleet[0].distanceSinceKm, 1200);  // the use since the erase, never -71800
    EXPECT_TRUE(fleet[0].change.anyReset);
    lib.reset();
    RawDb db(file);
    EXPECT_EQ(db.rows(QStringLiteral("SELECT ident, erased_since, distance_km_since, "
                                     "overload_km_since FROM download_figures ORDER BY id")),
              (std::vector<std::string>{"T\\x01Z|0|1000|50", "T\\x01Z|NULL|NULL|NULL",
                                        "T\\x01Z|1|1200|40"}));
}

TEST(LibraryFigures, FleetFindingsCountTheRulesAndTheHistoryHasThemPerVisit) {
    hmtest::TempDir dir;
    std::string error;
    auto lib = Library::open(sqliteLocation((dir / "lib.sqlite").string()), error);
    ASSERT_TRUE(lib) << error;
    ASSERT_TRUE(lib->store({itemOf(stamped(hmtest::overloadedImage(10000, 380), "HEAVY", 1)),
                            itemOf(stamped(hmtest::overloadedImage(10000, 50), "LIGHT", 1)),
                            itemOf(stamped(hmtest::overloadedImage(12000, 900), "LIGHT", 2))})
                    .ok);
    std::vector<FleetRow> fleet;
    ASSERT_TRUE(lib->fleet(fleet, error)) << error;
    ASSERT_EQ(fleet.size(), 2u);
    const FleetFindings found = fleetFindings(fleet, hm::figures::defaultRules());
    ASSERT_EQ(found.byRow.size(), 2u);
    // HEAVY: 3.8 % of its distance overloaded; LIGHT's latest: 7.5 %, and 850 km since.
    for (size_t r = 0; r < 2; ++r) {
        EXPECT_GE(attentionCount(found.byRow[r]), 1) << fleet[r].latest.ident;
    }
    std::vector<Entry> history;
    ASSERT_TRUE(lib->history("LIGHT", history, error)) << error;
    std::vector<std::vector<hm::figures::Finding>> perVisit;
    ASSERT_TRUE(historyFindings(*lib, history, hm::figures::defaultRules(), perVisit, error))
        << error;
    ASSERT_EQ(perVisit.size(), 2u);
    EXPECT_EQ(attentionCount(perVisit[0]), 0);  // 0.5 % overloaded: under the rule's 2 %
    EXPECT_GE(attentionCount(perVisit[1]), 1);
}

}  // namespace
