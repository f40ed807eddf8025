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
    char program[] = "haulmetry";
    char port[] = "--port";
    char path[] = "/tmp/ecu-caf\xE9";
    char* argv[] = {program, port, path};
    hm::GuiOptions options;
    QString error;
    ASSERT_TRUE(hm::parseGuiOptions(hm::argumentsFromArgv(3, argv, 1), options, error))
        << error.toStdString();
    ASSERT_EQ(options.ports.size(), 1u);
    EXPECT_EQ(options.ports[0], "/tmp/ecu-caf\xE9");
}

}  // namespace
