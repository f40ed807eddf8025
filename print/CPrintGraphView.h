#pragma once
// The view of the print preview: draws the page from the current state on every paint, at the
// zoom chosen (100 % is the page's real size on the screen), centred on a grey backdrop when the
// view is wider; prints the same page through the print dialog. Ctrl+wheel zooms.
#include <QWidget>
#include <functional>

class QPrinter;

#include "print/PrintDialogRunner.h"
#include "print/core/PageDrawing.h"
#include "printing/PrintModule.h"

namespace hm {

class CPrintGraphView : public QWidget {
    Q_OBJECT
  public:
    // `runner` (may be empty: QPrintDialog) is asked by every print flow of the preview.
    explicit CPrintGraphView(PageInputsProvider provider, PrintDialogRunner runner = {},
                             QWidget* parent = nullptr);

    // The page at the current zoom; the view is never smaller.
    QSize sizeHint() const override;
    const PageInputsProvider& provider() const { return provider_; }

    // Zoom factor, 1.0 = real size; kept within kMinZoom..kMaxZoom. zoomChanged follows.
    static constexpr double kMinZoom = 0.25;
    static constexpr double kMaxZoom = 4.0;
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    // The zoom at which the page is `width` pixels wide.
    void fitWidth(int width);
    // Where the page is drawn in the view.
    QRect pageRect() const;

    // Runs the preview's print dialog runner on `printer`: true when the user accepted.
    bool runPrintDialog(QPrinter& printer, QWidget* parent) const;
    // The print flow: print dialog, then exactly one page.
    // Returns true when a page was printed, false when cancelled or the printer failed.
    bool print();

  signals:
    void zoomChanged(double zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QSize pageSize(double zoom) const;

    PageInputsProvider provider_;
    PrintDialogRunner runner_;
    double zoom_ = 1.0;
    int wheelAngle_ = 0;  // Ctrl+wheel turn not yet a whole notch (eighths of a degree)
};

}  // namespace hm
