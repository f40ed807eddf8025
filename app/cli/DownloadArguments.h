#pragma once
// The options of `haulmetry download`, read and checked before anything is opened.
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ecu/SecurityKey.h"

namespace hm::cli {

struct DownloadOptions {
    std::vector<std::string> ports;  // --port paths in order; empty: every port of the table
    std::string output;              // -o, as a local path
    int passes = 1;                  // passes over the ports
    int maxFailures = 5;             // refusals or time-outs in a row without progress
    std::optional<int> timeoutSeconds;
    ecu::KeyConstants keys = ecu::kDefaultKeyConstants;
    std::optional<std::string> tracePath;  // --trace, as a local path
    QString traceArgument;                 // --trace as given, for messages
};

struct DownloadArguments {
    enum class Action {
        Run,         // download with `options`
        Help,        // `message` is the help text
        UsageError,  // `message` says what is wrong (exit status 2)
    };
    Action action = Action::Run;
    DownloadOptions options;
    QString message;
};

// Reads the arguments after the program name (args[0] is "download").
DownloadArguments parseDownloadArguments(const QStringList& args);

}  // namespace hm::cli
