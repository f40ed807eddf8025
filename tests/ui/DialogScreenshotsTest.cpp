// Writes PNG pictures of the dialogs for a person to look at: set HM_SCREENSHOT_DIR to a folder
// and run this test. Without the variable the test is skipped.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "mainwindow/CClrData.h"
#include "mainwindow/CInfo.h"
#include "stability/CTable.h"

namespace {

void save(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("HM_SCREENSHOT_DIR");
    w.show();
    const QPixmap shot = w.grab();
    ASSERT_EQ(shot.size(), w.size());
    ASSERT_TRUE(shot.save(QDir(dir).filePath(name + ".png"))) << name.toStdString();
}

}  // namespace

TEST(DialogScreenshots, WritesPictures) {
    if (qEnvironmentVariableIsEmpty("HM_SCREENSHOT_DIR")) {
        GTEST_SKIP() << "HM_SCREENSHOT_DIR not set";
    }
    for (int level : {0, 1, 2}) {
        hm::CClrData d(level);
        save(d, QStringLiteral("erase-level%1").arg(level));
    }
    for (int graph : {2, 6, 7}) {
        hm::InterimValues v;
        v.graphNumber = graph;
        v.intervalCount = 37;
        v.kmInCurrentInterval = 321;
        v.brakeApps = 11;
        v.slpBrakeApps = 4;
        v.absEvents = 7;
        hm::CInfo d(v);
        save(d, QStringLiteral("info-graph%1").arg(graph));
    }
    hm::FleetDataImage image;
    image.clear();
    const int8_t outputs[] = {-45, 45, 12, -100, 127, 80, -8, 63, -128, 30, 5, -77};
    for (std::size_t k = 0; k < std::size(outputs); ++k) {
        auto& r = image.stabilityRecords[k];
        r.stabilitySensorOutput = outputs[k];
        r.vehicleSpeed = static_cast<uint8_t>(40 + k);
        r.odometer = 1234500u + 100000u * static_cast<uint32_t>(k);
        r.timeSinceStartup = 3725;
        r.day = 5;
        r.month = 3;
    }
    for (uint32_t count : {0u, 5u, 12u}) {
        image.stabilityRecordCount = count;
        hm::CTable t(image, nullptr);
        save(t, QStringLiteral("stability-count%1").arg(count));
    }
}
