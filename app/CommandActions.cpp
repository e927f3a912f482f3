#include "app/CommandActions.h"

#include "resources/StringTable.h"

#include <QAction>

CommandActions::CommandActions(QObject* owner, Trigger trigger)
    : m_owner(owner)
    , m_trigger(std::move(trigger))
{
}

QAction* CommandActions::Get(int id)
{
    if (QAction* existing = Find(id))
        return existing;
    auto* action = new QAction(m_owner);
    action->setData(id);
    // Toolbar-only commands have no menu text; their tooltip names them.
    const QString menuText = ResMenuText(id);
    action->setText(menuText.isEmpty() ? ResTooltip(id) : menuText);
    action->setToolTip(ResTooltip(id));
    action->setStatusTip(ResPrompt(id));
    action->setIconVisibleInMenu(false);
    action->setEnabled(false); // until the first update of the command states
    QObject::connect(action, &QAction::triggered, m_owner, [this, id] { m_trigger(id); });
    m_actions[id] = action;
    m_order << action;
    return action;
}

QAction* CommandActions::Find(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

int CommandActions::CommandOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}
