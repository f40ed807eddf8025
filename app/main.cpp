// Entry point of `haulmetry`, the installed program: no hooks around the window.
#include "app/ProgramMain.h"

int main(int argc, char** argv) {
    return hm::programMain(argc, argv, nullptr);
}
