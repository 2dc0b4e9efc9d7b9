#pragma once

#include <QByteArray>
#include <QHash>
#include <QVariant>
#include <QVector>

#include <functional>

class zkdObjectData;
struct QMetaObject;

// What the kernel knows of one reflected property of a class.
struct zkdPropertyInfo
{
    enum Flag {
        Writable = 0x1,
        NoCache = 0x2,     // command-like: listed with the no-cache flag
        SubObject = 0x4    // holds a handle to an object created with (and owned by) its owner
    };

    QByteArray name;
    int type = QMetaType::UnknownType;
    QVariant defaultValue;
    int flags = Writable;
};

// Declarations of properties for zkdObjectManager::registerClass().
namespace zkdProperty {

// A plain value property of type V, writable unless flags say otherwise.
template <typename V>
zkdPropertyInfo value(const char *name, const V &defaultValue = V(), int flags = zkdPropertyInfo::Writable)
{
    return {name, qMetaTypeId<V>(), QVariant::fromValue(defaultValue), flags};
}

// A read-only property holding a sub-object of handle class H, created with its owner.
template <typename H>
zkdPropertyInfo subObject(const char *name)
{
    return {name, qMetaTypeId<H>(), QVariant(), zkdPropertyInfo::SubObject};
}

// A writable property of handle class H that starts out null (a reference to another object).
template <typename H>
zkdPropertyInfo reference(const char *name)
{
    return {name, qMetaTypeId<H>(), QVariant::fromValue(H()), zkdPropertyInfo::Writable};
}

// A command-like boolean property: writing it triggers an action; it always reads false.
inline zkdPropertyInfo command(const char *name)
{
    return {name, QMetaType::Bool, QVariant(false), zkdPropertyInfo::Writable | zkdPropertyInfo::NoCache};
}

} // namespace zkdProperty

// Called after a property of an object of the class was written by an edit (not by undo or
// redo); derives dependent values by writing them through the object.
using zkdPropertyHook = std::function<void(zkdObjectData &object, const QByteArray &name)>;

// A registered kernel class: its meta-object, type id and the properties of its objects in
// listing order (inherited ones first).
struct zkdClassInfo
{
    const QMetaObject *metaObject = nullptr;
    const zkdClassInfo *base = nullptr;
    quint64 typeId = 0;
    QVector<zkdPropertyInfo> properties;
    QHash<QByteArray, int> index;
    QVector<zkdPropertyHook> hooks; // the class's own and its bases', base first
    int handleType = QMetaType::UnknownType; // meta-type id of the handle class

    int indexOf(const QByteArray &name) const { return index.value(name, -1); }
    bool inherits(const zkdClassInfo *other) const;
};
