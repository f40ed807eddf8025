#pragma once
// Where a subcommand's text output goes: "-" is standard output, any other name a file written
// whole or not at all (a temporary file renamed into place).
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <string>

namespace hm::cli {

// Writes `bytes` to `out`. On failure prints "haulmetry COMMAND: OUT: reason" on standard error
// and returns false.
bool writeOutput(const QString& out, const std::string& bytes, const char* commandName);

enum class OutputFormat { Csv, Json, Xlsx };

// The options "--format csv|json|xlsx" (default csv) and "-o OUT|-" (default standard output).
struct FormatOutputOptions {
    QCommandLineOption format{QStringLiteral("format"),
                              QStringLiteral("csv (the default), json or xlsx (a spreadsheet)."),
                              QStringLiteral("FORMAT"), QStringLiteral("csv")};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("File to write (replaced when it exists); - or none: standard output."),
        QStringLiteral("OUT"),
        QStringLiteral("-")};

    void addTo(QCommandLineParser& parser) const;
    // After parsing: the format asked for; nothing after printing a one-line error for any
    // other format.
    std::optional<OutputFormat> kind(const QCommandLineParser& parser,
                                     const char* commandName) const;
};

}  // namespace hm::cli
