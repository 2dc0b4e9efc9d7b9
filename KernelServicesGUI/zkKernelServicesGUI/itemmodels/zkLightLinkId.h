#pragma once

#include <zkdLightLinkSetNode.h>
#include <zkdNode.h>

#include <QDataStream>
#include <QMetaType>

// Identifies a row of a light-link view: a link set, the light or object list of a set, a light
// or object in such a list, or a scene node above the sets (a root). Ids are plain values that
// order by kind first, so that rows of one kind sort together.
class zkLightLinkId
{
public:
    enum LightLinkType {
        Invalid = 0,
        LinkSet = 1,
        LightList = 2,
        ObjectList = 3,
        Light = 4,
        Object = 5,
        Root = 6
    };
    using LightLinkTypeFlags = int;

    zkLightLinkId();

    static zkLightLinkId createSetId(const zkdLightLinkSetNode &set);
    static zkLightLinkId createLightListId(const zkdLightLinkSetNode &set);
    static zkLightLinkId createObjectListId(const zkdLightLinkSetNode &set);
    static zkLightLinkId createLightId(const zkdLightLinkSetNode &set, const zkdNode &lightNode);
    static zkLightLinkId createObjectId(const zkdLightLinkSetNode &set, const zkdNode &objectNode);
    static zkLightLinkId createRootId(const zkdNode &node);

    bool isLinkSet() const { return m_type == LinkSet; }
    bool isLightSet() const { return m_type == LightList; }
    bool isObjectSet() const { return m_type == ObjectList; }
    bool isLight() const { return m_type == Light; }
    bool isObject() const { return m_type == Object; }
    bool isRoot() const { return m_type == Root; }

    LightLinkTypeFlags getType() const { return m_type; }
    zkdLightLinkSetNode getLightLinkSet() const { return m_set; }
    // The set itself for a set and its two lists.
    zkdNode getNode() const;
    // The row above: a light's or object's list, a list's set, a set's root node. Invalid for a
    // root and for the invalid id.
    zkLightLinkId getParent() const;

    friend bool operator==(const zkLightLinkId &a, const zkLightLinkId &b)
    { return a.m_type == b.m_type && a.m_set == b.m_set && a.m_node == b.m_node; }
    friend bool operator!=(const zkLightLinkId &a, const zkLightLinkId &b) { return !(a == b); }
    friend bool operator<(const zkLightLinkId &a, const zkLightLinkId &b);

    friend QDataStream &operator<<(QDataStream &out, const zkLightLinkId &id);
    friend QDataStream &operator>>(QDataStream &in, zkLightLinkId &id);

private:
    zkLightLinkId(LightLinkTypeFlags type, const zkdLightLinkSetNode &set, const zkdNode &node);

    LightLinkTypeFlags m_type = Invalid;
    zkdLightLinkSetNode m_set;
    zkdNode m_node;
};

Q_DECLARE_METATYPE(zkLightLinkId)
