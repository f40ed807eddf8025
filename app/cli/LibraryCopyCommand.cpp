// `haulmetry library copy FROM TO` (every download of one library into another) and
// `haulmetry library backup FILE` (SQLite's online backup of an SQLite library).
//
// Exit status: 0 done; 3 done except for downloads skipped because their image does not match
// its hash; 1 not done (bad arguments, a library that cannot be opened, a copy cut off: run it
// again to finish it).
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <string>

#include "app/cli/DataFileArgs.h"
#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"
#include "library/LibraryCopy.h"

namespace hm::cli {
namespace {

constexpr int kPartly = 3;

QString counts(const library::CopyResult& r) {
    const QString downloads =
        QCoreApplication::translate("hm::cli", "%1 copied, %2 already there, %3 skipped")
            .arg(QString::number(r.copied), QString::number(r.already), QString::number(r.skipped));
    return r.details == 0 ? downloads
                          : downloads + QLatin1Char('\n') +
                                QCoreApplication::translate(
                                    "hm::cli", "%1 change(s) of trailers' details copied")
                                    .arg(r.details);
}

// Each line of `message` as "haulmetry library SUB: line".
void reportLines(const char* subcommand, const std::string& message) {
    const QStringList lines = QString::fromStdString(message).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.isEmpty()) {
            libraryError(subcommand, line.toStdString());
        }
    }
}

// The two libraries as given, or a one-line error. An empty argument would mean "the default
// library", which a copy must never pick silently.
bool copyArguments(const QCommandLineParser& parser, std::string& from, std::string& to) {
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty()) {
        libraryError("copy", QCoreApplication::translate(
                                 "hm::cli",
                                 "expected two libraries, FROM and TO (see haulmetry library copy "
                                 "--help)")
                                 .toStdString());
        return false;
    }
    from = localPath(args[0]);
    to = localPath(args[1]);
    return true;
}

// The progress line on a terminal: rewritten in place, cleared at the end.
void showProgress(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

}  // namespace

int runLibraryCopy(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "hm::cli",
        "Copies every download of the library FROM into the library TO (each an SQLite file or "
        "a postgresql:// URL), keeping each download's identification, times, computer, "
        "workshop, source and path. TO is created or brought forward as an import would. Each "
        "batch is one transaction and data already in TO is not stored twice, so a copy that "
        "was cut off is finished by running it again. An image that does not match its hash is "
        "named and skipped."));
    addHelpOption(parser);
    parser.addPositionalArgument(QStringLiteral("FROM"),
                                 QCoreApplication::translate("hm::cli", "The library to read."));
    parser.addPositionalArgument(QStringLiteral("TO"),
                                 QCoreApplication::translate("hm::cli", "The library to add to."));
    processArguments(parser, args, QStringLiteral("library copy"));
    std::string from;
    std::string to;
    if (!copyArguments(parser, from, to)) {
        return 1;
    }
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const library::CopyResult result = library::copyLibrary(
        library::resolveLocation(from), library::resolveLocation(to),
        [terminal](const library::CopyResult& r) {
            if (terminal) {
                showProgress(QStringLiteral("\r") + counts(r) + QStringLiteral("\x1b[K"));
            }
        });
    if (terminal) {
        showProgress(QStringLiteral("\r\x1b[K"));  // the summary follows on standard output
    }
    reportLines("copy", result.message);
    printOut(counts(result) + QLatin1Char('\n'));
    if (!result.ok) {
        return 1;
    }
    return result.skipped > 0 ? kPartly : 0;
}

int runLibraryBackup(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "hm::cli",
        "Writes a copy of the SQLite library into the new file FILE with SQLite's online backup: "
        "safe while the window and other commands use the library. The copy is checked before "
        "it gets its name; an existing FILE is never replaced. A shared library is backed up on "
        "its server with pg_dump, or copied into an SQLite file with library copy."));
    addHelpOption(parser);
    parser.addOption(libraryOption());
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("hm::cli", "The new file."));
    processArguments(parser, args, QStringLiteral("library backup"));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1 || files[0].isEmpty()) {
        libraryError("backup",
                     QCoreApplication::translate(
                         "hm::cli", "expected one FILE (see haulmetry library backup --help)")
                         .toStdString());
        return 1;
    }
    const std::string url = parser.isSet(QStringLiteral("library"))
                                ? localPath(parser.value(QStringLiteral("library")))
                                : std::string();
    std::string summary;
    std::string error;
    if (!library::backupLibrary(library::resolveLocation(url), localPath(files[0]), summary,
                                error)) {
        libraryError("backup", error);
        return 1;
    }
    printOut(QString::fromStdString(summary) + QLatin1Char('\n'));
    return 0;
}

}  // namespace hm::cli
