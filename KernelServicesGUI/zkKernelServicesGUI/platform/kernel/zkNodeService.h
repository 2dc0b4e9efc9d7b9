#pragma once

#include "zkBaseService.h"
#include "zkdNode.h"

#include <QList>

class zkdBaseLightNode;

// Builds the scene graph and moves nodes in it. Every change is one undo step when an undo
// scope records.
class zkNodeService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkNodeService(QObject *parent = nullptr);

    zkdNode getRootNode() const;

    // A new node of a kernel node class, added last under parent (the scene root for a null
    // parent); null for a class that is not a node class. An empty name gives the class's name
    // without its prefix ("zkdPointLightNode": "PointLight").
    zkdNode createNode(const QByteArray &className, const zkdNode &parent = zkdNode(),
                       const QString &name = QString());
    // A copy of node, added last under parent, that shares the node's content (both are then
    // shared). Null for a null node or the scene root.
    zkdNode cloneNode(const zkdNode &node, const zkdNode &parent);

    // Moves nodes under parent, after its children.
    void appendNodes(const zkdNode &parent, const QList<zkdNode> &nodes);
    // Moves nodes under parent, before the child at index in the child list as it is before the
    // move: a node that moves down within the same parent still counts at its old place (the
    // destination convention of item-model row moves). A node never moves below itself.
    void insertNodes(const zkdNode &parent, int index, const QList<zkdNode> &nodes);
    // Takes nodes, with everything below them, out of the scene in one step; they stay alive, so
    // that undo can bring them back. The scene root and nodes outside the scene are left alone.
    void removeNodes(const QList<zkdNode> &nodes);

    // The light nodes of the scene, depth first in child order.
    QList<zkdBaseLightNode> getLightNodes() const;
};
