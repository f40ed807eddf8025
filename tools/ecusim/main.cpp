// haulmetry-ecusim: a virtual trailer brake ECU on a pseudo-terminal, for tests and demos.
#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "ecu/SecurityKey.h"
#include "tools/ecusim/VirtualEcu.h"

namespace {

const char* kHelp = R"(Usage: haulmetry-ecusim [OPTIONS]

Stands in for a trailer brake ECU: opens a pseudo-terminal pair, prints the device path as the
first line on standard output and answers the tool's requests on it until SIGTERM or SIGINT.
Point the tool at it with:  haulmetry --port PATH

Vehicle and identity:
  --vehicle FILE      serve the vehicle of a data file (identification, ten blocks, records);
                      default: built-in demo data of a plausible trailer
  --ident TEXT        vehicle identification (up to 17 characters)
  --type TEXT         ECU type, four characters (default B337; e.g. B330, X299, A999)
  --digits DDD        the three digit characters of the link probe answer (default 100)
  --key ROT,MUL,DIV   key function constants (default 5,1009,13, as the tool's default)
  --seed N            the security seed handed out (default 0x2A17; 0 needs no key)
  --link PATH         also create a symbolic link PATH to the device, only where nothing
                      stands or a stale link into /dev/pts (removed on exit while it is ours)

Fault injection (responses are counted from 1, the probe answer included):
  --silent            never answer anything
  --drop N            do not send the N-th response
  --reject N          refuse every request N times (7F SID 21) before answering it
  --echo              echo every request before answering (as a K-line adapter does)
  --chunk K           send responses in chunks of K bytes
  --chunk-pause MS    pause MS milliseconds between chunks (default 0)
  --garbage HEX       send these bytes before every response, e.g. 00FF01
  --corrupt N         send the N-th response with a wrong checksum
  --delay MS          wait MS milliseconds before every response
  --hangup-after N    close the line after the N-th response
  --pending N         say "response pending" (7F SID 78) N times, 150 ms apart, before
                      every answer
  --repeat            send every answer twice
  --corrupt-request HEX  give every answer to requests starting with these bytes (after the
                      length byte) a wrong checksum, e.g. 2124 for the block reads, 90 the probe

Other:
  --trace             print every frame both ways in hex on standard error
  --help              show this text
  --version           show the version
)";

bool parseInt(const char* text, long min, long max, long& out) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0' || v < min || v > max) {
        return false;
    }
    out = v;
    return true;
}

bool parseHex(const std::string& text, std::vector<uint8_t>& out) {
    std::string digits;
    for (char c : text) {
        if (c == ' ' || c == ':') {
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        digits += c;
    }
    if (digits.empty() || digits.size() % 2 != 0) {
        return false;
    }
    out.clear();
    for (size_t i = 0; i < digits.size(); i += 2) {
        out.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return true;
}

int usageError(const std::string& message) {
    std::cerr << "haulmetry-ecusim: " << message << "\nTry 'haulmetry-ecusim --help'.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    hm::ecusim::EcuOptions options;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char*& out) {
            if (i + 1 >= argc) {
                return false;
            }
            out = argv[++i];
            return true;
        };
        auto number = [&](long min, long max, long& out) {
            const char* v = nullptr;
            return value(v) && parseInt(v, min, max, out);
        };
        long n = 0;
        const char* v = nullptr;
        auto& f = options.faults;
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (arg == "--version" || arg == "-v") {
            std::cout << "haulmetry-ecusim " HM_VERSION_TEXT "\n";
            return 0;
        } else if (arg == "--ident") {
            if (!value(v) || std::strlen(v) > hm::ecusim::kIdentLength) {
                return usageError("--ident needs up to 17 characters");
            }
            options.identOverride = v;
        } else if (arg == "--type") {
            if (!value(v) || std::strlen(v) != 4) {
                return usageError("--type needs four characters");
            }
            options.identity.ecuType = v;
        } else if (arg == "--digits") {
            if (!value(v) || std::strlen(v) != 3) {
                return usageError("--digits needs three characters");
            }
            options.identity.probeDigits = v;
        } else if (arg == "--key") {
            const auto key = value(v) ? hm::ecu::parseKeyConstants(v) : std::nullopt;
            if (!key) {
                return usageError("--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)");
            }
            options.identity.key = *key;
        } else if (arg == "--seed") {
            if (!number(0, 0xFFFF, n)) {
                return usageError("--seed needs a number 0..65535");
            }
            options.identity.seed = static_cast<uint16_t>(n);
        } else if (arg == "--link") {
            if (!value(v) || !*v) {
                return usageError("--link needs a path");
            }
            options.linkPath = v;
        } else if (arg == "--vehicle") {
            if (!value(v)) {
                return usageError("--vehicle needs a data file");
            }
            hm::ecusim::EcuMemory memory;
            std::string error;
            if (!hm::ecusim::loadVehicleFile(v, memory, error)) {
                std::cerr << "haulmetry-ecusim: " << error << "\n";
                return 1;
            }
            options.memory = memory;
        } else if (arg == "--silent") {
            f.silent = true;
        } else if (arg == "--drop") {
            if (!number(1, 1000000, n)) {
                return usageError("--drop needs a response number >= 1");
            }
            f.dropResponse = static_cast<int>(n);
        } else if (arg == "--reject") {
            if (!number(0, 1000, n)) {
                return usageError("--reject needs a count 0..1000");
            }
            f.rejectTimes = static_cast<int>(n);
        } else if (arg == "--echo") {
            f.echo = true;
        } else if (arg == "--chunk") {
            if (!number(1, 4096, n)) {
                return usageError("--chunk needs a size >= 1");
            }
            f.chunkSize = static_cast<size_t>(n);
        } else if (arg == "--chunk-pause") {
            if (!number(0, 60000, n)) {
                return usageError("--chunk-pause needs milliseconds 0..60000");
            }
            f.chunkPauseMs = static_cast<int>(n);
        } else if (arg == "--garbage") {
            if (!value(v) || !parseHex(v, f.garbage)) {
                return usageError("--garbage needs hex bytes, e.g. 00FF01");
            }
        } else if (arg == "--corrupt") {
            if (!number(1, 1000000, n)) {
                return usageError("--corrupt needs a response number >= 1");
            }
            f.corruptResponse = static_cast<int>(n);
        } else if (arg == "--delay") {
            if (!number(0, 60000, n)) {
                return usageError("--delay needs milliseconds 0..60000");
            }
            f.delayMs = static_cast<int>(n);
        } else if (arg == "--hangup-after") {
            if (!number(1, 1000000, n)) {
                return usageError("--hangup-after needs a response number >= 1");
            }
            f.hangUpAfter = static_cast<int>(n);
        } else if (arg == "--pending") {
            if (!number(0, 100, n)) {
                return usageError("--pending needs a count 0..100");
            }
            f.pendingTimes = static_cast<int>(n);
        } else if (arg == "--repeat") {
            f.repeat = true;
        } else if (arg == "--corrupt-request") {
            if (!value(v) || !parseHex(v, f.corruptRequest)) {
                return usageError("--corrupt-request needs hex bytes, e.g. 2124");
            }
        } else if (arg == "--trace") {
            trace = true;
        } else {
            return usageError("unknown option " + arg);
        }
    }
    if (trace) {
        options.trace = [](const std::string& line) {
            std::fprintf(stderr, "%s\n", line.c_str());
            std::fflush(stderr);
        };
    }

    // Block the stop signals in every thread; the main thread waits for them below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    hm::ecusim::VirtualEcu ecu(options);
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
