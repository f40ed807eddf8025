#include "app/cli/SpreadsheetOutput.h"

#include <unistd.h>

#include <QCoreApplication>
#include <string>

#include "app/cli/OutputFile.h"
#include "app/cli/Subcommand.h"

namespace hm::cli {

bool writeSpreadsheet(const QString& out, const std::vector<XlsxSheet>& sheets,
                      const char* commandName) {
    if (out == QLatin1String("-") && isatty(STDOUT_FILENO) == 1) {
        printError(
            QCoreApplication::translate(
                "hm::cli", "haulmetry %1: a spreadsheet is not written to a terminal; give -o FILE")
                .arg(QString::fromLatin1(commandName)));
        return false;
    }
    std::string bytes;
    std::string error;
    if (!writeXlsx(sheets, bytes, error)) {
        printError(QCoreApplication::translate(
                       "hm::cli", "haulmetry %1: the spreadsheet could not be made: %2")
                       .arg(QString::fromLatin1(commandName), QString::fromStdString(error)));
        return false;
    }
    return writeOutput(out, bytes, commandName);
}

}  // namespace hm::cli
