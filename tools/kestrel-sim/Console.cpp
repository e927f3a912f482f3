#include "tools/kestrel-sim/Console.h"

#include "tools/kestrel-sim/TextTools.h"

#include <cstdio>

namespace Sim {
namespace {

template <class F>
void ForEachCommand(F&& visit)
{
    for (const auto* family : {&EventCommands(), &LineCommands(), &QueryCommands()})
        for (const ConsoleCommand& command : *family)
            visit(command);
}

} // namespace

CommandResult ExecuteCommand(Simulator& sim, const std::string& line)
{
    Arguments words;
    std::string error;
    if (!SplitCommandLine(line, &words, &error))
        return Fail(error);
    if (words.empty())
        return Ok();
    const std::string name = words.front();
    words.erase(words.begin());
    const ConsoleCommand* found = nullptr;
    ForEachCommand([&](const ConsoleCommand& command) {
        if (name == command.name)
            found = &command;
    });
    if (!found)
        return Fail("unknown command '" + name + "' (try help)");
    return found->run(sim, words);
}

std::string ConsoleHelp()
{
    std::string text;
    ForEachCommand([&](const ConsoleCommand& command) {
        std::string head = std::string("  ") + command.name;
        if (*command.usage)
            head += std::string(" ") + command.usage;
        if (head.size() >= 31) {
            text += head + "\n" + std::string(32, ' ') + command.summary + "\n";
            return;
        }
        char line[512];
        std::snprintf(line, sizeof line, "%-32s%s\n", head.c_str(), command.summary);
        text += line;
    });
    return text;
}

} // namespace Sim
