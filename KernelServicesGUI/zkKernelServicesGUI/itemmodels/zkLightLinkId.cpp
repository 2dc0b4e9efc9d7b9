#include "zkLightLinkId.h"

namespace {

void registerLightLinkIdType()
{
    // Thread-safe through the static's initialisation; Qt also warns about comparators
    // registered twice.
    static const bool registered = [] {
        qRegisterMetaType<zkLightLinkId>("zkLightLinkId");
        qRegisterMetaTypeStreamOperators<zkLightLinkId>("zkLightLinkId");
        return QMetaType::registerComparators<zkLightLinkId>();
    }();
    Q_UNUSED(registered);
}

} // namespace

zkLightLinkId::zkLightLinkId()
{
    registerLightLinkIdType();
}

zkLightLinkId::zkLightLinkId(LightLinkTypeFlags type, const zkdLightLinkSetNode &set, const zkdNode &node)
    : m_type(type)
    , m_set(set)
    , m_node(node)
{
    registerLightLinkIdType();
}

zkLightLinkId zkLightLinkId::createSetId(const zkdLightLinkSetNode &set)
{
    return zkLightLinkId(LinkSet, set, set);
}

zkLightLinkId zkLightLinkId::createLightListId(const zkdLightLinkSetNode &set)
{
    return zkLightLinkId(LightList, set, set);
}

zkLightLinkId zkLightLinkId::createObjectListId(const zkdLightLinkSetNode &set)
{
    return zkLightLinkId(ObjectList, set, set);
}

zkLightLinkId zkLightLinkId::createLightId(const zkdLightLinkSetNode &set, const zkdNode &lightNode)
{
    return zkLightLinkId(Light, set, lightNode);
}

zkLightLinkId zkLightLinkId::createObjectId(const zkdLightLinkSetNode &set, const zkdNode &objectNode)
{
    return zkLightLinkId(Object, set, objectNode);
}

zkLightLinkId zkLightLinkId::createRootId(const zkdNode &node)
{
    return zkLightLinkId(Root, zkdLightLinkSetNode(), node);
}

zkdNode zkLightLinkId::getNode() const
{
    if (m_type >= LinkSet && m_type <= ObjectList)
        return m_set;
    return m_node;
}

zkLightLinkId zkLightLinkId::getParent() const
{
    switch (m_type) {
    case LinkSet:
        return createRootId(m_set.getParent());
    case LightList:
    case ObjectList:
        return createSetId(m_set);
    case Light:
        return createLightListId(m_set);
    case Object:
        return createObjectListId(m_set);
    default:
        return zkLightLinkId();
    }
}

bool operator<(const zkLightLinkId &a, const zkLightLinkId &b)
{
    if (a.m_type != b.m_type)
        return a.m_type < b.m_type;
    if (a.m_set != b.m_set)
        return a.m_set < b.m_set;
    return a.m_node < b.m_node;
}

QDataStream &operator<<(QDataStream &out, const zkLightLinkId &id)
{
    return out << qint32(id.m_type) << static_cast<const zkdObject &>(id.m_set)
               << static_cast<const zkdObject &>(id.m_node);
}

QDataStream &operator>>(QDataStream &in, zkLightLinkId &id)
{
    qint32 type = zkLightLinkId::Invalid;
    zkdObject set;
    zkdObject node;
    in >> type >> set >> node;
    if (in.status() == QDataStream::Ok && (type < zkLightLinkId::Invalid || type > zkLightLinkId::Root))
        in.setStatus(QDataStream::ReadCorruptData);
    if (in.status() != QDataStream::Ok) {
        id = zkLightLinkId();
        return in;
    }
    id = zkLightLinkId(type, zkd_cast<zkdLightLinkSetNode>(set), zkd_cast<zkdNode>(node));
    return in;
}
