// Console commands that look at the tester, plus help and quit.
#include "tools/kestrel-sim/Console.h"

#include "tools/kestrel-sim/Simulator.h"
#include "tools/kestrel-sim/TextTools.h"

#include <cstdio>
#include <cstring>

namespace Sim {
namespace {

std::string Hex(unsigned value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

std::string LocalTimeText(std::time_t value)
{
    std::tm local{};
    localtime_r(&value, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S", &local);
    return buffer;
}

std::string State(Simulator& sim)
{
    const Device& device = sim.GetDevice();
    const Memory& memory = device.GetMemory();
    std::string display;
    for (std::uint8_t code : device.DisplayCodes()) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, code >= 0x20 && code < 0x7F && code != '"' && code != '\\' ? "%c" : "\\x%02X", code);
        display += buffer;
    }
    return "model=" + std::string(device.GetIdentity().model->key) + " records=" + std::to_string(memory.Count())
        + " downloaded=" + std::to_string(memory.DownloadMark()) + " capacity=" + std::to_string(memory.Capacity())
        + " status=" + Hex(device.Status(), 2) + " lock=" + std::to_string(device.KeyLock()) + " display=\"" + display
        + "\" displaymode=" + Hex(device.DisplayMode(), 2) + " bootloader=" + (device.bootloaderMode ? "1" : "0")
        + " echo=" + (device.echo ? "1" : "0") + " unplugged=" + (sim.Unplugged() ? "1" : "0")
        + " hungup=" + (sim.HungUp() ? "1" : "0") + " paced=" + (sim.Line().Paced() ? "1" : "0")
        + " latency=" + std::to_string(sim.Line().LatencyMs())
        + " faults=" + std::to_string(sim.Faults().Armed().size());
}

std::string SettingsText(const Device& device)
{
    const Settings& s = device.GetSettings();
    return "mode=" + Hex(s.modeWord, 4) + " standard=" + std::to_string(s.conversionStandard) + " fixed="
        + std::to_string(s.fixedImpacts) + " counter=" + std::to_string(s.measurementCounter)
        + " impacts=" + std::to_string(s.impactCounter) + " clock=" + LocalTimeText(device.Clock());
}

CommandResult Show(Simulator& sim, const Arguments& args)
{
    const Device& device = sim.GetDevice();
    const std::string what = args.empty() ? "state" : args[0];
    if (what == "state" && args.size() <= 1)
        return Ok(State(sim));
    if (what == "settings" && args.size() == 1)
        return Ok(SettingsText(device));
    if (what == "log" && args.size() == 1)
        return Ok(sim.Log().Take());
    if (what == "path" && args.size() == 1)
        return Ok(sim.HungUp() ? "none" : sim.SlavePath());
    if (what == "reg" && args.size() == 2) {
        long long address = 0;
        if (!ParseInteger(args[1], &address) || address < 0 || address > 0xFF || (address >> 4) >= device.CurveSlots()
            || (address & 0xF) > 6)
            return Fail("no such register (slot * 16 + register, registers 0..6)");
        const auto& bytes = device.Register(static_cast<int>(address >> 4), static_cast<int>(address & 0xF));
        const std::size_t size = (address & 0xF) == 6 ? 2 : 4;
        return Ok(HexBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size)));
    }
    if (what == "record" && args.size() == 2) {
        long long index = 0;
        const Memory& memory = device.GetMemory();
        if (!ParseInteger(args[1], &index))
            return Fail("usage: show record INDEX  (negative counts from the end)");
        if (index < 0)
            index += memory.Count();
        if (index < 0 || index >= memory.Count())
            return Fail("no record " + args[1] + " (" + std::to_string(memory.Count()) + " stored)");
        const Record& r = memory.At(static_cast<int>(index));
        char value[32];
        std::snprintf(value, sizeof value, "%g", static_cast<double>(r.value));
        return Ok("time=" + Hex(r.when.time, 4) + " date=" + Hex(r.when.date, 4) + " value=" + value + " angle="
                  + std::to_string(r.angle) + " mode=" + Hex(r.modeWord, 4) + " series=" + std::to_string(r.seriesNo));
    }
    return Fail("usage: show [state|settings|log|path|reg ADDRESS|record INDEX]");
}

CommandResult Help(Simulator&, const Arguments&)
{
    std::string names;
    for (const auto* family : {&EventCommands(), &LineCommands(), &QueryCommands()})
        for (const ConsoleCommand& command : *family)
            names += (names.empty() ? "" : " ") + std::string(command.name);
    return Ok("commands: " + names + " (kestrel-sim --help explains them)");
}

CommandResult Quit(Simulator& sim, const Arguments& args)
{
    if (!args.empty())
        return Fail("usage: quit");
    sim.Quit();
    return Ok();
}

} // namespace

const std::vector<ConsoleCommand>& QueryCommands()
{
    static const std::vector<ConsoleCommand> commands = {
        {"show", "[state|settings|log|path|reg A|record I]", "look at the tester; log = requests since the last look", Show},
        {"help", "", "list the commands", Help},
        {"quit", "", "end the simulator", Quit},
    };
    return commands;
}

} // namespace Sim
