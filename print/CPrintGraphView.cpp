#include "print/CPrintGraphView.h"

#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "print/PageRenderer.h"
#include "resources/Strings.h"
#include "widgets/UiText.h"

namespace hm {

namespace {
// The drawn page reaches 205 mm to the right and about 215 mm down; a small white margin
// around it.
constexpr double kPageWidthMm = 210.0;
constexpr double kPageHeightMm = 225.0;
// Each zoom step enlarges or shrinks by a quarter.
constexpr double kZoomStep = 1.25;
}  // namespace

CPrintGraphView::CPrintGraphView(PageInputsProvider provider, PrintDialogRunner runner,
                                 QWidget* parent)
    : QWidget(parent), provider_(std::move(provider)), runner_(std::move(runner)) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The page takes the keyboard focus (Tab reaches it, the arrow keys scroll it) and says
    // what it is to assistive technology.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(uiText(sid::kA11yPage));
    setAccessibleDescription(uiText(sid::kA11yPageDescription));
}

QSize CPrintGraphView::pageSize(double zoom) const {
    return QSize(static_cast<int>(std::lround(kPageWidthMm / 25.4 * logicalDpiX() * zoom)),
                 static_cast<int>(std::lround(kPageHeightMm / 25.4 * logicalDpiY() * zoom)));
}

QSize CPrintGraphView::sizeHint() const {
    return pageSize(zoom_);
}

QRect CPrintGraphView::pageRect() const {
    const QSize page = pageSize(zoom_);
    return QRect(QPoint(std::max(0, (width() - page.width()) / 2), 0), page);
}

void CPrintGraphView::setZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
    emit zoomChanged(zoom_);
}

void CPrintGraphView::zoomIn() {
    setZoom(zoom_ * kZoomStep);
}

void CPrintGraphView::zoomOut() {
    setZoom(zoom_ / kZoomStep);
}

void CPrintGraphView::fitWidth(int width) {
    const int pageWidth = pageSize(1.0).width();
    if (width > 0 && pageWidth > 0) {
        setZoom(static_cast<double>(width) / pageWidth);
    }
}

void CPrintGraphView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect page = pageRect();
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    painter.fillRect(page, Qt::white);
    if (!provider_) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(page);
    painter.translate(page.topLeft());
    paintPage(painter, provider_(), logicalDpiX() * zoom_, logicalDpiY() * zoom_);
    if (hasFocus()) {
        // The focused page is framed by a dotted line inside its edge.
        painter.resetTransform();
        painter.setClipping(false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(page.adjusted(2, 2, -3, -3));
    }
}

void CPrintGraphView::wheelEvent(QWheelEvent* event) {
    // Ctrl+wheel zooms, one step per notch (a touchpad's small steps add up); the plain wheel
    // scrolls (the scroll area's).
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    event->accept();
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / 120;
    wheelAngle_ %= 120;
    if (notches != 0) {
        setZoom(zoom_ * std::pow(kZoomStep, notches));
    }
}

bool CPrintGraphView::runPrintDialog(QPrinter& printer, QWidget* parent) const {
    return hm::runPrintDialog(runner_, printer, parent);
}

bool CPrintGraphView::print() {
    if (!provider_) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(1, 1);
    if (!runPrintDialog(printer, this)) {
        return false;
    }
    if (printPage(printer, provider_())) {
        return true;
    }
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    QMessageBox::critical(this, QStringLiteral("Haulmetry"),
                          tr("The page could not be printed on %1.").arg(where));
    return false;
}

}  // namespace hm
