#include "app/cli/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "platform/AtomicFile.h"

namespace hm::cli {

bool writeOutput(const QString& out, const std::string& bytes, const char* commandName) {
    std::string error;
    if (out == QLatin1String("-")) {
        errno = 0;
        const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        if (written == bytes.size() && std::fflush(stdout) == 0) {
            return true;
        }
        error = std::strerror(errno != 0 ? errno : EIO);
    } else if (writeFileAtomic(localPath(out), bytes.data(), bytes.size(), error)) {
        return true;
    }
    printError(QCoreApplication::translate("hm::cli", "haulmetry %1: %2: %3")
                   .arg(QString::fromLatin1(commandName),
                        out == QLatin1String("-") ? QStringLiteral("standard output") : out,
                        QString::fromStdString(error)));
    return false;
}

void FormatOutputOptions::addTo(QCommandLineParser& parser) const {
    parser.addOption(format);
    parser.addOption(output);
}

std::optional<OutputFormat> FormatOutputOptions::kind(const QCommandLineParser& parser,
                                                      const char* commandName) const {
    const QString kind = parser.value(format);
    if (kind == QLatin1String("csv")) {
        return OutputFormat::Csv;
    }
    if (kind == QLatin1String("json")) {
        return OutputFormat::Json;
    }
    if (kind == QLatin1String("xlsx")) {
        return OutputFormat::Xlsx;
    }
    printError(QCoreApplication::translate(
                   "hm::cli", "haulmetry %1: --format must be csv, json or xlsx, not '%2'")
                   .arg(QString::fromLatin1(commandName), kind));
    return std::nullopt;
}

}  // namespace hm::cli
