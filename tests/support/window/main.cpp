// The window program as the tests run it: the installed program's code, plus the test build's
// hooks (the command script, printing to a file, a fake kernel tty folder) where its
// environment asks for them. Without them, this program behaves as the installed one.
#include "app/ProgramMain.h"
#include "tests/support/window/SelfTest.h"

int main(int argc, char** argv) {
    hmtest::SelfTestHooks hooks;
    return hm::programMain(argc, argv, &hooks);
}
