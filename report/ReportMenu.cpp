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
#include <QPointer>
#include <QPrinter>
#include <memory>

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

// The data a report is made of, copied when it is chosen: the preview may show other data by
// the time the context is gathered.
struct ReportData {
    FleetDataImage image;
    std::string fileName;
    std::string ecuType;
};

// Gathers the context of a report of `data` (at once when there is no `fill`), tells what went
// wrong in a message box (a library that cannot be read, a bad logo: left out), then calls
// `make` with the report's source. The window may have closed meanwhile: messages then have
// no parent.
void withContext(std::shared_ptr<const ReportData> data, const ReportContextFn& fill,
                 QWidget* window, std::function<void(const ReportSource&, QWidget*)> make) {
    QPointer<QWidget> parent(window);
    ReportContextDone done = [data, parent, make](const ReportContext& gathered,
                                                  const std::string& problem) {
        QApplication::restoreOverrideCursor();
        ReportContext context = gathered;
        std::string told = problem;
        const QString logo = reportLogoProblem(ReportSource{data->image, {}, {}, &context});
        if (!logo.isEmpty()) {
            context.workshop.logoPath.clear();
            told += (told.empty() ? "" : "\n") + logo.toStdString();
        }
        if (!told.empty()) {
            QMessageBox::warning(parent, kCaption, QString::fromStdString(told));
        }
        make(ReportSource{data->image, data->fileName, data->ecuType, &context}, parent);
    };
    // Gathering may take a moment (the library's thread, a shared library's server): say so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (fill) {
        fill(data->image, std::move(done));
    } else {
        done(ReportContext{}, {});
    }
}

std::shared_ptr<const ReportData> dataOf(CPrintGraphView* view) {
    const PageInputs inputs = view->provider()();
    return std::make_shared<const ReportData>(
        ReportData{inputs.image, inputs.loadedFileName, inputs.ecuType});
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
    withContext(dataOf(view), fill, window, [path](const ReportSource& source, QWidget* parent) {
        QString error;
        if (!writeReportPdf(source, path, &error)) {
            QMessageBox::warning(
                parent, kCaption,
                QCoreApplication::translate("hm::ReportMenu", "The report was not saved: %1.")
                    .arg(error));
        }
    });
}

void printAllPages(CPrintGraphView* view, QWidget* window, const ReportContextFn& fill) {
    if (!view->provider()) {
        return;
    }
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    {
        const PageInputs inputs = view->provider()();
        printer->setFromTo(
            1, reportPageCount(ReportSource{inputs.image, inputs.loadedFileName, inputs.ecuType}));
    }
    if (!view->runPrintDialog(*printer, window)) {
        return;
    }
    withContext(dataOf(view), fill, window, [printer](const ReportSource& source, QWidget* parent) {
        QString error;
        if (!printReport(*printer, source, &error)) {
            QMessageBox::warning(
                parent, kCaption,
                QCoreApplication::translate("hm::ReportMenu", "The report was not printed: %1")
                    .arg(error));
        }
    });
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
