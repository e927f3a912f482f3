// The Edit menu's table commands: each runs as if the table's first row had been clicked in column 1.
#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "table/TableCommandIds.h"
#include "table/TableCommands.h"

static_assert(Cmd::ExpandAll == TableCmd::ExpandAll && Cmd::DeleteSelected == TableCmd::DeleteSelected
              && Cmd::ShowSelected == TableCmd::ShowSelected && Cmd::HideSelected == TableCmd::HideSelected);

void CChildView::AddTableCommands()
{
    const auto hasSeries = [this](CommandState& state) { state.enabled = store.series.GetSize() > 0; };
    for (int id : {Cmd::ExpandAll, Cmd::ExpandSelected, Cmd::CollapseAll, Cmd::CollapseSelected, Cmd::CopyAll,
             Cmd::CopySelected, Cmd::ShowAll, Cmd::ShowSelected, Cmd::HideAll, Cmd::HideSelected, Cmd::DeleteAll,
             Cmd::DeleteSelected})
        m_commands.Add(id, [this, id] { ExecuteTableCommand(store, id, 1, 1); }, hasSeries);
}
