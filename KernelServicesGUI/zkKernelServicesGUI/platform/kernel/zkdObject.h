#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>

#include <memory>

class zkdObjectData;

// A value handle to one kernel object. Handles are cheap to copy; they compare by the object's
// identity and do not keep the object alive: ptr() is empty once the kernel destroyed it.
//
// Every kernel class is a handle class derived from zkdObject with its own static meta-object
// (Q_GADGET), so that T::staticMetaObject.className() is the class name and the meta-object
// chain mirrors the kernel's class hierarchy. Handle classes add no data members.
class zkdObject
{
    Q_GADGET
public:
    zkdObject() = default;
    explicit zkdObject(const std::shared_ptr<zkdObjectData> &data);

    quint64 getObjectId() const { return m_objectId; }
    quint64 getTypeId() const { return m_typeId; }
    // The kernel class name of the object (also known for a destroyed object).
    QString getTypeName() const;

    bool isNull() const { return m_objectId == 0; }
    std::shared_ptr<zkdObjectData> ptr() const { return m_data.lock(); }

    // Reflection; an unknown name or a destroyed object reads as an invalid QVariant.
    QVariant property(const char *name) const;
    // Writes through the kernel: recorded when an undo scope records, followed by the change
    // notification. False when the object is gone, the property unknown or read-only, or the
    // value does not convert to the property's type.
    bool setProperty(const char *name, const QVariant &value) const;

    bool isTypeOf(const QMetaObject &metaObject) const;
    template <typename T>
    bool isTypeOf() const { return isTypeOf(T::staticMetaObject); }

    // Makes this handle refer to other's object, whatever the handle class; callers test the
    // type with isTypeOf() first (see also zkd_cast).
    void assign(const zkdObject &other);

    friend bool operator==(const zkdObject &a, const zkdObject &b) { return a.m_objectId == b.m_objectId; }
    friend bool operator!=(const zkdObject &a, const zkdObject &b) { return a.m_objectId != b.m_objectId; }
    friend bool operator<(const zkdObject &a, const zkdObject &b) { return a.m_objectId < b.m_objectId; }

private:
    std::weak_ptr<zkdObjectData> m_data;
    quint64 m_objectId = 0;
    quint64 m_typeId = 0;
};

// A handle of class T to o's object, or a null T when the object is not a T.
template <typename T>
T zkd_cast(const zkdObject &o)
{
    T result;
    if (o.isTypeOf<T>())
        result.assign(o);
    return result;
}

// The stream form is the object id; reading resolves it in this process's kernel.
QDataStream &operator<<(QDataStream &out, const zkdObject &object);
QDataStream &operator>>(QDataStream &in, zkdObject &object);

uint qHash(const zkdObject &object, uint seed = 0);

// A scene object: any object of the scene graph that can be alive or not.
class zkdSceneObject : public zkdObject
{
    Q_GADGET
public:
    using zkdObject::zkdObject;

    // True while the kernel holds the object.
    bool isValid() const;
};

Q_DECLARE_METATYPE(zkdObject)
Q_DECLARE_METATYPE(zkdSceneObject)
