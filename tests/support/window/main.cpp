// The window program as the tests run it: the installed program's code, plus the command script
// (HAULMETRY_TEST_SCRIPT) and its scripted answers when the variable names a script. Without
// it, this program behaves as the installed one.
#include <QString>
#include <optional>

#include "app/ProgramMain.h"
#include "tests/support/window/SelfTest.h"

int main(int argc, char** argv) {
    const QString script = qEnvironmentVariable("HAULMETRY_TEST_SCRIPT");
    if (script.isEmpty()) {
        return hm::programMain(argc, argv, nullptr);
    }
    hmtest::SelfTestHooks hooks(script);
    return hm::programMain(argc, argv, &hooks);
}
