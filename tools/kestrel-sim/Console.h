#pragma once
// Commands on standard input: one per line, answered by one line ("ok ..." or "error: ...").
// The command families live in ConsoleEvents.cpp (what happens on the tester), ConsoleLine.cpp
// (the line and its faults) and ConsoleQueries.cpp (looking at the tester, help, quit).

#include <string>
#include <vector>

namespace Sim {

class Simulator;

struct CommandResult {
    bool ok = true;
    std::string text;
};

inline CommandResult Ok(std::string text = {}) { return {true, std::move(text)}; }
inline CommandResult Fail(std::string text) { return {false, std::move(text)}; }
// An empty reason means success.
inline CommandResult OkUnless(std::string why) { return why.empty() ? Ok() : Fail(std::move(why)); }

using Arguments = std::vector<std::string>;

struct ConsoleCommand {
    const char* name;
    const char* usage;   // arguments, for the help
    const char* summary; // one line
    CommandResult (*run)(Simulator& sim, const Arguments& args);
};

const std::vector<ConsoleCommand>& EventCommands();
const std::vector<ConsoleCommand>& LineCommands();
const std::vector<ConsoleCommand>& QueryCommands();

CommandResult ExecuteCommand(Simulator& sim, const std::string& line);
// Every command with its arguments and summary, one per line.
std::string ConsoleHelp();

} // namespace Sim
