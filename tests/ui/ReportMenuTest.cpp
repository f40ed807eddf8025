// The preview's "Print All Pages..." entry: through the (injected) print dialog, every page of
// the report of the data the preview shows (the ECU type on its cover), and nothing when the
// dialog is cancelled.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <cstring>

#include "print/CMainFrame.h"
#include "print/CPrintGraphApp.h"
#include "report/ReportMenu.h"
#include "report/core/ReportContext.h"
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
    // Data as a download leaves it: never saved, with the ECU type the window shows.
    auto provider = [&image] { return PageInputs{image, {}, PageKind::Graph, 0, "", 0, "B337"}; };
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
    EXPECT_EQ(pdfPageCount(file.readAll()), 1 + 1 + 10 + 2 + 1);  // cover, findings, sign-off

    // The cover names the ECU type and says about the saved time what the page headers say.
    // pdftotext (poppler-utils) is one of the test tools of scripts/deps.sh.
    auto pageText = [&](int n) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"), QString::number(n),
                 pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString cover = pageText(1);
    EXPECT_TRUE(cover.contains(QStringLiteral("B337"))) << cover.toStdString();
    EXPECT_TRUE(cover.contains(QStringLiteral("Not saved"))) << cover.toStdString();
    EXPECT_TRUE(pageText(3).contains(QStringLiteral("Not saved")));

    app.closePreview();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What the report entries fill in beyond the data reaches the report, and a logo that cannot
// be drawn is told in a message box while the report is printed without it.
TEST(ReportMenu, TheContextReachesTheReportAndABadLogoIsToldInTheWindow) {
    FleetDataImage image{};
    image.clear();
    std::strcpy(image.vehicleIdent, "VIN0042");
    auto provider = [&image] { return PageInputs{image, {}, PageKind::Graph, 0, "a.asc", 0}; };
    hmtest::TempDir dir;
    hmtest::writeFileText(
        dir / "bad.svg",
        "<svg xmlns='http://www.w3.org/2000/svg'><image href='/etc/hostname'/></svg>");
    const QString pdf = QString::fromStdString((dir / "all.pdf").string());
    const std::string logo = (dir / "bad.svg").string();
    const ReportContextFn fill = [&logo](const FleetDataImage&, const ReportContextDone& done) {
        ReportContext context;
        context.workshop.name = "Nordwerk";
        context.workshop.logoPath = logo;
        context.trailer.plate = "HH-NW 4711";
        done(context, "");
    };
    CPrintGraphApp app(
        [&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        },
        reportEntries({}, fill));
    ASSERT_EQ(app.OpenPreview(provider), 1);
    auto* action = app.previewWindow()->findChild<QAction*>("printAllPagesAction");
    ASSERT_NE(action, nullptr);
    QString told;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&told] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->accept();
        }
    });
    closer.start(20);
    action->trigger();
    closer.stop();
    EXPECT_TRUE(told.contains(QString::fromStdString(logo))) << told.toStdString();
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString cover = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(cover.contains(QStringLiteral("HH-NW 4711"))) << cover.toStdString();
    EXPECT_TRUE(cover.contains(QStringLiteral("Nordwerk"))) << cover.toStdString();
    app.closePreview();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace hm
