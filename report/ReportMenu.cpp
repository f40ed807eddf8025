#include "report/ReportMenu.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>

#include "fleetdata/DataFile.h"
#include "print/CPrintGraphView.h"
#include "report/ReportRenderer.h"

namespace hm {
namespace {

const QString kCaption = QStringLiteral("Haulmetry");

// The name offered in the save dialog: the loaded file's name with ".pdf", else one built from
// the vehicle identification.
QString suggestedReportName(const PageInputs& inputs) {
    if (!inputs.loadedFileName.empty()) {
        return QFileInfo(QString::fromStdString(inputs.loadedFileName)).completeBaseName() +
               QStringLiteral(".pdf");
    }
    return QStringLiteral("Haulmetry %1 - Report.pdf")
        .arg(QString::fromStdString(sanitiseVehicleIdent(inputs.image.vehicleIdentString())));
}

void saveReport(CPrintGraphView* view, QWidget* window) {
    if (!view->provider()) {
        return;
    }
    QString path = QFileDialog::getSaveFileName(window, QStringLiteral("Save Report as PDF"),
                                                suggestedReportName(view->provider()()),
                                                QStringLiteral("PDF Files (*.pdf);;All Files (*)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    // The data is read again after the dialog: the preview may have changed meanwhile.
    const PageInputs inputs = view->provider()();
    const ReportSource source{inputs.image, inputs.loadedFileName, inputs.ecuType};
    QString error;
    if (!writeReportPdf(source, path, &error)) {
        QMessageBox::warning(window, kCaption,
                             QStringLiteral("The report was not saved: %1.").arg(error));
    }
}

void printAllPages(CPrintGraphView* view, QWidget* window) {
    if (!view->provider()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    {
        const PageInputs inputs = view->provider()();
        printer.setFromTo(
            1, reportPageCount(ReportSource{inputs.image, inputs.loadedFileName, inputs.ecuType}));
    }
    if (!view->runPrintDialog(printer, window)) {
        return;
    }
    const PageInputs inputs = view->provider()();
    QString error;
    if (!printReport(printer, ReportSource{inputs.image, inputs.loadedFileName, inputs.ecuType},
                     &error)) {
        QMessageBox::warning(window, kCaption,
                             QStringLiteral("The report was not printed: %1").arg(error));
    }
}

}  // namespace

void addReportEntries(QMenu* fileMenu, CPrintGraphView* view, QWidget* window) {
    QAction* save = fileMenu->addAction(QStringLiteral("Save &Report as PDF..."));
    save->setObjectName(QStringLiteral("saveReportAction"));
    QObject::connect(save, &QAction::triggered, window,
                     [view, window] { saveReport(view, window); });
    QAction* print = fileMenu->addAction(QStringLiteral("Print &All Pages..."));
    print->setObjectName(QStringLiteral("printAllPagesAction"));
    QObject::connect(print, &QAction::triggered, window,
                     [view, window] { printAllPages(view, window); });
}

}  // namespace hm
