// Renders every dialog to a PNG and reads it back. With HM_SCREENSHOT_DIR set the pictures are
// kept there for a person to look at; otherwise they go to a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "dialogs/CClrData.h"
#include "dialogs/CInfo.h"
#include "dialogs/CTable.h"
#include "support/SampleData.h"
#include "support/TestSupport.h"

namespace {

QString g_dir;

void save(QWidget& w, const QString& name) {
    w.show();
    const QPixmap shot = w.grab();
    ASSERT_EQ(shot.size(), w.size());
    const QString file = QDir(g_dir).filePath(name + ".png");
    ASSERT_TRUE(shot.save(file)) << name.toStdString();
    const QImage back(file);
    ASSERT_EQ(back.size(), w.size()) << name.toStdString();
    // A rendered dialog is never one flat colour.
    const QRgb first = back.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < back.height() && !varied; y += 3) {
        for (int x = 0; x < back.width() && !varied; x += 3) {
            varied = back.pixel(x, y) != first;
        }
    }
    EXPECT_TRUE(varied) << name.toStdString();
}

}  // namespace

TEST(DialogScreenshots, WritesPictures) {
    hmtest::TempDir temp;
    g_dir = qEnvironmentVariableIsEmpty("HM_SCREENSHOT_DIR")
                ? QString::fromStdString(temp.path().string())
                : qEnvironmentVariable("HM_SCREENSHOT_DIR");
    for (int level : {0, 1, 2}) {
        hm::CClrData d(static_cast<hm::ecu::SupportLevel>(level));
        save(d, QStringLiteral("erase-level%1").arg(level));
    }
    for (int graph : {2, 6, 7}) {
        hm::CInfo d(hmtest::sampleInterimValues(graph));
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
