#include "app/cli/Subcommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace hm::cli {
namespace {

// In name order: the order of `haulmetry --help`.
constexpr Subcommand kSubcommands[] = {
    {"download", "download the ECU's data and save it as a data file", false, &runDownload},
    {"export", "FILE [--format csv|json] [-o OUT|-]: write the data as CSV or JSON", false,
     &runExport},
    {"export-text", "FILE -o OUT: write the text export of a data file", false, &runExportText},
    {"findings", "FILE [--since OLDER] [--rules FILE] [--format text|json]: the findings", false,
     &runFindings},
    {"graph", "FILE N: print what graph N of a data file shows", false, &runGraph},
    {"library", "import|list|history|diff|export|copy|backup ...: the library of every download",
     false, &runLibrary},
    {"page", "FILE (--graph N | --record N) -o OUT: render a printed page to PDF or PNG", true,
     &runPage},
    {"records", "FILE: print the summary of each stability record", false, &runRecords},
    {"report", "FILE -o OUT.pdf: write the full report of a data file", true, &runReport},
    {"summary", "FILE: print the summary totals of a data file", false, &runSummary},
    {"table", "PATH... [--format csv|json] [-o OUT|-] [--recursive]: one row per data file", false,
     &runTable},
};

}  // namespace

const Subcommand* findSubcommand(const QString& name) {
    for (const Subcommand& c : kSubcommands) {
        if (name == QLatin1String(c.name)) {
            return &c;
        }
    }
    return nullptr;
}

QStringList subcommandHelp() {
    QStringList lines;
    for (const Subcommand& c : kSubcommands) {
        lines << QStringLiteral("  %1  %2")
                     .arg(QString::fromLatin1(c.name), -12)
                     .arg(QString::fromUtf8(c.summary));
    }
    return lines;
}

void addHelpOption(QCommandLineParser& parser) {
    // Qt's own wording, and its translation where Qt's catalogue for the language is installed
    // (a variable, not a literal, so that lupdate leaves it to Qt's catalogue).
    static const char* const kHelpDescription = "Displays help on commandline options.";
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           QCoreApplication::translate("QCommandLineParser", kHelpDescription)));
}

QString helpText(const QCommandLineParser& parser, const QString& command) {
    QString text = parser.helpText();
    // Qt's usage line starts with the program as started (argv[0], often a whole path).
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (!arguments.isEmpty() && !arguments.constFirst().isEmpty() && lineEnd > 0) {
        const qsizetype at = text.left(lineEnd).indexOf(arguments.constFirst());
        if (at >= 0) {
            text.replace(at, arguments.constFirst().size(), QStringLiteral("haulmetry ") + command);
        }
    }
    return text;
}

void processArguments(QCommandLineParser& parser, const QStringList& args, const QString& command) {
    if (!parser.parse(args)) {
        printError(QStringLiteral("haulmetry %1: ").arg(command) + parser.errorText());
        std::exit(EXIT_FAILURE);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(helpText(parser, command));
        std::exit(EXIT_SUCCESS);
    }
}

void printError(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

void printOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

}  // namespace hm::cli
