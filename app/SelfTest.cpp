#include "app/SelfTest.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QWidget>
#include <cstdio>

#include "histogram/CHistogramCtrl.h"
#include "mainwindow/CHaulDlg.h"
#include "widgets/CButtonST.h"

namespace hm {
namespace {

constexpr qint64 kWaitLimitMs = 60000;

void out(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
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
    dialog_.fileUi().setScripted(true);
    timer_.start();
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
    auto waitFailed = [&] {
        out(QStringLiteral("FAILED: %1 (title: %2)").arg(line, dialog_.windowTitle()));
        QCoreApplication::exit(3);
        std::exit(3);
    };
    if (name == QLatin1String("wait-title")) {
        const bool done = dialog_.windowTitle().endsWith(arg) && !dialog_.histogram()->buildingUp();
        if (done) {
            out(QStringLiteral("title: %1").arg(dialog_.windowTitle()));
            return true;
        }
        if (now - waitStarted_ > kWaitLimitMs) {
            waitFailed();
        }
        return false;
    }
    if (name == QLatin1String("sync")) {
        if (firstTry) {
            QFile marker(arg);
            marker.open(QIODevice::WriteOnly);
            out(QStringLiteral("sync: %1").arg(arg));
            return false;
        }
        if (QFile::exists(arg)) {
            if (now - waitStarted_ > kWaitLimitMs) {
                waitFailed();
            }
            return false;
        }
        return true;
    }
    if (name == QLatin1String("sleep")) {
        return now - waitStarted_ >= arg.toLongLong();
    }
    out(QStringLiteral("> %1").arg(line));
    if (name == QLatin1String("next")) {
        dialog_.onNext();
    } else if (name == QLatin1String("previous")) {
        dialog_.onPrevious();
    } else if (name == QLatin1String("reload")) {
        dialog_.onReload();
    } else if (name == QLatin1String("save")) {
        dialog_.onSave();
        out(QStringLiteral("saved=%1").arg(QString::fromStdString(dialog_.lastSavedPath())));
    } else if (name == QLatin1String("load") || name == QLatin1String("load-saved")) {
        dialog_.fileUi().setNextOpenPath(name == QLatin1String("load") ? arg.toStdString()
                                                                       : dialog_.lastSavedPath());
        dialog_.onLoad();
    } else if (name == QLatin1String("close")) {
        dialog_.onClose();
    } else if (name == QLatin1String("state")) {
        printState();
    } else {
        out(QStringLiteral("FAILED: unknown command %1").arg(line));
        std::exit(3);
    }
    if (name != QLatin1String("state") && name != QLatin1String("close")) {
        printState();
    }
    return true;
}

void SelfTest::printState() const {
    out(QStringLiteral("title=%1").arg(dialog_.windowTitle()));
    out(QStringLiteral("graph=%1").arg(dialog_.selectedGraph()));
    out(QStringLiteral("graph-title=%1").arg(dialog_.fieldText(CHaulDlg::kGraphTitle)));
    QStringList enabled;
    const std::pair<int, const char*> buttons[] = {
        {CHaulDlg::kLoad, "load"},           {CHaulDlg::kSave, "save"},
        {CHaulDlg::kReload, "reload"},       {CHaulDlg::kWrite, "write"},
        {CHaulDlg::kStability, "stability"}, {CHaulDlg::kInformation, "information"},
        {CHaulDlg::kPrint, "print"},         {CHaulDlg::kNext, "next"},
        {CHaulDlg::kPrevious, "previous"},   {CHaulDlg::kClose, "close"}};
    for (const auto& [id, label] : buttons) {
        if (dialog_.control(id)->isEnabled()) {
            enabled << QString::fromLatin1(label);
        }
    }
    out(QStringLiteral("enabled=%1").arg(enabled.join(QLatin1Char(','))));
    out(QStringLiteral("loaded=%1").arg(QString::fromStdString(dialog_.loadedFileName())));
}

}  // namespace hm
