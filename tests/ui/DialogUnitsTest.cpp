#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <algorithm>
#include <functional>
#include <memory>

#include "dialogs/CAboutDlg.h"
#include "dialogs/CClrData.h"
#include "dialogs/CInfo.h"
#include "dialogs/CTable.h"
#include "support/SampleData.h"
#include "widgets/DialogUnits.h"

TEST(DialogUnits, PlaceLineNeverClipsASingleLineControl) {
    const hm::DialogUnits du(6, 13);
    QLabel label("Tall text");
    QFont f = label.font();
    f.setPixelSize(30);
    label.setFont(f);
    du.placeLine(&label, 10, 20, 100, 8);
    const QRect r = du.rect(10, 20, 100, 8);
    EXPECT_GE(label.height(), label.sizeHint().height());
    EXPECT_EQ(label.geometry().center().y(), r.center().y());
}

// Every dialog is laid out in the main window's base units (6 x 13), not in those of the
// desktop's font: with a large application font the sizes stay the same and the dialog's own
// font is made to fit.
TEST(DialogUnits, EveryDialogIsLaidOutInTheMainWindowsUnitsWhateverTheDesktopFont) {
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPixelSize(20);
    QApplication::setFont(large);
    hm::FleetDataImage image;
    image.clear();
    const struct {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
        QSize templateSize;  // dialog units
    } dialogs[] = {
        {"information",
         [] { return std::make_unique<hm::CInfo>(hmtest::sampleInterimValues(6)); },
         {225, 210}},
        {"erase selection",
         [] { return std::make_unique<hm::CClrData>(hm::ecu::SupportLevel::FleetAndRecords); },
         {217, 109}},
        {"stability",
         [&image] { return std::make_unique<hm::CTable>(image, nullptr); },
         {521, 186}},
        {"about", [] { return std::make_unique<hm::CAboutDlg>(); }, {211, 66}},
    };
    const hm::DialogUnits layout(6, 13);
    for (const auto& d : dialogs) {
        const std::unique_ptr<QWidget> w = d.make();
        EXPECT_EQ(w->size(), layout.size(d.templateSize.width(), d.templateSize.height()))
            << d.name;
        const hm::DialogUnits own(w->font());
        EXPECT_LE(own.baseX(), 6) << d.name;
        EXPECT_LE(own.baseY(), 13 + 3) << d.name;
    }
    QApplication::setFont(original);
}

// The fitted size is predicted from one measurement; it must be the size a search down from
// the font's own size, measuring each, picks: the largest whose base units fit.
TEST(DialogUnits, FittingFontPicksTheLargestSizeThatFits) {
    const auto searched = [](QFont font, hm::DialogBaseUnits base) {
        for (int size = std::max(QFontInfo(font).pixelSize(), 8); size >= 8; --size) {
            font.setPixelSize(size);
            const hm::DialogUnits du(font);
            if ((du.baseX() <= base.x && du.baseY() <= base.y + 3) || size == 8) {
                break;
            }
        }
        return QFontInfo(font).pixelSize();
    };
    for (const char* family : {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"}) {
        for (const int pixels : {8, 11, 13, 16, 20, 27, 40}) {
            for (const hm::DialogBaseUnits base :
                 {hm::DialogBaseUnits{6, 13}, hm::DialogBaseUnits{8, 16},
                  hm::DialogBaseUnits{3, 6}}) {
                QFont font(QString::fromLatin1(family));
                font.setPixelSize(pixels);
                EXPECT_EQ(QFontInfo(hm::DialogUnits::fittingFont(font, base)).pixelSize(),
                          searched(font, base))
                    << family << ' ' << pixels << "px in " << base.x << 'x' << base.y;
            }
        }
    }
    // Asked again for the same application font, the dialogs get the same answer.
    EXPECT_EQ(hm::DialogUnits::templateFont(), hm::DialogUnits::templateFont());
}
