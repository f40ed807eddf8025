#include "ecusim/SimArguments.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <optional>

#include "ecu/SecurityKey.h"

namespace hm::ecusim {

const char* const kSimHelp = R"(Usage: haulmetry-ecusim [OPTIONS]

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

namespace {

using Action = SimArguments::Action;

std::optional<long> parseNumber(const std::string& text, long min, long max) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != '\0' || v < min || v > max) {
        return std::nullopt;
    }
    return v;
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

// Options without a value.
struct FlagOption {
    const char* name;
    void (*apply)(SimArguments& out);
};
constexpr FlagOption kFlags[] = {
    {"--help", [](SimArguments& o) { o.action = Action::Help; }},
    {"-h", [](SimArguments& o) { o.action = Action::Help; }},
    {"--version", [](SimArguments& o) { o.action = Action::Version; }},
    {"-v", [](SimArguments& o) { o.action = Action::Version; }},
    {"--silent", [](SimArguments& o) { o.options.faults.silent = true; }},
    {"--echo", [](SimArguments& o) { o.options.faults.echo = true; }},
    {"--repeat", [](SimArguments& o) { o.options.faults.repeat = true; }},
    {"--trace", [](SimArguments& o) { o.trace = true; }},
};

// Options with a number from `min` to `max`.
struct NumberOption {
    const char* name;
    long min;
    long max;
    const char* problem;
    void (*apply)(EcuOptions& out, long n);
};
constexpr NumberOption kNumbers[] = {
    {"--seed", 0, 0xFFFF, "--seed needs a number 0..65535",
     [](EcuOptions& o, long n) { o.identity.seed = static_cast<uint16_t>(n); }},
    {"--drop", 1, 1000000, "--drop needs a response number >= 1",
     [](EcuOptions& o, long n) { o.faults.dropResponse = static_cast<int>(n); }},
    {"--reject", 0, 1000, "--reject needs a count 0..1000",
     [](EcuOptions& o, long n) { o.faults.rejectTimes = static_cast<int>(n); }},
    {"--chunk", 1, 4096, "--chunk needs a size >= 1",
     [](EcuOptions& o, long n) { o.faults.chunkSize = static_cast<size_t>(n); }},
    {"--chunk-pause", 0, 60000, "--chunk-pause needs milliseconds 0..60000",
     [](EcuOptions& o, long n) { o.faults.chunkPauseMs = static_cast<int>(n); }},
    {"--corrupt", 1, 1000000, "--corrupt needs a response number >= 1",
     [](EcuOptions& o, long n) { o.faults.corruptResponse = static_cast<int>(n); }},
    {"--delay", 0, 60000, "--delay needs milliseconds 0..60000",
     [](EcuOptions& o, long n) { o.faults.delayMs = static_cast<int>(n); }},
    {"--hangup-after", 1, 1000000, "--hangup-after needs a response number >= 1",
     [](EcuOptions& o, long n) { o.faults.hangUpAfter = static_cast<int>(n); }},
    {"--pending", 0, 100, "--pending needs a count 0..100",
     [](EcuOptions& o, long n) { o.faults.pendingTimes = static_cast<int>(n); }},
};

// Options with a text; `apply` is false for a text it cannot take.
struct TextOption {
    const char* name;
    const char* problem;
    bool (*apply)(EcuOptions& out, const std::string& text);
};
constexpr TextOption kTexts[] = {
    {"--ident", "--ident needs up to 17 characters",
     [](EcuOptions& o, const std::string& t) {
         o.identOverride = t;
         return t.size() <= kIdentLength;
     }},
    {"--type", "--type needs four characters",
     [](EcuOptions& o, const std::string& t) {
         o.identity.ecuType = t;
         return t.size() == 4;
     }},
    {"--digits", "--digits needs three characters",
     [](EcuOptions& o, const std::string& t) {
         o.identity.probeDigits = t;
         return t.size() == 3;
     }},
    {"--key", "--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)",
     [](EcuOptions& o, const std::string& t) {
         const auto key = ecu::parseKeyConstants(t);
         o.identity.key = key.value_or(o.identity.key);
         return key.has_value();
     }},
    {"--link", "--link needs a path",
     [](EcuOptions& o, const std::string& t) {
         o.linkPath = t;
         return !t.empty();
     }},
    {"--garbage", "--garbage needs hex bytes, e.g. 00FF01",
     [](EcuOptions& o, const std::string& t) { return parseHex(t, o.faults.garbage); }},
    {"--corrupt-request", "--corrupt-request needs hex bytes, e.g. 2124",
     [](EcuOptions& o, const std::string& t) { return parseHex(t, o.faults.corruptRequest); }},
};

template <typename Option, size_t N>
const Option* findOption(const Option (&table)[N], const std::string& name) {
    for (const Option& option : table) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

// Reads the option at args[i] (and its value, advancing i); false ends the reading.
bool readOption(const std::vector<std::string>& args, size_t& i, SimArguments& out) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    const auto fail = [&out](Action action, std::string message) {
        out.action = action;
        out.message = std::move(message);
        return false;
    };
    if (const FlagOption* flag = findOption(kFlags, arg)) {
        flag->apply(out);
        return out.action == Action::Run;
    }
    if (const NumberOption* number = findOption(kNumbers, arg)) {
        const auto n = hasValue ? parseNumber(args[++i], number->min, number->max) : std::nullopt;
        if (!n) {
            return fail(Action::UsageError, number->problem);
        }
        number->apply(out.options, *n);
        return true;
    }
    if (const TextOption* text = findOption(kTexts, arg)) {
        return (hasValue && text->apply(out.options, args[++i])) ||
               fail(Action::UsageError, text->problem);
    }
    if (arg == "--vehicle") {
        if (!hasValue) {
            return fail(Action::UsageError, "--vehicle needs a data file");
        }
        EcuMemory memory;
        std::string error;
        if (!loadVehicleFile(args[++i], memory, error)) {
            return fail(Action::Failed, error);
        }
        out.options.memory = memory;
        return true;
    }
    return fail(Action::UsageError, "unknown option " + arg);
}

}  // namespace

SimArguments parseSimArguments(const std::vector<std::string>& args) {
    SimArguments out;
    for (size_t i = 0; i < args.size() && readOption(args, i, out); ++i) {
    }
    return out;
}

}  // namespace hm::ecusim
