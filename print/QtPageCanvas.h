#pragma once
// PageCanvas on a QPainter: maps page units (0.1 mm, y upward, origin at the painter's origin,
// the top-left corner of the printable area) onto the device with its resolution. Used for the
// preview window (screen resolution), the printer (printer resolution), PDF and PNG.
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include "print/core/PageCanvas.h"

class QPainter;

namespace hm {

class QtPageCanvas : public PageCanvas {
  public:
    // `painter` must stay active for the life of the canvas; `dpiX`/`dpiY` are the device's
    // dots per inch (logical DPI for a widget, resolution for a printer or image).
    QtPageCanvas(QPainter& painter, double dpiX, double dpiY);

    void setBrush(PageColor fill) override;
    void setTextBackground(PageColor background) override;
    void setFont(const PageFont& font) override;
    void rectangle(const PageRect& rect) override;
    void textInRect(const PageRect& rect, const std::string& text, TextLayout layout) override;
    void textAt(int x, int y, const std::string& text) override;
    PageSize measureText(const std::string& text) override;
    void bitmap(const PageRect& rect, PageBitmap bitmap) override;

    QPointF toDevice(int x, int y) const;
    QRectF toDevice(const PageRect& rect) const;

  private:
    QPainter& painter_;
    double sx_;  // device units per page unit
    double sy_;
    QColor brush_{Qt::white};
    QColor background_{Qt::white};
    QFont font_;
    int escapement_ = 0;
};

}  // namespace hm
