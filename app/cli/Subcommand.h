#pragma once
// Command-line subcommands of `haulmetry` (summary, export-text, ...). Each runs from its own
// file under app/cli/ (runSummary in SummaryCommand.cpp, ...); the table in Subcommand.cpp names
// them all, and main() dispatches through it.
#include <QCommandLineParser>
#include <QStringList>

namespace hm::cli {

struct Subcommand {
    const char* name;     // first argument, e.g. "summary"
    const char* summary;  // one line for `haulmetry --help`
    // Needs a QGuiApplication (fonts, painting); it runs on the offscreen platform when no
    // display is set. Otherwise a QCoreApplication is used.
    bool needsGui;
    // Runs with the arguments after the program name (args[0] is the subcommand name).
    // Returns the process exit status.
    int (*run)(const QStringList& args);
};

// The subcommand of that name, or null.
const Subcommand* findSubcommand(const QString& name);
// One line per subcommand, in name order, for `haulmetry --help`.
QStringList subcommandHelp();

// The subcommands; each returns the process exit status.
int runDownload(const QStringList& args);
int runExport(const QStringList& args);
int runExportText(const QStringList& args);
int runFindings(const QStringList& args);
int runGraph(const QStringList& args);
int runLibrary(const QStringList& args);
int runPage(const QStringList& args);
int runRecords(const QStringList& args);
int runReport(const QStringList& args);
int runSummary(const QStringList& args);
int runTable(const QStringList& args);

// Adds -h and --help to a subcommand's parser. QCommandLineParser::addHelpOption would add
// --help-all too, which offers Qt's own options (platform, style, ...) that no subcommand takes.
void addHelpOption(QCommandLineParser& parser);
// The help of `parser` for `haulmetry COMMAND` (COMMAND such as "export" or "library import"):
// the usage line names the program as it is typed, not by the path it was started from.
QString helpText(const QCommandLineParser& parser, const QString& command);
// Parses `args` (args[0] is the subcommand's name) as QCommandLineParser::process does: --help
// prints helpText() and exits 0; an unknown option or a missing value prints the error and exits
// 1.
void processArguments(QCommandLineParser& parser, const QStringList& args, const QString& command);

// Writes one line (a line feed is added) to standard error / standard output.
void printError(const QString& line);
void printOut(const QString& text);

}  // namespace hm::cli
