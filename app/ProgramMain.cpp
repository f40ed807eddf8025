#include "app/ProgramMain.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/ArgumentBytes.h"
#include "app/GuiMain.h"
#include "app/Language.h"
#include "app/cli/Subcommand.h"
#include "platform/Environment.h"

namespace hm {
namespace {

void printUsage() {
    cli::printOut(QStringLiteral(
        "Usage: haulmetry [--demo] [--port PATH]... [--key ROT,MUL,DIV] [--trace FILE] [--language "
        "LANG] [--library URL]\n"
        "       [FILE]\n"
        "       haulmetry SUBCOMMAND [OPTIONS]\n"
        "\n"
        "The first form starts the window program; a subcommand works without a window.\n"
        "FILE, a data file, is opened in the window; when a window of this user\n"
        "already runs, FILE is handed to it and this start ends.\n"
        "\n"
        "Options of the window program:\n"
        "  --port PATH        probe this serial device first (repeatable, in order)\n"
        "  --demo             put the built-in virtual ECU first in the port table\n"
        "  --key ROT,MUL,DIV  security key constants of the ECU\n"
        "  --trace FILE       write every frame sent and received to FILE (ms, direction, hex)\n"
        "  --language LANG    texts in LANG (de, es, fr, it, nl, pl, en) instead of the locale's\n"
        "  --library URL      the trailer library: an SQLite file or postgresql://...\n"
        "  -h, --help         show this help\n"
        "  -v, --version      show the version\n"
        "\n"
        "Subcommands (SUBCOMMAND --help for their options):\n"));
    cli::printOut(cli::subcommandHelp().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// Runs a subcommand under the application object it needs. One that draws pages without a
// desktop session gets Qt's offscreen platform, asked for on its command line (the program
// never changes its own environment).
int runSubcommand(const cli::Subcommand& command, int argc, char** argv) {
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    std::vector<char*> args(argv, argv + argc);
    if (command.needsGui && !envNonEmpty(EnvVar::QtPlatform) && !envNonEmpty(EnvVar::Display) &&
        !envNonEmpty(EnvVar::WaylandDisplay)) {
        args.insert(args.begin() + 1, {platformOption, offscreen});
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    // The application object keeps `count` and `args`, which outlive it.
    std::unique_ptr<QCoreApplication> app;
    if (command.needsGui) {
        app = std::make_unique<QGuiApplication>(count, args.data());
    } else {
        app = std::make_unique<QCoreApplication>(count, args.data());
    }
    QCoreApplication::setApplicationName(QStringLiteral("haulmetry"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HM_VERSION_TEXT));
    if (QString error; !installLanguage(error)) {
        cli::printError(QStringLiteral("haulmetry: ") + error);
        return 2;
    }
    // From the arguments as the application object left them (it takes its own options out),
    // so that path arguments keep their exact bytes.
    return command.run(argumentsFromArgv(count, args.data(), 1));
}

}  // namespace

int programMain(int argc, char** argv, WindowHooks* hooks) {
    if (QString error; !takeLanguageOption(argc, argv, error)) {
        cli::printError(QStringLiteral("haulmetry: ") + error);
        return 2;
    }
    if (argc >= 2) {
        const QString first = argumentText(argv[1]);
        if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
            printUsage();
            return 0;
        }
        if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
            std::printf("haulmetry %s\n", HM_VERSION_TEXT);
            return 0;
        }
        if (const cli::Subcommand* command = cli::findSubcommand(first)) {
            return runSubcommand(*command, argc, argv);
        }
        // A first argument that is neither an option nor a subcommand is the window's data file
        // (a desktop double-click gives an absolute path); a bare word that names no file is
        // more likely a mistyped subcommand.
        struct stat st {};
        const bool looksLikeFile = std::strchr(argv[1], '/') != nullptr ||
                                   std::strchr(argv[1], '.') != nullptr ||
                                   ::stat(argv[1], &st) == 0;
        if (!first.startsWith(QLatin1Char('-')) && !looksLikeFile) {
            cli::printError(
                QStringLiteral("haulmetry: unknown subcommand '%1' (see haulmetry --help)")
                    .arg(displayArgument(first)));
            return 2;
        }
    }
    return runGui(argc, argv, hooks);
}

}  // namespace hm
