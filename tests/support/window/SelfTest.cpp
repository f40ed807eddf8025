#include "tests/support/window/SelfTest.h"

#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QFile>
#include <QMouseEvent>
#include <QPrinter>
#include <QWidget>

#include <cstdio>
#include <optional>
#include <utility>

#include "histogram/CHistogramCtrl.h"
#include "mainwindow/CHaulDlg.h"
#include "widgets/CButtonST.h"

namespace hmtest {
namespace {

using hm::CButtonST;
using hm::CHistogramCtrl;

constexpr qint64 kWaitLimitMs = 60000;

// The buttons as the script names them.
constexpr std::pair<CHaulDlg::ControlId, const char*> kButtonNames[] = {
    {CHaulDlg::ControlId::Load, "load"},
    {CHaulDlg::ControlId::Save, "save"},
    {CHaulDlg::ControlId::Reload, "reload"},
    {CHaulDlg::ControlId::Erase, "erase"},
    {CHaulDlg::ControlId::Stability, "stability"},
    {CHaulDlg::ControlId::Information, "information"},
    {CHaulDlg::ControlId::Print, "print"},
    {CHaulDlg::ControlId::Next, "next"},
    {CHaulDlg::ControlId::Previous, "previous"},
    {CHaulDlg::ControlId::Close, "close"}};

void out(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

// Milliseconds since the process started (kernel start time, 10 ms resolution); -1 if unknown.
qint64 msSinceProcessStart() {
    QFile statFile(QStringLiteral("/proc/self/stat"));
    QFile uptimeFile(QStringLiteral("/proc/uptime"));
    if (!statFile.open(QIODevice::ReadOnly) || !uptimeFile.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray stat = statFile.readAll();
    // Fields after the command name (which may hold blanks) start after the last ')'.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20) {
        return -1;
    }
    const double startTicks = fields[19].toDouble();  // field 22: start time in clock ticks
    const double uptime = uptimeFile.readAll().split(' ').value(0).toDouble();
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return static_cast<qint64>((uptime - startTicks / ticksPerSecond) * 1000.0);
}

// The commands that wait: true when done, false to be asked again at the next step, nothing
// for any other command. `waited` counts from the first try. A wait past the limit ends the
// program with status 3.
std::optional<bool> waitCommand(const CHaulDlg& dialog, const QString& line, qint64 waited,
                                bool firstTry) {
    const QString name = line.section(QLatin1Char(' '), 0, 0);
    const QString arg = line.section(QLatin1Char(' '), 1);
    const auto giveUpAfterLimit = [&] {
        if (waited > kWaitLimitMs) {
            out(QStringLiteral("FAILED: %1 (title: %2)").arg(line, dialog.windowTitle()));
            QCoreApplication::exit(3);
            std::exit(3);
        }
        return false;
    };
    if (name == QLatin1String("wait-title")) {
        if (dialog.windowTitle().endsWith(arg) && !dialog.histogram()->buildingUp()) {
            out(QStringLiteral("title: %1").arg(dialog.windowTitle()));
            return true;
        }
        return giveUpAfterLimit();
    }
    if (name == QLatin1String("sync")) {
        if (firstTry) {
            QFile marker(arg);
            marker.open(QIODevice::WriteOnly);
            out(QStringLiteral("sync: %1").arg(arg));
            return false;
        }
        return QFile::exists(arg) ? giveUpAfterLimit() : true;
    }
    if (name == QLatin1String("sleep")) {
        return waited >= arg.toLongLong();
    }
    return std::nullopt;
}

// Rests the pointer on bar `bar` of the chart, so that its tooltip comes up.
void hoverBar(CHaulDlg& dialog, int bar) {
    CHistogramCtrl* chart = dialog.histogram();
    const QPoint at = chart->tipRect(bar).center() + chart->clientRect().topLeft();
    QCursor::setPos(chart->mapToGlobal(at));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), chart->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(chart, &move);
}

// The centre of a button in its window's coordinates, for a test that clicks it for real, and
// whether the main dialog blocks input to every other window (the preview included).
void printWhere(CHaulDlg& dialog, const QString& buttonName) {
    for (const auto& [id, label] : kButtonNames) {
        if (buttonName == QLatin1String(label)) {
            const QWidget* button = dialog.control(id);
            const QPoint at = button->mapTo(button->window(), button->rect().center());
            out(QStringLiteral("where %1=%2,%3").arg(buttonName).arg(at.x()).arg(at.y()));
        }
    }
    out(QStringLiteral("main-modal=%1").arg(QApplication::activeModalWidget() == &dialog));
}

// The commands that act at once; false for a name that is no command.
bool actCommand(CHaulDlg& dialog, const QString& name, const QString& arg) {
    if (name == QLatin1String("next")) {
        dialog.onNext();
    } else if (name == QLatin1String("previous")) {
        dialog.onPrevious();
    } else if (name == QLatin1String("reload")) {
        dialog.onReload();
    } else if (name == QLatin1String("save")) {
        dialog.onSave();
        out(QStringLiteral("saved=%1")
                .arg(QString::fromStdString(dialog.session().lastSavedPath())));
    } else if (name == QLatin1String("load") || name == QLatin1String("load-saved")) {
        scriptAnswers(dialog).setNextOpenPath(
            name == QLatin1String("load") ? arg.toStdString() : dialog.session().lastSavedPath());
        dialog.onLoad();
    } else if (name == QLatin1String("choose")) {
        // Only sets the answer of the next open-file dialog; the load itself is then started by
        // a real click on the load button.
        scriptAnswers(dialog).setNextOpenPath(arg.toStdString());
    } else if (name == QLatin1String("close")) {
        dialog.onClose();
    } else if (name == QLatin1String("hover-bar")) {
        hoverBar(dialog, arg.toInt());
    } else if (name == QLatin1String("where")) {
        printWhere(dialog, arg);
    } else if (name == QLatin1String("elapsed")) {
        out(QStringLiteral("elapsed-ms=%1").arg(msSinceProcessStart()));
    } else {
        return name == QLatin1String("state");  // printed by the caller
    }
    return true;
}

}  // namespace

SelfTest::SelfTest(CHaulDlg& dialog, QStringList commands)
    : QObject(&dialog), dialog_(dialog), commands_(std::move(commands)) {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, &SelfTest::step);
}

QStringList SelfTest::readScript(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = file.errorString();
        return {};
    }
    QStringList lines;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            lines << line;
        }
    }
    return lines;
}

void SelfTest::start() {
    scriptAnswers(dialog_);
    timer_.start();
    QTimer::singleShot(0, this, &SelfTest::step);  // first command on the first loop pass
}

void SelfTest::step() {
    while (next_ < commands_.size()) {
        if (!runCommand(commands_[next_])) {
            return;
        }
        waitStarted_ = -1;
        ++next_;
    }
    timer_.stop();
}

bool SelfTest::runCommand(const QString& line) {
    const QString name = line.section(QLatin1Char(' '), 0, 0);
    const QString arg = line.section(QLatin1Char(' '), 1);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const bool firstTry = waitStarted_ < 0;
    if (firstTry) {
        waitStarted_ = now;
    }
    if (const std::optional<bool> done = waitCommand(dialog_, line, now - waitStarted_, firstTry)) {
        return *done;
    }
    out(QStringLiteral("> %1").arg(line));
    if (!actCommand(dialog_, name, arg)) {
        out(QStringLiteral("FAILED: unknown command %1").arg(line));
        std::exit(3);
    }
    if (name != QLatin1String("close")) {
        printState();
    }
    return true;
}

void SelfTest::printState() const {
    out(QStringLiteral("title=%1").arg(dialog_.windowTitle()));
    out(QStringLiteral("graph=%1").arg(dialog_.session().graphRecord().selectedGraph));
    out(QStringLiteral("graph-title=%1").arg(dialog_.fieldText(CHaulDlg::ControlId::GraphTitle)));
    QStringList enabled;
    for (const auto& [id, label] : kButtonNames) {
        if (dialog_.control(id)->isEnabled()) {
            enabled << QString::fromLatin1(label);
        }
    }
    out(QStringLiteral("enabled=%1").arg(enabled.join(QLatin1Char(','))));
    out(QStringLiteral("loaded=%1")
            .arg(QString::fromStdString(dialog_.session().loadedFileName())));
    if (const auto* status =
            qobject_cast<const CButtonST*>(dialog_.control(CHaulDlg::ControlId::Status))) {
        QString tip = status->tipText();
        out(QStringLiteral("status-tip=%1")
                .arg(tip.replace(QLatin1Char('\n'), QLatin1String("\\n"))));
    }
}

SelfTestHooks::SelfTestHooks()
    : scriptPath_(qEnvironmentVariable("HAULMETRY_TEST_SCRIPT")),
      printFile_(qEnvironmentVariable("HAULMETRY_PRINT_FILE")),
      sysfsTtyDir_(qgetenv("HAULMETRY_SYSFS_TTY_DIR")) {}

void SelfTestHooks::adjustPortScan(hm::ecu::PortScanConfig& scan) {
    if (!sysfsTtyDir_.isEmpty()) {
        scan.sysClassTtyDir = sysfsTtyDir_.toStdString();
    }
}

void SelfTestHooks::adjustOptions(CHaulDlg::Options& options) {
    if (!printFile_.isEmpty()) {
        options.printDialog = [file = printFile_](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        };
    }
}

bool SelfTestHooks::attach(CHaulDlg& dialog) {
    if (scriptPath_.isEmpty()) {
        return true;
    }
    QString error;
    const QStringList commands = SelfTest::readScript(scriptPath_, &error);
    if (commands.isEmpty()) {
        std::fprintf(stderr, "haulmetry: test script: %s\n", error.toLocal8Bit().constData());
        return false;
    }
    (new SelfTest(dialog, commands))->start();  // a child of the dialog
    return true;
}

}  // namespace hmtest
