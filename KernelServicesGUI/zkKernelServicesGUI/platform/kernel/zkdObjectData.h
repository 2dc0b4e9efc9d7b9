#pragma once

#include <QByteArray>
#include <QVariant>
#include <QVector>

#include <memory>

struct zkdClassInfo;
struct QMetaObject;
class zkdObject;

// The live kernel object behind a handle: its identity, class and property values.
class zkdObjectData : public std::enable_shared_from_this<zkdObjectData>
{
public:
    zkdObjectData(quint64 objectId, const zkdClassInfo *classInfo);

    quint64 objectId() const { return m_objectId; }
    const zkdClassInfo &classInfo() const { return *m_class; }
    // The meta-object of the object's kernel class; its superClass() chain ends at zkdObject.
    const QMetaObject *metaObject() const;

    zkdObject handle() const;

    int propertyCount() const { return m_values.size(); }
    QVariant property(const QByteArray &name) const;
    QVariant property(int index) const { return m_values.at(index); }

    // A write as the kernel's users make it: converts the value to the property's type, records
    // it when undo records, runs the class hooks and notifies. False when refused.
    bool setProperty(const QByteArray &name, const QVariant &value);

    // Stores a value and notifies, without undo recording or hooks (undo, redo, operations
    // that record their own commands).
    void storeProperty(int index, const QVariant &value);

    // Sets a value while the kernel builds the object, before anyone holds a handle to it.
    void initializeProperty(int index, const QVariant &value) { m_values[index] = value; }

    // The object that created this one as a sub-object, if any.
    std::shared_ptr<zkdObjectData> owner() const { return m_owner.lock(); }
    void setOwner(const std::shared_ptr<zkdObjectData> &owner) { m_owner = owner; }

private:
    quint64 m_objectId;
    const zkdClassInfo *m_class;
    QVector<QVariant> m_values;
    std::weak_ptr<zkdObjectData> m_owner;
    int m_hookDepth = 0;
};
