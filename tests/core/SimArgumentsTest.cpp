// The virtual ECU's command line: values reach the right option, bad values stop the reading
// with the option's own message, and --vehicle failures are not usage errors.
#include <gtest/gtest.h>

#include <functional>

#include "ecusim/SimArguments.h"

namespace hm::ecusim {
namespace {

using Action = SimArguments::Action;

struct Row {
    std::vector<std::string> args;
    Action action;
    std::string message;                           // expected for errors
    std::function<bool(const SimArguments&)> has;  // expected for Run
};

TEST(SimArguments, EachOptionReachesItsFieldOrSaysWhatIsWrong) {
    const Row rows[] = {
        {{}, Action::Run, "", [](auto& a) { return a.options.identity.seed == 0x2A17; }},
        {{"--seed", "0x10", "--pending", "3"},
         Action::Run,
         "",
         [](auto& a) {
             return a.options.identity.seed == 16 && a.options.faults.pendingTimes == 3;
         }},
        {{"--garbage", "00:ff 01", "--trace", "--repeat"},
         Action::Run,
         "",
         [](auto& a) {
             return a.options.faults.garbage == std::vector<uint8_t>{0x00, 0xFF, 0x01} && a.trace &&
                    a.options.faults.repeat && !a.options.faults.silent;
         }},
        {{"--chunk", "8", "--type", "X299", "--key", "3,7,11"},
         Action::Run,
         "",
         [](auto& a) {
             return a.options.faults.chunkSize == 8 && a.options.identity.ecuType == "X299" &&
                    a.options.identity.key.rotate == 3;
         }},
        {{"--seed", "65536"}, Action::UsageError, "--seed needs a number 0..65535", nullptr},
        {{"--chunk", "0"}, Action::UsageError, "--chunk needs a size >= 1", nullptr},
        {{"--delay", "5ms"}, Action::UsageError, "--delay needs milliseconds 0..60000", nullptr},
        {{"--drop"}, Action::UsageError, "--drop needs a response number >= 1", nullptr},
        {{"--garbage", "0F0"},
         Action::UsageError,
         "--garbage needs hex bytes, e.g. 00FF01",
         nullptr},
        {{"--ident", "123456789012345678"},
         Action::UsageError,
         "--ident needs up to 17 characters",
         nullptr},
        {{"--type", "B33"}, Action::UsageError, "--type needs four characters", nullptr},
        {{"--key", "5,1009,0"},
         Action::UsageError,
         "--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)",
         nullptr},
        {{"--link", ""}, Action::UsageError, "--link needs a path", nullptr},
        {{"--bogus", "--help"}, Action::UsageError, "unknown option --bogus", nullptr},
        {{"--silent", "--version", "--bogus"}, Action::Version, "", nullptr},
        {{"-h"}, Action::Help, "", nullptr},
    };
    for (const Row& row : rows) {
        const SimArguments parsed = parseSimArguments(row.args);
        const std::string args = ::testing::PrintToString(row.args);
        EXPECT_EQ(parsed.action, row.action) << args;
        EXPECT_EQ(parsed.message, row.message) << args;
        if (row.has) {
            EXPECT_TRUE(row.has(parsed)) << args;
        }
    }
}

TEST(SimArguments, AVehicleThatCannotBeReadIsAFailureNotAUsageError) {
    const SimArguments parsed = parseSimArguments({"--vehicle", "/nonexistent/trailer.asc"});
    EXPECT_EQ(parsed.action, Action::Failed);
    EXPECT_NE(parsed.message.find("/nonexistent/trailer.asc"), std::string::npos) << parsed.message;
}

}  // namespace
}  // namespace hm::ecusim
