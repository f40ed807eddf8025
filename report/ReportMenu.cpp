#include "report/ReportMenu.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>

#include "fleetdata/DataFile.h"
#include "print/CPrintGraphView.h"
#include "report/ReportRenderer.h"
#include "report/core/ReportContext.h"

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

// The context of a report of `inputs`; what went wrong filling it (the library cannot be read,
// a bad logo) is told in a message box, and the report is made all the same.
ReportContext contextFor(const PageInputs& inputs, const ReportContextFn& fill, QWidget* window) {
    ReportContext context;
    std::string problem;
    if (fill) {
        // Reading the library may take a moment (a shared library's server): say so.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        fill(inputs, context, problem);
        QApplication::restoreOverrideCursor();
    }
    QString logo = reportLogoProblem(ReportSource{inputs.image, {}, {}, &context});
    if (!logo.isEmpty()) {
        context.workshop.logoPath.clear();
        problem += (problem.empty() ? "" : "\n") + logo.toStdString();
    }
    if (!problem.empty()) {
        QMessageBox::warning(window, kCaption, QString::fromStdString(problem));
    }
    return context;
}

void saveReport(CPrintGraphView* view, QWidget* window, const StartFolderFn& startFolder,
                const ReportContextFn& fill) {
    if (!view->provider()) {
        return;
    }
    QString suggested = suggestedReportName(view->provider()());
    if (startFolder) {
        suggested =
            QDir(QFile::decodeName(QByteArray::fromStdString(startFolder()))).filePath(suggested);
    }
    QString path = QFileDialog::getSaveFileName(
        window, QCoreApplication::translate("hm::ReportMenu", "Save Report as PDF"), suggested,
        QCoreApplication::translate("hm::ReportMenu", "PDF Files (*.pdf);;All Files (*)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    // The data is read again after the dialog: the preview may have changed meanwhile.
    const PageInputs inputs = view->provider()();
    const ReportContext context = contextFor(inputs, fill, window);
    const ReportSource source{inputs.image, inputs.loadedFileName, inputs.ecuType, &context};
    QString error;
    if (!writeReportPdf(source, path, &error)) {
        QMessageBox::warning(
            window, kCaption,
            QCoreApplication::translate("hm::ReportMenu", "The report was not saved: %1.")
                .arg(error));
    }
}

void printAllPages(CPrintGraphView* view, QWidget* window, const ReportContextFn& fill) {
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
    const ReportContext context = contextFor(inputs, fill, window);
    QString error;
    if (!printReport(printer,
                     ReportSource{inputs.image, inputs.loadedFileName, inputs.ecuType, &context},
                     &error)) {
        QMessageBox::warning(
            window, kCaption,
            QCoreApplication::translate("hm::ReportMenu", "The report was not printed: %1")
                .arg(error));
    }
}

void addEntries(QMenu* fileMenu, CPrintGraphView* view, QWidget* window,
                const StartFolderFn& startFolder, const ReportContextFn& fill) {
    QAction* save = fileMenu->addAction(
        QCoreApplication::translate("hm::ReportMenu", "Save &Report as PDF..."));
    save->setObjectName(QStringLiteral("saveReportAction"));
    QObject::connect(save, &QAction::triggered, window, [view, window, startFolder, fill] {
        saveReport(view, window, startFolder, fill);
    });
    QAction* print =
        fileMenu->addAction(QCoreApplication::translate("hm::ReportMenu", "Print &All Pages..."));
    print->setObjectName(QStringLiteral("printAllPagesAction"));
    QObject::connect(print, &QAction::triggered, window,
                     [view, window, fill] { printAllPages(view, window, fill); });
}

}  // namespace

void addReportEntries(QMenu* fileMenu, CPrintGraphView* view, QWidget* window) {
    addEntries(fileMenu, view, window, {}, {});
}

PreviewMenuEntries reportEntries(StartFolderFn startFolder, ReportContextFn context) {
    return [startFolder = std::move(startFolder), context = std::move(context)](
               QMenu* fileMenu, CPrintGraphView* view, QWidget* window) {
        addEntries(fileMenu, view, window, startFolder, context);
    };
}

}  // namespace hm
