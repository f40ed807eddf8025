#include "print/CPrintGraphView.h"

#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "print/PageRenderer.h"

namespace hm {

namespace {
// The drawn page reaches 205 mm to the right and about 215 mm down; a small white margin
// around it.
constexpr double kPageWidthMm = 210.0;
constexpr double kPageHeightMm = 225.0;
}  // namespace

CPrintGraphView::CPrintGraphView(PageInputsProvider provider, PrintDialogRunner runner,
                                 QWidget* parent)
    : QWidget(parent), provider_(std::move(provider)), runner_(std::move(runner)) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CPrintGraphView::sizeHint() const {
    return QSize(static_cast<int>(std::lround(kPageWidthMm / 25.4 * logicalDpiX())),
                 static_cast<int>(std::lround(kPageHeightMm / 25.4 * logicalDpiY())));
}

void CPrintGraphView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!provider_) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(painter, provider_(), logicalDpiX(), logicalDpiY());
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
                          QStringLiteral("The page could not be printed on %1.").arg(where));
    return false;
}

}  // namespace hm
