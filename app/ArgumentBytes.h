#pragma once
// Command-line arguments as text that still holds their exact bytes, for paths that need not
// be UTF-8. Each argument is decoded as UTF-8; a byte that is not part of well-formed UTF-8
// becomes the code unit 0xDC00 + byte (a lone low surrogate, which decoded text never
// contains). Option parsing works on the text as usual, argumentBytes() gives back the bytes
// unchanged for the file system, displayArgument() shows them. Any thread.
#include <QString>
#include <QStringList>
#include <string>

namespace hm {

QString argumentText(const char* bytes);
// argv[first] .. argv[argc - 1] through argumentText.
QStringList argumentsFromArgv(int argc, char** argv, int first);

// The bytes of an argument (or of part of one, e.g. the value after "--output="): exactly what
// was given on the command line, never re-encoded through the locale.
std::string argumentBytes(const QString& argument);

// An argument for a message: its bytes through printablePath, so that bytes that are not text
// show as \xNN and control characters never reach the terminal.
QString displayArgument(const QString& argument);

}  // namespace hm
