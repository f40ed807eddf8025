#include "app/cli/DataFileArgs.h"

#include "app/ArgumentBytes.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/DataFile.h"

namespace hm::cli {

std::optional<QString> parseFileArgument(QCommandLineParser& parser, const QStringList& args,
                                         const char* commandName) {
    addHelpOption(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Haulmetry data file"));
    // --help and unknown options end the process here
    processArguments(parser, args, QString::fromLatin1(commandName));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        printError(QCoreApplication::translate(
                       "hm::cli",
                       "haulmetry %1: expected one data file, got %2 (see haulmetry "
                       "%1 --help)")
                       .arg(QString::fromLatin1(commandName))
                       .arg(files.size()));
        return std::nullopt;
    }
    return files.front();
}

bool loadImageOrReport(const QString& file, FleetDataImage& image, const char* commandName) {
    image.clear();
    const DataFileRead read = readDataFile(localPath(file), image);
    if (!read.ok()) {
        printError(QCoreApplication::translate("hm::cli", "haulmetry %1: %2: %3")
                       .arg(QString::fromLatin1(commandName), displayPath(file),
                            QString::fromStdString(read.reason)));
        return false;
    }
    return true;
}

std::optional<QString> parseAndLoadFile(QCommandLineParser& parser, const QStringList& args,
                                        const char* commandName, FleetDataImage& image) {
    std::optional<QString> file = parseFileArgument(parser, args, commandName);
    if (file && !loadImageOrReport(*file, image, commandName)) {
        return std::nullopt;
    }
    return file;
}

QCommandLineOption requiredOutputOption(const QString& help, const QString& valueName) {
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, help, valueName);
}

std::optional<FileAndOutput> parseAndLoadWithOutput(QCommandLineParser& parser,
                                                    const QStringList& args,
                                                    const char* commandName,
                                                    const QCommandLineOption& output,
                                                    FleetDataImage& image) {
    const std::optional<QString> file = parseFileArgument(parser, args, commandName);
    if (!file) {
        return std::nullopt;
    }
    const QString out = parser.value(output);
    if (out.isEmpty()) {
        printError(QCoreApplication::translate(
                       "hm::cli", "haulmetry %1: missing -o %2 (see haulmetry %1 --help)")
                       .arg(QString::fromLatin1(commandName), output.valueName()));
        return std::nullopt;
    }
    if (!loadImageOrReport(*file, image, commandName)) {
        return std::nullopt;
    }
    return FileAndOutput{*file, out};
}

std::string localPath(const QString& path) {
    return argumentBytes(path);
}

QString displayPath(const QString& path) {
    return displayArgument(path);
}

}  // namespace hm::cli
