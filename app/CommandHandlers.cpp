#include "app/CommandHandlers.h"

void CommandHandlers::Add(int id, RunFn run, UpdateFn update)
{
    m_entries[id] = Entry{std::move(run), std::move(update)};
}

bool CommandHandlers::Update(int id, CommandState& state) const
{
    const auto it = m_entries.find(id);
    if (it == m_entries.end())
        return false;
    state = CommandState{};
    if (it->second.update)
        it->second.update(state);
    return true;
}

bool CommandHandlers::Run(int id) const
{
    CommandState state;
    if (!Update(id, state) || !state.enabled)
        return false;
    m_entries.at(id).run();
    return true;
}
