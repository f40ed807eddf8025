#include "app/cli/DownloadArguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"

namespace hm::cli {
namespace {

using Action = DownloadArguments::Action;

struct Parser {
    QCommandLineParser parser;
    const QCommandLineOption port{QStringLiteral("port"),
                                  QStringLiteral("Serial device to try (repeatable, in order)."),
                                  QStringLiteral("PATH")};
    const QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Data file to write."),
                                    QStringLiteral("FILE")};
    const QCommandLineOption passes{
        QStringLiteral("passes"),
        QStringLiteral("Passes over the ports before giving up (default 1)."), QStringLiteral("N"),
        QStringLiteral("1")};
    const QCommandLineOption key{QStringLiteral("key"),
                                 QStringLiteral("Security key constants of the ECU."),
                                 QStringLiteral("ROT,MUL,DIV")};
    const QCommandLineOption trace{
        QStringLiteral("trace"),
        QStringLiteral("Write every frame sent and received to FILE (ms, direction, hex)."),
        QStringLiteral("FILE")};
    const QCommandLineOption failures{
        QStringLiteral("max-failures"),
        QStringLiteral("Give up after N refusals or time-outs in a row that bring the download no "
                       "further (default 5)."),
        QStringLiteral("N"), QStringLiteral("5")};
    const QCommandLineOption timeout{
        QStringLiteral("timeout"),
        QStringLiteral(
            "Give up when the whole command has run SECONDS seconds (default: no limit)."),
        QStringLiteral("SECONDS")};

    Parser() {
        parser.setApplicationDescription(QStringLiteral(
            "Downloads the fleet data and stability records of the ECU and saves a data file."));
        addHelpOption(parser);
        parser.addOptions({port, output, passes, key, trace, failures, timeout});
    }

    // The value of `option` as a number from `min` to `max`, or nothing.
    std::optional<int> number(const QCommandLineOption& option, int min, int max) const {
        bool ok = false;
        const int n = parser.value(option).toInt(&ok);
        return ok && n >= min && n <= max ? std::optional<int>(n) : std::nullopt;
    }
};

// The checks of the numbers and the key; an empty text when all are good.
QString readValues(const Parser& p, DownloadOptions& o) {
    const auto passes = p.number(p.passes, 1, 1000);
    if (!passes) {
        return QCoreApplication::translate("hm::cli", "--passes needs a number from 1 to 1000");
    }
    o.passes = *passes;
    const auto failures = p.number(p.failures, 1, 1000);
    if (!failures) {
        return QCoreApplication::translate("hm::cli",
                                           "--max-failures needs a number from 1 to 1000");
    }
    o.maxFailures = *failures;
    if (p.parser.isSet(p.timeout)) {
        o.timeoutSeconds = p.number(p.timeout, 1, 86400);
        if (!o.timeoutSeconds) {
            return QCoreApplication::translate("hm::cli",
                                               "--timeout needs seconds from 1 to 86400");
        }
    }
    if (p.parser.isSet(p.key)) {
        const auto keys = ecu::parseKeyConstants(p.parser.value(p.key).toStdString());
        if (!keys) {
            return QCoreApplication::translate("hm::cli",
                                               "--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)");
        }
        o.keys = *keys;
    }
    return {};
}

}  // namespace

DownloadArguments parseDownloadArguments(const QStringList& args) {
    DownloadArguments out;
    const auto usage = [&out](const QString& message) {
        out.action = Action::UsageError;
        out.message = message;
        return out;
    };
    Parser p;
    if (!p.parser.parse(args)) {
        return usage(p.parser.errorText());
    }
    if (p.parser.isSet(QStringLiteral("help"))) {
        out.action = Action::Help;
        out.message = helpText(p.parser, QStringLiteral("download"));
        return out;
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        return usage(QCoreApplication::translate("hm::cli", "unexpected argument '%1'")
                         .arg(p.parser.positionalArguments().constFirst()));
    }
    if (!p.parser.isSet(p.output) || p.parser.value(p.output).isEmpty()) {
        return usage(QCoreApplication::translate("hm::cli", "-o FILE is required"));
    }
    if (const QString problem = readValues(p, out.options); !problem.isEmpty()) {
        return usage(problem);
    }
    DownloadOptions& o = out.options;
    o.output = localPath(p.parser.value(p.output));
    for (const QString& path : p.parser.values(p.port)) {
        o.ports.push_back(localPath(path));
    }
    if (p.parser.isSet(p.trace)) {
        o.traceArgument = p.parser.value(p.trace);
        o.tracePath = localPath(o.traceArgument);
    }
    return out;
}

}  // namespace hm::cli
