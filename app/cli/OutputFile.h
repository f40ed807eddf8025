#pragma once
// Where a subcommand's text output goes: "-" is standard output, any other name a file written
// whole or not at all (a temporary file renamed into place).
#include <QString>
#include <string>

namespace hm::cli {

// Writes `bytes` to `out`. On failure prints "haulmetry COMMAND: OUT: reason" on standard error
// and returns false.
bool writeOutput(const QString& out, const std::string& bytes, const char* commandName);

}  // namespace hm::cli
