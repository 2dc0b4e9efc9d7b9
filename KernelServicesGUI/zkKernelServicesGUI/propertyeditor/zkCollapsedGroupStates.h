#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>

class zkGroupControl;

// Which groups the user collapsed, remembered per object type, so that the groups keep their
// state when the selection moves between objects of the same type.
class zkCollapsedGroupStates
{
public:
    // Replaces the record of the type with the state of every named group.
    void store(quint64 typeId, const QList<zkGroupControl *> &groups);
    // Applies the type's record to the groups it names; others keep their state.
    void restore(quint64 typeId, const QList<zkGroupControl *> &groups) const;

private:
    QMap<quint64, QMap<QByteArray, bool>> m_states;
};
