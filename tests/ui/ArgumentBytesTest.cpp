// Command-line arguments keep their exact bytes through option parsing, for the window's
// --port as for the subcommands.
#include "app/ArgumentBytes.h"

#include <gtest/gtest.h>

#include "app/CHaulApp.h"

namespace {

TEST(ArgumentBytes, EveryByteSequenceComesBackUnchanged) {
    std::vector<std::string> names = {
        "plain.asc",
        "caf\xC3\xA9.asc",                    // UTF-8
        "caf\xE9.asc",                        // Latin-1
        "x\xF0\x90\x82\x80\xE9",              // U+10080 (its low surrogate is in the escape range)
        "\xED\xA0\x80 \xC0\xAF end\xE2\x82",  // encoded surrogate, overlong, cut-off sequence
    };
    for (int b = 1; b < 256; ++b) {
        names.push_back(std::string("b") + static_cast<char>(b));
    }
    for (const std::string& name : names) {
        const QString text = hm::argumentText(name.c_str());
        EXPECT_EQ(hm::argumentBytes(text), name);
        // A value cut out of an option ("--output=NAME") keeps its bytes as well.
        const QString option = hm::argumentText(("--output=" + name).c_str());
        EXPECT_EQ(hm::argumentBytes(option.mid(9)), name);
    }
    EXPECT_EQ(hm::displayArgument(hm::argumentText("caf\xE9\x1B[2J")), "caf\\xE9\\x1B[2J");
}

TEST(ArgumentBytes, WindowPortKeepsItsBytes) {
    hm::GuiOptions options;
    std::string error;
    ASSERT_TRUE(hm::parseGuiOptions({"--port", "/tmp/ecu-caf\xE9"}, options, error)) << error;
    ASSERT_EQ(options.ports.size(), 1u);
    EXPECT_EQ(options.ports[0], "/tmp/ecu-caf\xE9");
    EXPECT_FALSE(hm::parseGuiOptions({"--bogus\x1B[2J"}, options, error));
    EXPECT_EQ(error.find('\x1B'), std::string::npos) << "a control byte reached the message";
}

}  // namespace
