// The preview's "Print All Pages..." entry: through the (injected) print dialog, every page of
// the report of the data the preview shows, and nothing when the dialog is cancelled.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <cstring>

#include "print/CMainFrame.h"
#include "print/CPrintGraphApp.h"
#include "report/ReportMenu.h"
#include "tests/support/TestSupport.h"

namespace hm {
namespace {

int pdfPageCount(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page/") + pdf.count("/Type /Page "));
}

TEST(ReportMenu, PrintAllPagesPrintsCoverGraphsAndStoredRecords) {
    FleetDataImage image{};
    image.clear();
    std::strcpy(image.vehicleIdent, "VIN0042");
    image.stabilityRecordCount = 2;
    auto provider = [&image] { return PageInputs{image, {}, PageKind::Graph, 0, "trip.asc", 0}; };
    hmtest::TempDir dir;
    const QString pdf = QString::fromStdString((dir / "all.pdf").string());
    bool accept = false;
    int dialogs = 0;
    CPrintGraphApp app(
        [&](QPrinter& printer, QWidget*) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return accept;
        },
        addReportEntries);
    ASSERT_EQ(app.OpenPreview(provider), 1);
    auto* action = app.previewWindow()->findChild<QAction*>("printAllPagesAction");
    ASSERT_NE(action, nullptr);

    action->trigger();  // cancelled
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf));

    accept = true;
    action->trigger();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfPageCount(file.readAll()), 1 + 10 + 2);

    app.closePreview();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace hm
