// `haulmetry download`'s options: values reach the options, bad values are usage errors with
// the option's message, and nothing is opened while reading them.
#include <gtest/gtest.h>

#include <functional>

#include "app/cli/DownloadArguments.h"

namespace hm::cli {
namespace {

using Action = DownloadArguments::Action;

struct Row {
    QStringList args;
    Action action;
    QString message;                                  // expected for usage errors
    std::function<bool(const DownloadOptions&)> has;  // expected for Run
};

TEST(DownloadArguments, EachOptionReachesItsFieldOrSaysWhatIsWrong) {
    const QString d = QStringLiteral("download");
    const Row rows[] = {
        {{d, "-o", "out.asc"},
         Action::Run,
         "",
         [](auto& o) {
             return o.output == "out.asc" && o.ports.empty() && o.passes == 1 &&
                    o.maxFailures == 5 && !o.timeoutSeconds && !o.tracePath;
         }},
        {{d, "--port", "/dev/a", "--port", "/dev/b", "--output", "x.asc", "--passes", "3",
          "--max-failures", "9", "--timeout", "60", "--key", "3,7,11", "--trace", "t.txt"},
         Action::Run,
         "",
         [](auto& o) {
             return o.ports == std::vector<std::string>{"/dev/a", "/dev/b"} && o.passes == 3 &&
                    o.maxFailures == 9 && o.timeoutSeconds == 60 && o.keys.divisor == 11 &&
                    o.tracePath == "t.txt";
         }},
        {{d}, Action::UsageError, "-o FILE is required", nullptr},
        {{d, "-o", ""}, Action::UsageError, "-o FILE is required", nullptr},
        {{d, "-o", "x", "extra"}, Action::UsageError, "unexpected argument 'extra'", nullptr},
        {{d, "-o", "x", "--passes", "0"},
         Action::UsageError,
         "--passes needs a number from 1 to 1000",
         nullptr},
        {{d, "-o", "x", "--max-failures", "1001"},
         Action::UsageError,
         "--max-failures needs a number from 1 to 1000",
         nullptr},
        {{d, "-o", "x", "--timeout", "ten"},
         Action::UsageError,
         "--timeout needs seconds from 1 to 86400",
         nullptr},
        {{d, "-o", "x", "--key", "16,1,1"},
         Action::UsageError,
         "--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)",
         nullptr},
    };
    for (const Row& row : rows) {
        const DownloadArguments parsed = parseDownloadArguments(row.args);
        const std::string args = row.args.join(' ').toStdString();
        EXPECT_EQ(parsed.action, row.action) << args;
        if (row.action == Action::UsageError) {
            EXPECT_EQ(parsed.message, row.message) << args;
        }
        if (row.has) {
            EXPECT_TRUE(row.has(parsed.options)) << args;
        }
    }
    EXPECT_EQ(parseDownloadArguments({d, "--help"}).action, Action::Help);
    EXPECT_EQ(parseDownloadArguments({d, "--bogus"}).action, Action::UsageError);
}

}  // namespace
}  // namespace hm::cli
