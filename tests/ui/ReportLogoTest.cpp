// The workshop's logo on the report: files that cannot be drawn safely are refused with a reason
// (and the report is written without them), an SVG is drawn as vectors, a PNG with its own
// pixels at no less than 300 dpi.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstring>
#include <filesystem>

#include "fleetdata/FleetDataImage.h"
#include "report/ReportLogo.h"
#include "report/ReportRenderer.h"
#include "report/core/ReportContext.h"
#include "tests/support/TestSupport.h"

#include <sys/stat.h>

namespace hm {
namespace {

const std::string kGoodSvg =
    "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
    "viewBox='0 0 200 100'><defs><linearGradient id='g'><stop offset='0'/></linearGradient>"
    "</defs><rect width='200' height='100' fill='url(#g)'/><use xlink:href='#g'/></svg>";

std::string svgWith(const std::string& inside) {
    return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
           "viewBox='0 0 10 10'>" +
           inside + "</svg>";
}

void writePng(const std::filesystem::path& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "PNG"));
}

TEST(ReportLogo, RefusesWhatCannotBeDrawnSafelyAndTakesGoodImages) {
    hmtest::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo.svg").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "folder.png");
    hmtest::writeFileText(dir / "huge.svg", svgWith(std::string(3 * 1024 * 1024, ' ')));
    hmtest::writeFileText(dir / "text.png", "hello, not an image");
    // A PNG header that claims 20000 x 20000 pixels.
    hmtest::writeFileText(dir / "vast.png",
                          std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0N\x20\0\0N\x20"
                                      "\x08\x02\0\0\0",
                                      29));
    const std::pair<const char*, std::string> badSvgs[] = {
        {"file.svg", svgWith("<image xlink:href='file:///etc/hostname' width='9' height='9'/>")},
        {"rel.svg", svgWith("<image href = \"other.png\" width='9' height='9'/>")},
        {"entity.svg",
         "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY x SYSTEM 'file:///etc/hostname'>]>" +
             svgWith("<text>&x;</text>")},
        {"script.svg", svgWith("<script>alert(1)</script>")},
        {"css.svg",
         svgWith("<rect style='fill:url( \"http://example.org/a#b\")' width='9' height='9'/>")},
        {"broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'><rect"},
    };
    for (const auto& [name, text] : badSvgs) {
        hmtest::writeFileText(dir / name, text);
    }
    for (const char* name :
         {"missing.svg", "fifo.svg", "folder.png", "huge.svg", "text.png", "vast.png", "file.svg",
          "rel.svg", "entity.svg", "script.svg", "css.svg", "broken.svg"}) {
        EXPECT_FALSE(ReportLogo((dir / name).string()).problem().isEmpty()) << name;
    }
    hmtest::writeFileText(dir / "good.svg", kGoodSvg);
    hmtest::writeFileText(
        dir / "inline.svg",
        svgWith("<image href='data:image/png;base64,iVBORw0KGgo=' width='9' height='9'/>"));
    writePng(dir / "good.png", 600, 300);
    for (const char* name : {"good.svg", "inline.svg", "good.png"}) {
        EXPECT_EQ(ReportLogo((dir / name).string()).problem().toStdString(), "") << name;
    }
}

// The width in pixels of what `logo` painted into a 45 x 22.5 mm box on a 600 dpi page.
int paintedWidth(const ReportLogo& logo) {
    QImage page(1200, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        logo.draw(painter, QRectF(0, 0, 1063, 531), 600);
    }
    int right = 0;
    for (int x = 0; x < page.width(); ++x) {
        if (page.pixelColor(x, 300) != QColor(Qt::white)) {
            right = x + 1;
        }
    }
    return right;
}

TEST(ReportLogo, APngIsNeverBlownUpBelow300DpiAndFitsItsBox) {
    hmtest::TempDir dir;
    writePng(dir / "small.png", 150, 75);  // half an inch at 300 dpi: 300 pixels at 600 dpi
    writePng(dir / "large.png", 4000, 2000);
    EXPECT_NEAR(paintedWidth(ReportLogo((dir / "small.png").string())), 300, 2);
    EXPECT_NEAR(paintedWidth(ReportLogo((dir / "large.png").string())), 1063, 2);
}

QByteArray reportWithLogo(const std::string& logo, QString& warning) {
    FleetDataImage image{};
    image.clear();
    std::strcpy(image.vehicleIdent, "VIN0042");
    ReportContext context;
    context.workshop = {"Nordwerk", {}, "", logo};
    hmtest::TempDir dir;
    const std::string out = (dir / "r.pdf").string();
    QString error;
    EXPECT_TRUE(writeReportPdf(ReportSource{image, "a.asc", "", &context}, out, &error, &warning))
        << error.toStdString();
    QFile file(QString::fromStdString(out));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(ReportLogo, TheReportIsWrittenWithoutABadLogoAndDrawsAnSvgAsVectors) {
    hmtest::TempDir dir;
    hmtest::writeFileText(dir / "logo.svg", kGoodSvg);
    writePng(dir / "logo.png", 600, 300);
    hmtest::writeFileText(dir / "bad.svg", svgWith("<image href='/etc/hostname'/>"));
    QString warning;
    // The pages' own header bitmaps are images; an SVG logo adds none, a PNG one.
    const auto images = [](const QByteArray& pdf) { return pdf.count("/Subtype /Image"); };
    const qsizetype plain = images(reportWithLogo("", warning));
    EXPECT_TRUE(warning.isEmpty());
    EXPECT_EQ(images(reportWithLogo((dir / "logo.svg").string(), warning)), plain);
    EXPECT_TRUE(warning.isEmpty()) << warning.toStdString();
    EXPECT_EQ(images(reportWithLogo((dir / "logo.png").string(), warning)), plain + 1);
    const QByteArray bad = reportWithLogo((dir / "bad.svg").string(), warning);
    EXPECT_TRUE(bad.startsWith("%PDF"));
    EXPECT_TRUE(warning.contains(QString::fromStdString((dir / "bad.svg").string())))
        << warning.toStdString();
}

}  // namespace
}  // namespace hm
