#pragma once
// One action per command id, shared by the menu bar and the toolbar so that both always show the
// same enabled and checked state. An action's menu text, tooltip and status-bar prompt come from
// the string resources of its command id.

#include <QList>
#include <QObject>

#include <functional>
#include <map>

class QAction;

class CommandActions {
public:
    using Trigger = std::function<void(int id)>;
    CommandActions(QObject* owner, Trigger trigger);

    // The action of the command, created on first use.
    QAction* Get(int id);
    // nullptr when the command has no action.
    QAction* Find(int id) const;
    // Every action, in the order of creation.
    const QList<QAction*>& All() const { return m_order; }

    // The command id an action carries; 0 for anything else.
    static int CommandOf(const QAction* action);

private:
    QObject* m_owner;
    Trigger m_trigger;
    std::map<int, QAction*> m_actions;
    QList<QAction*> m_order;
};
