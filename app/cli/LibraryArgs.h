#pragma once
// Shared by the `haulmetry library ...` subcommands: the --library option, opening the library
// with its messages, and how an identification argument is matched.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/Library.h"

namespace hm::cli {

// "--library URL": an SQLite file or a postgresql:// URL (see library/LibraryLocation.h).
QCommandLineOption libraryOption();

// Opens the library that `parser`'s --library (else the environment, settings or default) names.
// Prints a notice about queued items that were sent, and the reason when a shared library's
// server cannot be reached. Null after a one-line error ("haulmetry library SUB: ...").
std::unique_ptr<library::Library> openLibrary(const QCommandLineParser& parser,
                                              const char* subcommand);

// Prints "haulmetry library SUB: text" on standard error.
void libraryError(const char* subcommand, const std::string& text);

// The downloads of the trailer named by `identArg`: the text with "\xNN" escapes read as bytes,
// as messages and lists show them, else its bytes as given, else (when neither is an
// identification) the trailer whose current plate or fleet number it is (refused when it is
// that of several).
// False after a one-line error (none found, or the library cannot be read).
bool trailerHistory(library::Library& lib, const QString& identArg, const char* subcommand,
                    std::vector<library::Entry>& entries);

// Parses `args` with --library, --help and one IDENT (the caller has added its other options);
// the IDENT, or nothing after a one-line error.
std::optional<QString> parseIdent(QCommandLineParser& parser, const QStringList& args,
                                  const char* subcommand);

// "\xNN" and "\\" escapes of an identification argument read back as the bytes they stand for.
std::string unescapedIdent(const std::string& text);

// A trailer's details as `library set` and `library history` print them: "trailer IDENT:" and
// one line per field that is set ("  plate: ..."), as printable text.
std::string detailsText(const std::string& ident, const library::TrailerDetails& details);

// `bytes` as every message of the program shows names: \xNN for what is not printable text.
QString shown(const std::string& bytes);

int runLibraryImport(const QStringList& args);
int runLibraryList(const QStringList& args);
int runLibraryHistory(const QStringList& args);
int runLibraryDiff(const QStringList& args);
int runLibraryExport(const QStringList& args);
int runLibrarySetup(const QStringList& args);
int runLibraryGrant(const QStringList& args);
int runLibraryRevoke(const QStringList& args);
int runLibraryFindings(const QStringList& args);
int runLibraryCopy(const QStringList& args);
int runLibraryBackup(const QStringList& args);
int runLibrarySet(const QStringList& args);

}  // namespace hm::cli
