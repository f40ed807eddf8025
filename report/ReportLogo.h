#pragma once
// The workshop's logo on the report's cover: an SVG drawn as vectors, or a PNG embedded with its
// own pixels at no less than 300 dots per inch. Read from outside, so it is checked before it is
// drawn: only a regular file of at most 2 MiB, a PNG by its signature and of at most 8000 x 8000
// pixels, or an SVG that Qt reads and that names no outside file, script or entity. Window
// thread or a command-line main thread.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <string>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace hm {

class ReportLogo {
  public:
    // Reads and checks `path` (file-system bytes). problem() says why it cannot be drawn.
    explicit ReportLogo(const std::string& path);
    ~ReportLogo();
    ReportLogo(const ReportLogo&) = delete;
    ReportLogo& operator=(const ReportLogo&) = delete;

    // Empty when the logo can be drawn; else a short translated reason ("is not a PNG or SVG
    // image", "is larger than 2 MiB", ...).
    QString problem() const { return problem_; }

    // Draws the logo inside `box` (device units of `painter`, whose resolution is `dpi`), as
    // large as fits with its aspect ratio, centred vertically and set to the left; nothing when
    // problem() is not empty.
    void draw(QPainter& painter, const QRectF& box, double dpi) const;

  private:
    void readSvg(const QByteArray& bytes);
    void readPng(const QByteArray& bytes);

    QString problem_;
    QImage png_;
    std::unique_ptr<QSvgRenderer> svg_;
};

}  // namespace hm
