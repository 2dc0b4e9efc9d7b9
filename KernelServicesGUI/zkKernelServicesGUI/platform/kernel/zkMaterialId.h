#pragma once

#include <QDataStream>
#include <QMetaType>
#include <QVector>

class zkdMaterial;
class zkdMaterialNode;
class zkdNode;

// Names an entry of the material tree: a group node, a material node, or a sub-material
// reached from a material node through the sub-material indices of its multi-materials. Ids
// compare by node and then by index path, so an entry sorts right after its parent.
class zkMaterialId
{
public:
    zkMaterialId() = default;
    explicit zkMaterialId(const zkdNode &group);
    explicit zkMaterialId(const zkdMaterialNode &node);
    // The sub-material at index of the multi-material that parent names.
    zkMaterialId(const zkMaterialId &parent, int index);

    bool isNull() const { return m_nodeId == 0; }
    quint64 getNodeId() const { return m_nodeId; }
    zkdNode getNode() const;
    // The sub-material indices from the node's material down; empty for a node.
    const QVector<int> &getSubMaterialPath() const { return m_path; }
    bool isSubMaterial() const { return !m_path.isEmpty(); }
    // The id of the entry above a sub-material; a null id for a node.
    zkMaterialId getParent() const;
    // The material named: a material node's material or a sub-material. Null for a group or
    // when the tree no longer has the entry.
    zkdMaterial getMaterial() const;

    friend bool operator==(const zkMaterialId &a, const zkMaterialId &b)
    { return a.m_nodeId == b.m_nodeId && a.m_path == b.m_path; }
    friend bool operator!=(const zkMaterialId &a, const zkMaterialId &b) { return !(a == b); }
    friend bool operator<(const zkMaterialId &a, const zkMaterialId &b);

    friend QDataStream &operator<<(QDataStream &out, const zkMaterialId &id);
    friend QDataStream &operator>>(QDataStream &in, zkMaterialId &id);

private:
    quint64 m_nodeId = 0;
    QVector<int> m_path;
};

uint qHash(const zkMaterialId &id, uint seed = 0);

// Registers "zkMaterialId" with its stream operators and comparators. Safe to call more than once.
void registerMaterialIdType();

Q_DECLARE_METATYPE(zkMaterialId)
