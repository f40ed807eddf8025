// haulmetry-ecusim: a virtual trailer brake ECU on a pseudo-terminal, for tests and demos.
#include <signal.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "ecusim/SimArguments.h"
#include "ecusim/VirtualEcu.h"

namespace {

// Serves until SIGTERM, SIGINT or SIGHUP; the exit status.
int serveUntilStopped(hm::ecusim::EcuOptions options) {
    // Block the stop signals in every thread; the main thread waits for them below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    hm::ecusim::VirtualEcu ecu(std::move(options));
    if (!ecu.start()) {
        std::cerr << "haulmetry-ecusim: " << ecu.error() << "\n";
        return 1;
    }
    std::printf("%s\n", ecu.devicePath().c_str());
    std::fflush(stdout);

    int sig = 0;
    sigwait(&stopSignals, &sig);
    ecu.stop();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using Action = hm::ecusim::SimArguments::Action;
    hm::ecusim::SimArguments parsed =
        hm::ecusim::parseSimArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (parsed.action) {
        case Action::Help:
            std::cout << hm::ecusim::kSimHelp;
            return 0;
        case Action::Version:
            std::cout << "haulmetry-ecusim " HM_VERSION_TEXT "\n";
            return 0;
        case Action::UsageError:
            std::cerr << "haulmetry-ecusim: " << parsed.message
                      << "\nTry 'haulmetry-ecusim --help'.\n";
            return 2;
        case Action::Failed:
            std::cerr << "haulmetry-ecusim: " << parsed.message << "\n";
            return 1;
        case Action::Run:
            break;
    }
    if (parsed.trace) {
        parsed.options.trace = [](const std::string& line) {
            std::fprintf(stderr, "%s\n", line.c_str());
            std::fflush(stderr);
        };
    }
    return serveUntilStopped(std::move(parsed.options));
}
