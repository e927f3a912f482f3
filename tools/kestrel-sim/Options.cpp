#include "tools/kestrel-sim/Options.h"

#include "tools/kestrel-sim/Console.h"
#include "tools/kestrel-sim/Faults.h"
#include "tools/kestrel-sim/TextTools.h"

#include <cstring>
#include <vector>

namespace Sim {
namespace {

bool ParseClock(const std::string& text, std::time_t* value)
{
    std::tm local{};
    const char* end = strptime(text.c_str(), "%Y-%m-%d %H:%M:%S", &local);
    if (!end)
        end = strptime(text.c_str(), "%Y-%m-%dT%H:%M:%S", &local);
    if (!end || *end != '\0')
        return false;
    local.tm_isdst = -1;
    *value = std::mktime(&local);
    return *value != static_cast<std::time_t>(-1);
}

template <class T>
bool InRange(const std::string& text, long long low, long long high, T* out)
{
    long long value = 0;
    if (!ParseInteger(text, &value) || value < low || value > high)
        return false;
    *out = static_cast<T>(value);
    return true;
}

} // namespace

ParseOutcome ParseOptions(int argc, char** argv, Options* options, std::string* error)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        auto value = [&](std::string* out) {
            if (inlineValue) {
                *out = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                *error = name + " needs a value";
                return false;
            }
            *out = args[++i];
            return true;
        };
        auto bad = [&](const std::string& v, const char* what) {
            *error = "invalid value '" + v + "' for " + name + " (" + what + ")";
            return ParseOutcome::Error;
        };
        auto flag = [&]() {
            if (inlineValue) {
                *error = name + " takes no value";
                return false;
            }
            return true;
        };
        std::string v;
        if (name == "--help" || name == "-h") {
            return ParseOutcome::Help;
        } else if (name == "--model") {
            if (!value(&v)) return ParseOutcome::Error;
            options->model = FindModel(v);
            if (!options->model) return bad(v, "kestrel1, kestrel2, tamarin1 or tamarin2");
        } else if (name == "--firmware" || name == "--bootloader" || name == "--serial" || name == "--hardware") {
            if (!value(&v)) return ParseOutcome::Error;
            if (v.find_first_of(";\r\n") != std::string::npos) return bad(v, "no ';' or line ends");
            if (name == "--firmware") options->firmware = v;
            else if (name == "--bootloader") options->bootloader = v;
            else if (name == "--serial") options->serial = v;
            else options->hardware = v;
        } else if (name == "--signature") {
            if (!value(&v)) return ParseOutcome::Error;
            if (v.find_first_of(";\r\n") != std::string::npos) return bad(v, "no ';' or line ends");
            options->signature = v;
        } else if (name == "--device-id") {
            if (!value(&v)) return ParseOutcome::Error;
            std::uint32_t id = 0;
            if (!InRange(v, 0, 0xFFFFFFFFLL, &id)) return bad(v, "a 32-bit number");
            options->deviceId = id;
        } else if (name == "--bootloader-mode") {
            if (!flag()) return ParseOutcome::Error;
            options->bootloaderMode = true;
        } else if (name == "--series") {
            if (!value(&v)) return ParseOutcome::Error;
            if (!InRange(v, 0, 100000, &options->series)) return bad(v, "0..100000");
        } else if (name == "--impacts") {
            if (!value(&v)) return ParseOutcome::Error;
            if (!InRange(v, 1, 100000, &options->impacts)) return bad(v, "1..100000");
        } else if (name == "--seed") {
            if (!value(&v)) return ParseOutcome::Error;
            if (!InRange(v, 0, 0xFFFFFFFFLL, &options->seed)) return bad(v, "a 32-bit number");
        } else if (name == "--empty") {
            if (!flag()) return ParseOutcome::Error;
            options->series = 0;
        } else if (name == "--full") {
            if (!flag()) return ParseOutcome::Error;
            options->full = true;
        } else if (name == "--hkp") {
            if (!value(&options->hkpPath)) return ParseOutcome::Error;
        } else if (name == "--mode-word") {
            if (!value(&v)) return ParseOutcome::Error;
            std::uint16_t word = 0;
            if (!InRange(v, 0, 0x3FFF, &word)) return bad(v, "a mode word 0..0x3FFF");
            options->modeWord = word;
        } else if (name == "--fixed-impacts") {
            if (!value(&v)) return ParseOutcome::Error;
            int fixed = 0;
            if (!InRange(v, 1, 99, &fixed)) return bad(v, "1..99");
            options->fixedImpacts = fixed;
        } else if (name == "--impact-counter") {
            if (!value(&v)) return ParseOutcome::Error;
            std::uint32_t counter = 0;
            if (!InRange(v, 0, 0xFFFFFFFFLL, &counter)) return bad(v, "a 32-bit number");
            options->impactCounter = counter;
        } else if (name == "--clock") {
            if (!value(&v)) return ParseOutcome::Error;
            std::time_t when = 0;
            if (!ParseClock(v, &when)) return bad(v, "YYYY-MM-DD HH:MM:SS, local time");
            options->clock = when;
        } else if (name == "--impact-every" || name == "--events-every") {
            if (!value(&v)) return ParseOutcome::Error;
            int ms = 0;
            if (!InRange(v, 1, 86400000, &ms)) return bad(v, "milliseconds, 1..86400000");
            (name == "--impact-every" ? options->impactEveryMs : options->eventsEveryMs) = ms;
        } else if (name == "--paced") {
            if (!flag()) return ParseOutcome::Error;
            options->paced = true;
        } else if (name == "--latency") {
            if (!value(&v)) return ParseOutcome::Error;
            if (!InRange(v, 0, 1000, &options->latencyMs)) return bad(v, "milliseconds, 0..1000");
        } else if (name == "--echo") {
            if (!flag()) return ParseOutcome::Error;
            options->echo = true;
        } else if (name == "--trace") {
            if (!flag()) return ParseOutcome::Error;
            options->trace = true;
        } else if (name == "--link") {
            if (!value(&options->linkPath)) return ParseOutcome::Error;
            if (options->linkPath.empty()) return bad(v, "a path");
        } else {
            *error = "unknown option '" + args[i] + "' (see --help)";
            return ParseOutcome::Error;
        }
    }
    if (options->full && !options->hkpPath.empty()) {
        *error = "--full and --hkp exclude each other";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Run;
}

std::string HelpText()
{
    std::string text = R"(Usage: kestrel-sim [OPTIONS]

A hardness tester on a pseudo-terminal, for trying the program without a tester. It prints the
pseudo-terminal's path on the first line of standard output and then answers the program on it
like a tester: identification, settings, custom curves, clock, measurement download, status
polling with live events, keys, key lock, display and memory clear. It never configures the line;
the program on the other side must do that. Commands on standard input drive the tester and
inject faults; each command answers one line, "ok ..." or "error: ...".

Tester:
  --model NAME          kestrel1 (default), kestrel2, tamarin1 or tamarin2
  --firmware X.Y.Z      application firmware version (1.x: old date layout, 3-byte settings)
  --bootloader X.Y.Z    boot-loader version
  --serial TEXT         serial number (one starting with RM73 is listed last by the program)
  --hardware TEXT       hardware revision (may be empty)
  --signature HEX       identity signature; its top byte is the device class (4 = second generation)
  --device-id N         32-bit device id answered to command 0xF1 (second generation only)
  --bootloader-mode     run the boot loader: measuring requests get no answer

Memory (default: 3 series of 5 impacts from seed 1):
  --series N            number of generated series
  --impacts M           impacts per generated series
  --seed S              seed of the generated series and of the event timer
  --empty               no stored measurements
  --full                fill the whole memory (2900 records on a Kestrel 1, 2448 otherwise)
  --hkp FILE            take the stored series from a measurement file

Settings:
  --mode-word W         measuring mode word (default 0x0041: Vickers, material 1, Leeb D)
  --fixed-impacts N     impacts per series, 1..99 (default 5)
  --impact-counter N    the probe's impact counter
  --clock "YYYY-MM-DD HH:MM:SS"   the tester's clock, local time (default: the computer's)

Live events and line:
  --impact-every MS     a new impact every MS milliseconds
  --events-every MS     a random event (impact, discard, key lock, key press) every MS milliseconds
  --paced               send at most 3840 bytes/s, as a 38400 baud 8N1 line does
  --latency MS          hold replies as a USB serial adapter's latency timer does: bytes leave
                        in 62-byte packets, a packet not yet full waits MS milliseconds (16 is
                        an adapter's default, 1 its low-latency mode; 0, the default, no hold)
  --echo                text replies in echo mode: command, space, answer, line feed
  --trace               print every request and reply on standard error
  --link PATH           also make PATH a symbolic link to the pseudo-terminal
  --help                print this help

Commands on standard input:
)";
    text += ConsoleHelp();
    text += "\nFault targets: " + TargetNames() + ".\n";
    return text;
}

} // namespace Sim
