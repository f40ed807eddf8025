// Build tool: renders SVG icons at several scale factors to ready pixels, so that the window
// program shows its icons without parsing SVG (or loading Qt Svg), or even decoding an image
// file, at start-up.
//
//     hm_iconbake OUTDIR SCALE,SCALE,... FILE.svg...
//
// writes OUTDIR/<name>@<scale>x.argb for every file and scale, each at the SVG's own size times
// the scale (rounded), drawn as the window would draw the SVG (antialiased, on transparency).
// The file is the layout widgets/Icons.cpp reads: "HMIC", the width and the height as 32-bit
// little-endian numbers, then the rows of premultiplied ARGB pixels as 32-bit numbers in the
// byte order of the machine (the build machine is the machine the program is built for).
// Exit status 0 when every file was written, 1 with a message otherwise.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>

namespace {

// "1.5" -> 1.5; 0 for anything that is not a positive scale up to 8.
double parseScale(const QString& text) {
    bool ok = false;
    const double scale = text.toDouble(&ok);
    return ok && scale > 0 && scale <= 8 ? scale : 0;
}

void putLittleEndian32(QByteArray& bytes, quint32 value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

bool writePixels(QSaveFile& file, const QImage& image) {
    QByteArray bytes("HMIC");
    putLittleEndian32(bytes, static_cast<quint32>(image.width()));
    putLittleEndian32(bytes, static_cast<quint32>(image.height()));
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y) {
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
    }
    return file.write(bytes) == bytes.size();
}

bool bakeOne(const QString& svgPath, const QString& outDir, const QList<double>& scales) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        std::fprintf(stderr, "hm_iconbake: %s is not a valid SVG image\n", qPrintable(svgPath));
        return false;
    }
    const QString base = QFileInfo(svgPath).completeBaseName();
    for (const double scale : scales) {
        const QSize pixels(static_cast<int>(std::lround(renderer.defaultSize().width() * scale)),
                           static_cast<int>(std::lround(renderer.defaultSize().height() * scale)));
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        }
        const QString out = QDir(outDir).filePath(
            QStringLiteral("%1@%2x.argb").arg(base, QString::number(scale, 'g', 4)));
        QSaveFile file(out);
        if (!file.open(QIODevice::WriteOnly) || !writePixels(file, image) || !file.commit()) {
            std::fprintf(stderr, "hm_iconbake: cannot write %s\n", qPrintable(out));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: hm_iconbake OUTDIR SCALE,SCALE,... FILE.svg...\n");
        return 1;
    }
    QList<double> scales;
    for (const QString& text : args.at(2).split(QLatin1Char(','))) {
        const double scale = parseScale(text);
        if (scale == 0) {
            std::fprintf(stderr, "hm_iconbake: bad scale '%s'\n", qPrintable(text));
            return 1;
        }
        scales.append(scale);
    }
    if (!QDir().mkpath(args.at(1))) {
        std::fprintf(stderr, "hm_iconbake: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (qsizetype i = 3; i < args.size(); ++i) {
        if (!bakeOne(args.at(i), args.at(1), scales)) {
            return 1;
        }
    }
    return 0;
}
