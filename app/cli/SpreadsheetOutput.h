#pragma once
// Where a subcommand's spreadsheet (xlsx) goes: built whole in memory, then written by the
// output rules of every subcommand (writeOutput). A workbook is binary: it is refused for
// standard output when that is a terminal.
#include <QString>
#include <vector>

#include "report/core/XlsxWorkbook.h"

namespace hm::cli {

// Writes the workbook of `sheets` to `out` ("-": standard output). On failure prints
// "haulmetry COMMAND: ..." on standard error and returns false.
bool writeSpreadsheet(const QString& out, const std::vector<XlsxSheet>& sheets,
                      const char* commandName);

}  // namespace hm::cli
