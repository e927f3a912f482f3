// Console commands for what happens on the tester: impacts, discards, keys, key lock, display,
// series, raw records, memory erase, boot loader and echo mode.
#include "tools/kestrel-sim/Console.h"

#include "tools/kestrel-sim/Simulator.h"
#include "tools/kestrel-sim/TextTools.h"

namespace Sim {
namespace {

bool Integer(const std::string& text, long long low, long long high, long long* value)
{
    return ParseInteger(text, value) && *value >= low && *value <= high;
}

CommandResult Impact(Simulator& sim, const Arguments& args)
{
    float value = 0.0f;
    long long angle = 0;
    if (args.empty() || args.size() > 2 || !ParseFloat(args[0], &value))
        return Fail("usage: impact VALUE [ANGLE]");
    if (args.size() == 2 && !Integer(args[1], 0, 180, &angle))
        return Fail("the angle must be a whole number of degrees 0..180");
    return OkUnless(sim.GetDevice().Impact(value, static_cast<int>(angle)));
}

CommandResult Discard(Simulator& sim, const Arguments& args)
{
    if (!args.empty())
        return Fail("usage: discard");
    return OkUnless(sim.GetDevice().Discard());
}

CommandResult Lock(Simulator& sim, const Arguments& args)
{
    long long raw = 0;
    if (args.size() != 1 || !Integer(args[0], 0, 2, &raw))
        return Fail("usage: lock 0|1|2");
    return OkUnless(sim.GetDevice().OperatorKeyLock(static_cast<int>(raw)));
}

CommandResult Display(Simulator& sim, const Arguments& args)
{
    long long mode = 0;
    if (args.empty() || args.size() > 2 || args[0].empty() || args[0].size() > 4)
        return Fail("usage: display \"TEXT\" [MODE]  (TEXT: 1 to 4 characters)");
    if (args.size() == 2 && !Integer(args[1], 0, 255, &mode))
        return Fail("the display mode must be 0..255");
    std::array<std::uint8_t, 4> codes{' ', ' ', ' ', ' '};
    for (std::size_t i = 0; i < args[0].size(); ++i)
        codes[i] = static_cast<std::uint8_t>(args[0][i]);
    return OkUnless(sim.GetDevice().OperatorDisplay(codes, static_cast<std::uint8_t>(mode)));
}

CommandResult Key(Simulator& sim, const Arguments& args)
{
    long long key = 0;
    if (args.size() != 1 || !Integer(args[0], 1, 3, &key))
        return Fail("usage: key 1|2|3");
    return OkUnless(sim.GetDevice().OperatorKey(static_cast<int>(key)));
}

CommandResult Series(Simulator& sim, const Arguments& args)
{
    if (!args.empty())
        return Fail("usage: series");
    sim.GetDevice().StartNewSeries();
    return Ok();
}

CommandResult RawRecord(Simulator& sim, const Arguments& args)
{
    long long time = 0, date = 0, angle = 0, mode = 0, series = 0;
    float value = 0.0f;
    if (args.size() < 5 || args.size() > 6 || !Integer(args[0], 0, 0xFFFF, &time) || !Integer(args[1], 0, 0xFFFF, &date)
        || !ParseFloat(args[2], &value) || !Integer(args[3], 0, 255, &angle) || !Integer(args[4], 0, 0xFFFF, &mode)
        || (args.size() == 6 && !Integer(args[5], 0, 0xFFFF, &series)))
        return Fail("usage: record TIMEWORD DATEWORD VALUE ANGLE MODEWORD [SERIESNO]  (words 0..0xFFFF, angle 0..255)");
    Record record;
    record.when = {static_cast<std::uint16_t>(time), static_cast<std::uint16_t>(date)};
    record.value = value;
    record.angle = static_cast<std::uint8_t>(angle);
    record.modeWord = static_cast<std::uint16_t>(mode);
    record.seriesNo = static_cast<std::uint16_t>(series);
    return OkUnless(sim.GetDevice().AddRawRecord(record));
}

CommandResult Erase(Simulator& sim, const Arguments& args)
{
    if (!args.empty())
        return Fail("usage: erase");
    sim.GetDevice().EraseMemory();
    return Ok();
}

CommandResult Switch(const Arguments& args, const char* usage, bool* flag)
{
    long long on = 0;
    if (args.size() != 1 || !Integer(args[0], 0, 1, &on))
        return Fail(std::string("usage: ") + usage);
    *flag = on == 1;
    return Ok();
}

// bootloader 0|1 [BYTES]: the application or the boot loader runs; the boot loader answers the
// application check with BYTES (default 01 02).
CommandResult Bootloader(Simulator& sim, const Arguments& args)
{
    const char* usage = "bootloader 0|1 [HEXBYTES...]";
    Device& device = sim.GetDevice();
    if (args.size() > 1) {
        std::vector<std::uint8_t> answer;
        if (args[0] != "1" || !ParseHexBytes(Arguments(args.begin() + 1, args.end()), &answer) || answer.empty())
            return Fail(std::string("usage: ") + usage);
        device.bootloaderAnswer = answer;
        device.bootloaderMode = true;
        return Ok();
    }
    device.bootloaderAnswer = {0x01, 0x02};
    return Switch(args, usage, &device.bootloaderMode);
}

CommandResult Echo(Simulator& sim, const Arguments& args)
{
    return Switch(args, "echo 0|1", &sim.GetDevice().echo);
}

// "set NAME VALUE" or "set reg ADDRESS BYTES...": the operator changes a setting or a custom
// curve on the tester itself.
CommandResult Set(Simulator& sim, const Arguments& args)
{
    Device& device = sim.GetDevice();
    if (args.size() >= 3 && args[0] == "reg") {
        long long address = 0;
        std::vector<std::uint8_t> bytes;
        if (!Integer(args[1], 0, 0xFF, &address) || !ParseHexBytes(Arguments(args.begin() + 2, args.end()), &bytes))
            return Fail("usage: set reg ADDRESS BYTES  (address = slot * 16 + register; hex bytes, lowest first)");
        return OkUnless(device.OperatorRegister(static_cast<int>(address >> 4), static_cast<int>(address & 0xF), bytes));
    }
    long long value = 0;
    if (args.size() != 2 || !ParseInteger(args[1], &value))
        return Fail("usage: set mode|standard|fixed|counter|impacts VALUE, or set reg ADDRESS BYTES");
    return OkUnless(device.OperatorSetting(args[0], value));
}

} // namespace

const std::vector<ConsoleCommand>& EventCommands()
{
    static const std::vector<ConsoleCommand> commands = {
        {"impact", "VALUE [ANGLE]", "a new impact (raw Leeb value, direction in degrees, default 0)", Impact},
        {"discard", "", "discard the last impact", Discard},
        {"lock", "0|1|2", "the operator locks (1) or unlocks (0; 2 = unlocked, other code) the keys", Lock},
        {"display", "\"TEXT\" [MODE]", "show up to 4 display codes (\\xHH allowed) with a mode byte", Display},
        {"key", "1|2|3", "the operator presses left, right or down (refused while locked)", Key},
        {"series", "", "the next impact starts a new series", Series},
        {"record", "TIME DATE VALUE ANGLE MODE [SERIES]", "store a record exactly as given", RawRecord},
        {"erase", "", "erase the measurement memory", Erase},
        {"set", "NAME VALUE | reg A BYTES", "the operator changes a setting (mode, standard, fixed, counter, impacts) or a curve register", Set},
        {"bootloader", "0|1 [BYTES]",
         "run the boot loader (1) or the application (0); the boot loader answers the application check with "
         "BYTES (default 01 02)",
         Bootloader},
        {"echo", "0|1", "text replies in echo mode", Echo},
    };
    return commands;
}

} // namespace Sim
