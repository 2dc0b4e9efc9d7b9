#pragma once

#include "zkdObject.h"

#include <QHash>
#include <QList>

class QString;

// The parent and child links of the kernel objects that form trees outside their properties:
// scene nodes and variant sets in their groups. Every child has at most one parent. Changes
// are undoable steps and notify the parents involved ("children") and the children moved
// ("parent"); links go with a destroyed object.
class zkdHierarchy
{
public:
    static zkdHierarchy &instance();

    zkdObject parent(const zkdObject &child) const;
    QList<zkdObject> children(const zkdObject &parent) const;
    // The child's position among its parent's children; -1 without a parent.
    int indexOf(const zkdObject &child) const;
    bool isAncestor(const zkdObject &ancestor, const zkdObject &object) const;

    // Moves children under parent, before the child that stands at index in the parent's child
    // list as it is before the move (the moved children counted at their old places); an index
    // past the end appends. Children that are the parent or one of its ancestors stay where
    // they are. One undo step named text, also for several children.
    void insert(const zkdObject &parent, int index, const QList<zkdObject> &children, const QString &text);
    // Takes children out of their parents (one undo step named text).
    void detach(const QList<zkdObject> &children, const QString &text);

private:
    friend class zkdHierarchyCommand;

    // The links of some parents and children, as a change saves and restores them.
    struct State
    {
        QHash<quint64, QList<zkdObject>> children; // per parent id
        QHash<quint64, zkdObject> parents;          // per child id; a null handle for none
        QList<zkdObject> parentObjects;
        QList<zkdObject> childObjects;
    };

    zkdHierarchy() = default;
    State save(const QList<zkdObject> &parents, const QList<zkdObject> &children) const;
    void restore(const State &state);
    void notify(const State &state) const;
    void unlink(const zkdObject &child);
    void forget(const zkdObject &object);
    // Notifies the links now in place, made from before, and records the change; nothing when
    // the links are as they were.
    void changed(const State &before, const State &after, const QString &text);

    QHash<quint64, zkdObject> m_parents;
    QHash<quint64, QList<zkdObject>> m_children;
};
