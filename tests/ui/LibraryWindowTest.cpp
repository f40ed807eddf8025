// The trailer library window: the fleet model sorts numbers as numbers, filters as you type (by
// identification, plate, fleet number and customer) and shows identifications escaped; against a
// real SQLite library the window shows the fleet, a trailer's history and the difference of its two
// latest downloads, says when the main window refuses a download, exports the downloads byte for
// byte, and says plainly when the library cannot be opened; the details form saves on the library
// thread and refuses what cannot be stored.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fleetdata/DataFile.h"
#include "histogram/CHistogramCtrl.h"
#include "library/Library.h"
#include "librarywindow/DetailsForm.h"
#include "librarywindow/DiffView.h"
#include "librarywindow/FleetModel.h"
#include "librarywindow/LibraryWindow.h"
#include "support/TestSupport.h"

namespace {

using hm::FleetModel;
using hm::library::FleetRow;
using Column = hm::FleetModel::Column;
constexpr int at(Column c) {
    return FleetModel::at(c);
}

FleetRow fleetRow(const std::string& ident, uint32_t km, bool hasPrevious, int64_t since) {
    FleetRow row;
    row.latest.ident = ident;
    row.latest.distanceKm = km;
    row.latest.visitAt = "2026-01-0" + std::to_string(km % 9 + 1) + "T10:00:00";
    row.downloads = 1;
    row.hasPrevious = hasPrevious;
    row.distanceSinceKm = since;
    return row;
}

// The first column's texts of the proxy, top to bottom.
QStringList shownIdents(const QSortFilterProxyModel& proxy) {
    QStringList idents;
    for (int r = 0; r < proxy.rowCount(); ++r) {
        idents << proxy.index(r, at(Column::Ident)).data().toString();
    }
    return idents;
}

TEST(LibraryWindow, FleetSortsNumbersAsNumbersFiltersAndEscapesIdents) {
    FleetModel model;
    std::vector<FleetRow> rows = {fleetRow("TRL9", 9, true, -5), fleetRow("TRL100", 100, true, 40),
                                  fleetRow(std::string("Q\"'; \x01\xff", 7), 10, false, 0)};
    rows[0].details.plate = "AB-12 CD";
    rows[0].details.customer = "Müller Logistik";
    rows[1].details.fleetNumber = "F-100";
    model.setRows(std::move(rows));
    hm::FleetFilter proxy;
    proxy.setSourceModel(&model);
    proxy.setSortRole(FleetModel::kSortRole);
    const QString odd = QStringLiteral("Q\"'; \\x01\\xFF");
    proxy.sort(at(Column::Distance), Qt::AscendingOrder);
    EXPECT_EQ(shownIdents(proxy), (QStringList{"TRL9", odd, "TRL100"}));  // 9 < 10 < 100
    EXPECT_EQ(proxy.index(0, at(Column::Plate)).data().toString(), "AB-12 CD");
    proxy.sort(at(Column::DistanceSince), Qt::DescendingOrder);
    EXPECT_EQ(shownIdents(proxy), (QStringList{"TRL100", "TRL9", odd}));  // a first visit last
    EXPECT_EQ(proxy.index(1, at(Column::DistanceSince)).data().toString(), "-5");
    EXPECT_EQ(proxy.index(0, at(Column::DistanceSince)).data().toString(), "+40");
    EXPECT_EQ(proxy.index(2, at(Column::DistanceSince)).data().toString(), "-");
    const struct {
        const char* text;
        QStringList shown;
    } filters[] = {
        {"trl1", {"TRL100"}},          {"\\xff", {odd}},     {"ab12", {"TRL9"}},
        {"b-12 c", {"TRL9"}},          {"MÜLLER", {"TRL9"}}, {"f-10", {"TRL100"}},
        {"", {"TRL100", "TRL9", odd}}, {"nothing", {}},
    };
    for (const auto& f : filters) {
        proxy.setText(QString::fromUtf8(f.text));
        EXPECT_EQ(shownIdents(proxy), f.shown) << f.text;
    }
}

// A fleet of 10,000 trailers fills the model whole and sorts by number.
TEST(LibraryWindow, TenThousandTrailersAreShownSorted) {
    std::vector<FleetRow> rows;
    for (int i = 0; i < 10000; ++i) {
        rows.push_back(fleetRow("TRL" + std::to_string(i), static_cast<uint32_t>(i * 37 % 9973),
                                true, i % 50));
    }
    hmtest::TempDir dir;
    hm::LibraryWindow window(
        {hm::library::sqliteLocation((dir / "lib.sqlite").string()), {}, {}, {}});
    QSignalSpy replied(&window, &hm::LibraryWindow::replied);
    ASSERT_TRUE(replied.wait(5000));
    window.show();
    window.fleetModel().setRows(std::move(rows));
    window.fleetView()->sortByColumn(at(Column::Distance), Qt::AscendingOrder);
    EXPECT_EQ(window.fleetProxy().rowCount(), 10000);
    EXPECT_EQ(window.fleetProxy().index(0, at(Column::Distance)).data().toString(), "0");
    EXPECT_EQ(window.fleetProxy().index(9999, at(Column::Distance)).data().toString(), "9972");
}

// Not a test: tests/bench/library_bench.sh runs it on the library named by HM_BENCH_LIBRARY and
// prints how long the window takes from its creation to the fleet drawn.
TEST(LibraryWindowBench, DISABLED_FleetOpen) {
    const char* path = std::getenv("HM_BENCH_LIBRARY");
    ASSERT_NE(path, nullptr);
    QElapsedTimer clock;
    clock.start();
    hm::LibraryWindow window({hm::library::sqliteLocation(path), {}, {}, {}});
    QSignalSpy replied(&window, &hm::LibraryWindow::replied);
    window.show();
    ASSERT_TRUE(replied.wait(30000));
    window.fleetView()->repaint();
    std::printf("window fleet open: %lld ms, %d trailers\n",
                static_cast<long long>(clock.elapsed()), window.fleetProxy().rowCount());
}

hm::FleetDataImage visit(uint16_t day, uint32_t brakes, bool erased) {
    hm::FleetDataImage image;
    image.clear();
    std::memcpy(image.signature, hm::kSignature, sizeof image.signature);
    image.blockSize = hm::kImageSize;
    image.setVehicleIdent("TRL\xff'1", 6);
    image.brakeCountByPressure[3] = erased ? 1 : brakes;
    image.brakeTimeByPressure[3] = brakes * 100;
    hm::stampSavedImage(image, hm::LocalTime{2026, 3, 0, day, 10, 0, 0, 0});
    return image;
}

hm::FleetDataImage unsaved(hm::FleetDataImage image) {
    std::memset(image.signature, 0, sizeof image.signature);
    std::memset(image.savedAt, 0, sizeof image.savedAt);
    image.blockSize = 0;
    return image;
}

class LibraryWindowWithLibrary : public ::testing::Test {
  protected:
    void store(const std::vector<hm::FleetDataImage>& images) {
        std::string error;
        auto lib = hm::library::Library::open(location(), error);
        ASSERT_TRUE(lib) << error;
        for (const hm::FleetDataImage& image : images) {  // unsigned: a download never saved
            ASSERT_TRUE(
                (image.blockSize == 0 ? lib->recordDownload(image) : lib->recordLoad(image, {}))
                    .ok);
        }
    }
    hm::library::Location location() const {
        return hm::library::sqliteLocation((dir / "lib.sqlite").string());
    }
    // Waits until the library thread's replies are in.
    static void settle(hm::LibraryWindow& window, int replies) {
        QSignalSpy replied(&window, &hm::LibraryWindow::replied);
        while (replied.size() < replies && replied.wait(5000)) {
        }
        ASSERT_GE(replied.size(), replies);
    }
    hmtest::TempDir dir;
};

TEST_F(LibraryWindowWithLibrary, FleetHistoryDifferenceOpenAndExport) {
    const std::vector<hm::FleetDataImage> images = {visit(1, 10, false),
                                                    unsaved(visit(2, 25, false))};
    store(images);
    bool busy = true;
    std::string openedLabel;
    hm::LibraryWindow::Options options{location(), nullptr, nullptr, nullptr};
    options.openDownload = [&](const hm::ImageBytes&, const std::string& label) {
        openedLabel = label;
        return !busy;
    };
    options.chooseFolder = [&](QWidget*, const std::string&) {
        return std::optional<std::string>((dir / "out").string());
    };
    hm::LibraryWindow window(options);
    settle(window, 3);  // fleet, history, the two downloads compared
    ASSERT_EQ(window.fleetProxy().rowCount(), 1);
    EXPECT_EQ(window.fleetProxy().index(0, 0).data().toString(), "TRL\\xFF'1");
    EXPECT_EQ(window.historyModel().rowCount(), 2);
    const hm::library::GraphDiff* diff = window.diffView()->shownDiff();
    ASSERT_NE(diff, nullptr);
    window.diffView()->setGraph(2);
    ASSERT_TRUE(window.diffView()->shownDiff()->counting);
    EXPECT_EQ(window.diffView()->shownDiff()->bars[3].usage, 15.0);
    EXPECT_TRUE(window.diffView()->scaleText().startsWith("Vertical: 0 to "))
        << window.diffView()->scaleText().toStdString();

    emit window.historyView()->activated(window.historyModel().index(0, 0));
    settle(window, 1);
    EXPECT_EQ(openedLabel, "TRL\\xFF'1 2026-03-01 10:00:00");
    EXPECT_NE(window.statusText().indexOf("busy"), -1) << window.statusText().toStdString();
    busy = false;
    emit window.fleetView()->activated(window.fleetProxy().index(0, 0));
    settle(window, 1);
    EXPECT_NE(window.statusText().indexOf("is shown in the main window"), -1);

    std::filesystem::create_directories(dir / "out");
    window.exportTrailer();
    settle(window, 1);
    EXPECT_NE(window.statusText().indexOf("Data files written to "), -1)
        << window.statusText().toStdString();
    // The saved file byte for byte; the download as a save would have written it.
    int same = 0;
    int loads = 0;
    const hm::ImageBytes saved = hm::serialiseImage(images[0]);
    for (const auto& file : std::filesystem::directory_iterator(dir / "out")) {
        const std::vector<uint8_t> bytes = hmtest::readFileBytes(file.path());
        same += std::equal(bytes.begin(), bytes.end(), saved.begin(), saved.end());
        hm::FleetDataImage image;
        loads += hm::readDataFile(file.path(), image).ok() && image.brakeCountByPressure[3] > 0;
    }
    EXPECT_EQ(same, 1);
    EXPECT_EQ(loads, 2);
}

TEST_F(LibraryWindowWithLibrary, ResetCountersAndAnUnreadableLibraryAreSaid) {
    store({visit(1, 10, false), visit(2, 25, true)});
    {
        hm::LibraryWindow window({location(), nullptr, nullptr, nullptr});
        settle(window, 3);
        window.diffView()->setGraph(2);
        EXPECT_NE(window.diffView()->noteText().indexOf("counters were reset"), -1);
        window.diffView()->setGraph(1);
        EXPECT_FALSE(window.diffView()->shownDiff()->counting);
        EXPECT_FALSE(window.diffView()->secondChart()->isHidden());
    }
    hmtest::writeFileText(dir / "lib.sqlite", std::string(4096, 'x'));
    std::filesystem::remove(dir / "lib.sqlite-wal");
    std::filesystem::remove(dir / "lib.sqlite-shm");
    hm::LibraryWindow broken({location(), nullptr, nullptr, nullptr});
    settle(broken, 1);
    EXPECT_NE(broken.statusText().indexOf("The library cannot be opened"), -1)
        << broken.statusText().toStdString();
    EXPECT_EQ(broken.fleetProxy().rowCount(), 0);
}

// The form edits the chosen trailer's details; Save details stores them on the library thread,
// after which the fleet row and the form show what is stored. What the library refuses (a
// control character) is said, and nothing is stored.
TEST_F(LibraryWindowWithLibrary, DetailsAreSavedAndShownInTheFleet) {
    store({visit(1, 10, false)});
    hm::LibraryWindow window({location(), nullptr, nullptr, nullptr});
    settle(window, 2);  // fleet, history
    hm::DetailsForm& form = *window.detailsForm();
    EXPECT_FALSE(form.saveButton()->isEnabled());
    form.plateField()->setText(QStringLiteral("=HYPERLINK(1)"));
    emit form.plateField()->textEdited(form.plateField()->text());
    form.customerField()->setText(QStringLiteral("Spedition Ölberg"));
    emit form.customerField()->textEdited(form.customerField()->text());
    ASSERT_TRUE(form.saveButton()->isEnabled());
    form.saveButton()->click();
    settle(window, 3);  // saved, fleet read again, history
    EXPECT_NE(window.statusText().indexOf("are saved"), -1) << window.statusText().toStdString();
    EXPECT_EQ(window.fleetProxy().index(0, at(Column::Plate)).data().toString(), "=HYPERLINK(1)");
    EXPECT_EQ(window.fleetProxy().index(0, at(Column::Customer)).data().toString(),
              "Spedition Ölberg");
    EXPECT_TRUE(form.changedText().startsWith("Changed ")) << form.changedText().toStdString();
    EXPECT_TRUE(form.changesText().contains("=HYPERLINK(1), Spedition Ölberg"))
        << form.changesText().toStdString();
    EXPECT_FALSE(form.saveButton()->isEnabled());

    form.notesField()->setText(QStringLiteral("a\tb"));
    emit form.notesField()->textEdited(form.notesField()->text());
    form.saveButton()->click();
    EXPECT_NE(window.statusText().indexOf("control character"), -1)
        << window.statusText().toStdString();
    std::string error;
    auto lib = hm::library::Library::open(location(), error);
    ASSERT_TRUE(lib) << error;
    std::vector<hm::library::TrailerDetails> changes;
    ASSERT_TRUE(lib->detailsHistory("TRL\xff'1", changes, error)) << error;
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].customer, "Spedition Ölberg");
}

}  // namespace
