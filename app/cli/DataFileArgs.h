#pragma once
// Shared by the subcommands that read one data file: argument parsing and the load with the
// one-line error report.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "fleetdata/FleetDataImage.h"

namespace hm::cli {

// Parses `args` (args[0] is the subcommand name) with `parser`, to which the caller has added
// its options. Handles --help (prints and exits 0) and parse errors. Returns the one FILE
// argument, or nothing after printing a one-line error (the caller then exits with 1).
std::optional<QString> parseFileArgument(QCommandLineParser& parser, const QStringList& args,
                                         const char* commandName);

// Reads and validates the data file `file` into `image` (as the program's load does: a file
// shorter than 2484 bytes, with a wrong signature or block size is invalid). On failure prints
// "haulmetry COMMAND: FILE: reason" on standard error and returns false.
bool loadImageOrReport(const QString& file, FleetDataImage& image, const char* commandName);

// parseFileArgument, then loadImageOrReport into `image`: the FILE argument, or nothing after
// the one-line error.
std::optional<QString> parseAndLoadFile(QCommandLineParser& parser, const QStringList& args,
                                        const char* commandName, FleetDataImage& image);

// The option "-o OUT" of a subcommand that must write one file; `help` says what is written,
// `valueName` is the placeholder shown in the help and in the message for a missing -o.
QCommandLineOption requiredOutputOption(const QString& help,
                                        const QString& valueName = QStringLiteral("OUT"));

struct FileAndOutput {
    QString file;
    QString output;
};
// parseAndLoadFile for a subcommand with the required option `output` (added to `parser` by
// the caller): a missing -o is reported ("haulmetry COMMAND: missing -o OUT (see haulmetry
// COMMAND --help)") before the file is read. Nothing after a one-line error.
std::optional<FileAndOutput> parseAndLoadWithOutput(QCommandLineParser& parser,
                                                    const QStringList& args,
                                                    const char* commandName,
                                                    const QCommandLineOption& output,
                                                    FleetDataImage& image);

// The bytes of a path argument for the file system, exactly as given on the command line
// (main() decodes argv with argumentsFromArgv of app/ArgumentBytes.h).
std::string localPath(const QString& path);

// A path argument for a message: bytes that are not text show as \xNN, control characters never
// reach the terminal.
QString displayPath(const QString& path);

}  // namespace hm::cli
