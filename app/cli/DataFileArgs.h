#pragma once
// Shared by the subcommands that read one data file: argument parsing and the load with the
// one-line error report.
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

// Command-line arguments as text that still holds their exact bytes. Each argument is decoded
// as UTF-8; a byte that is not part of well-formed UTF-8 becomes the code unit 0xDC00 + byte (a
// lone low surrogate, which decoded text never contains). Option parsing works on the text as
// usual, localPath() gives back the argument's bytes unchanged, displayPath() shows them.
QString argumentText(const char* bytes);
// argv[first] .. argv[argc - 1] through argumentText.
QStringList argumentsFromArgv(int argc, char** argv, int first);

// The bytes of a path argument for the file system: exactly what was given on the command line
// (see argumentText), never re-encoded through the locale.
std::string localPath(const QString& path);

// A path argument for a message: its bytes through printablePath, so that bytes that are not
// text show as \xNN and control characters never reach the terminal.
QString displayPath(const QString& path);

}  // namespace hm::cli
