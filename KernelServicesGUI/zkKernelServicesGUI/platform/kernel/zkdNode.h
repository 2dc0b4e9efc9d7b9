#pragma once

#include "zkdObject.h"

#include <QList>
#include <QString>

class QIcon;

// A node of the scene graph: a named object with children, a visibility flag and a lock. The
// plain zkdNode is a group; the kinds of nodes derive from it. Structure changes go through the
// node service and notify "children" on the parents and "parent" on the nodes moved.
class zkdNode : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    QString getName() const;
    // An edit of the name property: recorded when an undo scope records.
    void setName(const QString &name) const;

    // The glyph of the node's kind.
    QIcon getIcon() const;

    QList<zkdNode> getChildren() const;
    // Null for the scene root and for nodes outside the scene.
    zkdNode getParent() const;
    // The position among the parent's children; -1 without a parent.
    int getIndex() const;

    // True while the node shares its content with another node of the scene (a clone).
    bool isShared() const;
    // A node cannot be edited while it or one of its ancestors is locked by the user.
    bool isLocked() const;
    bool hasLockedParent() const;
    bool getUserLocked() const;
    void setUserLocked(bool locked) const;

    // The node's own visibility switch; whether it shows also depends on its parents.
    bool getVisibilityFlag() const;
    void setVisibilityFlag(bool visible) const;
};

Q_DECLARE_METATYPE(zkdNode)
