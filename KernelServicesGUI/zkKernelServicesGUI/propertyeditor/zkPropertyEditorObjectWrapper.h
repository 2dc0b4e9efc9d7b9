#pragma once

#include <zkQRPCMetaProperty.h>

#include <QByteArray>
#include <QList>
#include <QVariant>

#include <boost/any.hpp>

// The editor's uniform, index- and name-based view of one edited object's properties.
class zkPropertyEditorObjectWrapper
{
public:
    explicit zkPropertyEditorObjectWrapper(bool isZkdObject);
    zkPropertyEditorObjectWrapper(const zkPropertyEditorObjectWrapper &) = default;
    zkPropertyEditorObjectWrapper &operator=(const zkPropertyEditorObjectWrapper &) = default;
    virtual ~zkPropertyEditorObjectWrapper();

    // Equal ids mean objects of the same type.
    virtual quint64 getTypeId() const = 0;
    virtual quint64 getObjectId() const = 0;
    virtual int getPropertyCount() const = 0;
    virtual void setProperty(const QByteArray &name, const QVariant &value) = 0;
    virtual QVariant getProperty(int index) const = 0;
    virtual QVariant getProperty(const QByteArray &name) const = 0;
    virtual zkQRPCMetaProperty getMetaProperty(int index) const = 0;
    virtual bool inheritedFrom(const QByteArray &className) const;
    // The object's own class first, then each base class up to the root.
    virtual QList<QByteArray> getInheritanceHierarchy() const = 0;
    // The object changed this property.
    virtual void propertyChanged(const QByteArray &name);

    bool isZkdObject() const { return m_isZkdObject; }

    // The wrapped object: a QObject* or a zkdObject; throws boost::bad_any_cast for another T.
    template <typename T>
    T getObject() const { return boost::any_cast<T>(getObjectImpl()); }

protected:
    virtual boost::any getObjectImpl() const = 0;

private:
    bool m_isZkdObject;
};
