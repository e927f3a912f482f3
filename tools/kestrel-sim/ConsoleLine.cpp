// Console commands for the line: unplugging, hanging up, replugging, pacing and faults aimed at
// the next reply.
#include "tools/kestrel-sim/Console.h"

#include "tools/kestrel-sim/Simulator.h"
#include "tools/kestrel-sim/TextTools.h"

#include <cctype>

namespace Sim {
namespace {

bool IsDecimal(const std::string& word)
{
    if (word.empty())
        return false;
    for (char c : word)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The words of a fault command: at most one target and at most one decimal number.
bool TargetAndNumber(const Arguments& args, int* target, std::optional<long long>* number)
{
    *target = kTargetAny;
    bool haveTarget = false;
    for (const std::string& word : args) {
        if (IsDecimal(word) && !*number) {
            long long value = 0;
            if (!ParseInteger(word, &value) || value > 1000000)
                return false;
            *number = value;
        } else if (const auto parsed = ParseTarget(word); parsed && !haveTarget) {
            *target = *parsed;
            haveTarget = true;
        } else {
            return false;
        }
    }
    return true;
}

CommandResult Arm(Simulator& sim, Fault fault)
{
    if (!sim.Faults().Arm(fault))
        return Fail("too many faults armed");
    return Ok(DescribeFault(fault));
}

// unplug, or unplug after N [TARGET]: the cable is pulled now, or once N more binary requests
// (to TARGET) have been answered.
CommandResult Unplug(Simulator& sim, const Arguments& args)
{
    const char* usage = "usage: unplug [after N [TARGET]]";
    if (args.empty()) {
        sim.Unplug();
        return Ok();
    }
    if (args[0] != "after")
        return Fail(usage);
    int target = kTargetAny;
    std::optional<long long> frames;
    if (!TargetAndNumber(Arguments(args.begin() + 1, args.end()), &target, &frames) || !frames || *frames < 1)
        return Fail(usage);
    sim.UnplugAfter(static_cast<int>(*frames), target);
    return Ok("unplug after " + std::to_string(*frames) + " " + TargetName(target));
}

CommandResult Hangup(Simulator& sim, const Arguments& args)
{
    if (!args.empty())
        return Fail("usage: hangup");
    sim.Hangup();
    return Ok();
}

CommandResult Replug(Simulator& sim, const Arguments& args)
{
    if (!args.empty())
        return Fail("usage: replug");
    std::string path, error;
    if (!sim.Replug(&path, &error))
        return Fail(error);
    return Ok(path);
}

CommandResult Paced(Simulator& sim, const Arguments& args)
{
    if (args.size() != 1 || (args[0] != "0" && args[0] != "1"))
        return Fail("usage: paced 0|1");
    sim.Line().SetPaced(args[0] == "1");
    return Ok();
}

CommandResult Drop(Simulator& sim, const Arguments& args)
{
    Fault fault;
    std::optional<long long> number;
    if (!TargetAndNumber(args, &fault.target, &number) || number)
        return Fail("usage: drop [TARGET]");
    fault.kind = FaultKind::Drop;
    return Arm(sim, fault);
}

CommandResult Truncate(Simulator& sim, const Arguments& args)
{
    Fault fault;
    std::optional<long long> number;
    if (!TargetAndNumber(args, &fault.target, &number) || !number)
        return Fail("usage: truncate N [TARGET]  (N = bytes kept)");
    fault.kind = FaultKind::Truncate;
    fault.count = static_cast<std::size_t>(*number);
    return Arm(sim, fault);
}

CommandResult Corrupt(Simulator& sim, const Arguments& args)
{
    Fault fault;
    std::optional<long long> number;
    if (!TargetAndNumber(args, &fault.target, &number))
        return Fail("usage: corrupt [TARGET] [OFFSET]  (the byte at OFFSET, default 0, is inverted)");
    fault.kind = FaultKind::Corrupt;
    fault.count = static_cast<std::size_t>(number.value_or(0));
    return Arm(sim, fault);
}

// inject TARGET BYTES...: the next reply to TARGET is replaced by the bytes (hex words or one
// quoted text).
CommandResult Inject(Simulator& sim, const Arguments& args)
{
    const char* usage = "usage: inject TARGET HEXBYTES... | inject TARGET \"TEXT\"";
    if (args.size() < 2)
        return Fail(usage);
    const auto target = ParseTarget(args[0]);
    if (!target)
        return Fail("unknown target '" + args[0] + "'");
    Fault fault;
    fault.kind = FaultKind::Replace;
    fault.target = *target;
    const Arguments rest(args.begin() + 1, args.end());
    if (!ParseHexBytes(rest, &fault.replacement)) {
        if (rest.size() != 1 || rest[0].empty())
            return Fail(usage);
        fault.replacement.assign(rest[0].begin(), rest[0].end());
    }
    return Arm(sim, fault);
}

CommandResult Faults(Simulator& sim, const Arguments& args)
{
    if (args.size() == 1 && args[0] == "clear") {
        sim.Faults().Clear();
        return Ok();
    }
    if (!args.empty())
        return Fail("usage: faults [clear]");
    std::string text;
    for (const Fault& fault : sim.Faults().Armed())
        text += (text.empty() ? "" : ", ") + DescribeFault(fault);
    return Ok(text.empty() ? "none" : text);
}

} // namespace

const std::vector<ConsoleCommand>& LineCommands()
{
    static const std::vector<ConsoleCommand> commands = {
        {"unplug", "[after N [TARGET]]",
         "stop answering (cable pulled) now, or once N more binary requests (to TARGET) were answered; queued "
         "output is lost",
         Unplug},
        {"hangup", "", "the port disappears (USB tester gone): the pseudo-terminal closes", Hangup},
        {"replug", "", "answer again; after hangup on a new pseudo-terminal (ok PATH)", Replug},
        {"paced", "0|1", "pace the output at 3840 bytes/s", Paced},
        {"drop", "[TARGET]", "lose the next reply", Drop},
        {"truncate", "N [TARGET]", "send only the first N bytes of the next reply", Truncate},
        {"corrupt", "[TARGET] [OFFSET]", "invert one byte of the next reply", Corrupt},
        {"inject", "TARGET BYTES", "replace the next reply by hex bytes or a \"text\"", Inject},
        {"faults", "[clear]", "list or disarm the armed faults", Faults},
    };
    return commands;
}

} // namespace Sim
