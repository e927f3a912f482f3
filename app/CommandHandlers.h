#pragma once
// Command handlers of one command target (the view, the frame, the application). The frame offers
// every menu and toolbar command first to the view, then to itself, then to the application; a
// command nobody handles is shown disabled.

#include <functional>
#include <map>

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CommandHandlers {
public:
    using RunFn = std::function<void()>;
    // Adjusts the state of a handled command; without one the command is enabled and unchecked.
    using UpdateFn = std::function<void(CommandState&)>;

    void Add(int id, RunFn run, UpdateFn update = {});
    bool Handles(int id) const { return m_entries.count(id) != 0; }
    // False when id is not handled here; state is then left alone.
    bool Update(int id, CommandState& state) const;
    // False when id is not handled here or the command is disabled.
    bool Run(int id) const;

private:
    struct Entry {
        RunFn run;
        UpdateFn update;
    };
    std::map<int, Entry> m_entries;
};
