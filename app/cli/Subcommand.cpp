#include "app/cli/Subcommand.h"

#include <cstdio>
#include <vector>

namespace hm::cli {
namespace {

std::vector<Subcommand>& registry() {
    static std::vector<Subcommand> commands;
    return commands;
}

}  // namespace

bool registerSubcommand(const Subcommand& command) {
    registry().push_back(command);
    return true;
}

const Subcommand* findSubcommand(const QString& name) {
    for (const Subcommand& c : registry()) {
        if (name == QLatin1String(c.name)) {
            return &c;
        }
    }
    return nullptr;
}

QStringList subcommandHelp() {
    QStringList lines;
    for (const Subcommand& c : registry()) {
        lines << QStringLiteral("  %1  %2")
                     .arg(QString::fromLatin1(c.name), -12)
                     .arg(QString::fromUtf8(c.summary));
    }
    lines.sort();
    return lines;
}

void printError(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

void printOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

}  // namespace hm::cli
