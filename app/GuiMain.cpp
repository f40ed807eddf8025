#include "app/GuiMain.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CHaulApp.h"
#include "app/Language.h"
#include "platform/Environment.h"

namespace hm {
namespace {

constexpr const char* kNoDisplay =
    "haulmetry: no display: run it in a desktop session, or use a subcommand "
    "(see haulmetry --help)\n";

// Qt's messages while the application object starts. A fatal one there means that no platform
// could be opened (a display that is set but cannot be reached): it ends the program with the
// one line above instead of Qt's abort. Other messages are held back and printed once the start
// has succeeded.
bool g_starting = false;
QtMessageHandler g_previousHandler = nullptr;
QStringList g_held;

void startMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (g_starting && type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(1);
    }
    if (g_starting) {
        g_held.append(text);
        return;
    }
    g_previousHandler(type, context, text);
}

}  // namespace

bool displayAvailable() {
    const QByteArray platform = QByteArray::fromStdString(envValue(EnvVar::QtPlatform).value_or(""))
                                    .split(';')
                                    .front()
                                    .trimmed();
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) {
        return true;  // offscreen, vnc, eglfs...: no desktop session needed
    }
    return envNonEmpty(EnvVar::Display) || envNonEmpty(EnvVar::WaylandDisplay);
}

int runGui(int argc, char** argv, WindowHooks* hooks) {
    GuiOptions options;
    std::string error;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!parseGuiOptions(args, options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (!displayAvailable()) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    g_starting = true;
    g_previousHandler = qInstallMessageHandler(startMessageHandler);
    QApplication app(argc, argv);
    g_starting = false;
    qInstallMessageHandler(g_previousHandler);
    for (const QString& text : std::as_const(g_held)) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    g_held.clear();
    QApplication::setApplicationName(QStringLiteral("Haulmetry"));
    QApplication::setApplicationVersion(QStringLiteral(HM_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("org.haulmetry.Haulmetry"));
    if (QString problem; !installLanguage(problem)) {
        std::fprintf(stderr, "haulmetry: %s\n", problem.toLocal8Bit().constData());
        return 2;
    }
    CHaulApp haul;
    return haul.run(options, hooks);
}

}  // namespace hm
