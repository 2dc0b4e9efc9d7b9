#include "zkMaterialId.h"

#include "zkdMaterialNode.h"
#include "zkdMultiMaterial.h"
#include "zkdObjectManager.h"

#include <zkReadVector.h>

#include <algorithm>

zkMaterialId::zkMaterialId(const zkdNode &group)
    : m_nodeId(group.getObjectId())
{
}

zkMaterialId::zkMaterialId(const zkdMaterialNode &node)
    : m_nodeId(node.getObjectId())
{
}

zkMaterialId::zkMaterialId(const zkMaterialId &parent, int index)
    : m_nodeId(parent.m_nodeId)
    , m_path(parent.m_path)
{
    m_path.append(index);
}

zkdNode zkMaterialId::getNode() const
{
    return zkd_cast<zkdNode>(zkdObjectManager::find(m_nodeId));
}

zkMaterialId zkMaterialId::getParent() const
{
    zkMaterialId parent;
    if (isSubMaterial()) {
        parent = *this;
        parent.m_path.removeLast();
    }
    return parent;
}

zkdMaterial zkMaterialId::getMaterial() const
{
    zkdMaterial material = zkd_cast<zkdMaterialNode>(getNode()).getMaterial();
    for (const int index : m_path)
        material = zkd_cast<zkdMultiMaterial>(material).at(index);
    return material;
}

bool operator<(const zkMaterialId &a, const zkMaterialId &b)
{
    if (a.m_nodeId != b.m_nodeId)
        return a.m_nodeId < b.m_nodeId;
    return std::lexicographical_compare(a.m_path.begin(), a.m_path.end(), b.m_path.begin(), b.m_path.end());
}

QDataStream &operator<<(QDataStream &out, const zkMaterialId &id)
{
    return out << id.m_nodeId << id.m_path;
}

QDataStream &operator>>(QDataStream &in, zkMaterialId &id)
{
    zkMaterialId read;
    in >> read.m_nodeId;
    zkReadVector(in, read.m_path);
    // Only a node has sub-materials, and their indices count from zero.
    const bool sane = (read.m_nodeId != 0 || read.m_path.isEmpty())
            && std::none_of(read.m_path.cbegin(), read.m_path.cend(), [](int index) { return index < 0; });
    if (!sane)
        in.setStatus(QDataStream::ReadCorruptData);
    id = in.status() == QDataStream::Ok ? read : zkMaterialId();
    return in;
}

uint qHash(const zkMaterialId &id, uint seed)
{
    return ::qHash(id.getNodeId(), seed) ^ ::qHash(id.getSubMaterialPath(), seed);
}

void registerMaterialIdType()
{
    // Qt warns about comparators registered twice.
    static const bool registered = [] {
        qRegisterMetaType<zkMaterialId>("zkMaterialId");
        qRegisterMetaTypeStreamOperators<zkMaterialId>("zkMaterialId");
        return QMetaType::registerComparators<zkMaterialId>();
    }();
    Q_UNUSED(registered);
}
