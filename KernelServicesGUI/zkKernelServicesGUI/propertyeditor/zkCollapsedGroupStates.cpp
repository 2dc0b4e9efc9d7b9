#include "zkCollapsedGroupStates.h"

#include "zkGroupControl.h"

void zkCollapsedGroupStates::store(quint64 typeId, const QList<zkGroupControl *> &groups)
{
    QMap<QByteArray, bool> &states = m_states[typeId];
    states.clear();
    for (const zkGroupControl *group : groups) {
        if (!group->getName().isEmpty())
            states.insert(group->getName(), group->isCollapsed());
    }
}

void zkCollapsedGroupStates::restore(quint64 typeId, const QList<zkGroupControl *> &groups) const
{
    const QMap<QByteArray, bool> states = m_states.value(typeId);
    for (zkGroupControl *group : groups) {
        const auto it = states.constFind(group->getName());
        if (it != states.constEnd())
            group->setCollapsed(*it);
    }
}
