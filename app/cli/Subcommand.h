#pragma once
// Command-line subcommands of `haulmetry` (summary, export-text, ...). Each lives in its own
// file under app/cli/ and registers itself with HM_REGISTER_SUBCOMMAND; main() dispatches.
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

// Registers a subcommand; returns true so that it can initialise a static.
bool registerSubcommand(const Subcommand& command);
const Subcommand* findSubcommand(const QString& name);
QStringList subcommandHelp();

// Writes one line (a line feed is added) to standard error / standard output.
void printError(const QString& line);
void printOut(const QString& text);

}  // namespace hm::cli

#define HM_REGISTER_SUBCOMMAND(ident, ...) \
    static const bool hm_subcommand_##ident = ::hm::cli::registerSubcommand(__VA_ARGS__)
