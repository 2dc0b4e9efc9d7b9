#pragma once

#include "zkPropertyEditorObjectWrapper.h"

#include <zkdObject.h>

#include <QHash>

#include <memory>

// Wraps a kernel object. All values are fetched from the object service in one request and
// served from a cache; the cache learns of changes only through propertyChanged(), which the
// editor calls on the kernel's change notification.
class zkPropertyEditorZkdObjectWrapper : public zkPropertyEditorObjectWrapper
{
public:
    explicit zkPropertyEditorZkdObjectWrapper(const zkdObject &object);

    quint64 getTypeId() const override;
    quint64 getObjectId() const override;
    int getPropertyCount() const override;
    // Writes through the kernel unless the cached value already equals value (and the property
    // is not flagged no-cache); the value's type must be the property's, there is no conversion.
    void setProperty(const QByteArray &name, const QVariant &value) override;
    QVariant getProperty(int index) const override;
    QVariant getProperty(const QByteArray &name) const override;
    zkQRPCMetaProperty getMetaProperty(int index) const override;
    QList<QByteArray> getInheritanceHierarchy() const override;
    void propertyChanged(const QByteArray &name) override;

protected:
    boost::any getObjectImpl() const override;

    // An invalid QVariant for a name the object does not have.
    const QVariant &getCachedProperty(const QByteArray &name) const;
    bool noCache(const QByteArray &name) const;
    // Names the object does not have are ignored.
    void updateCachedProperty(const QByteArray &name, const QVariant &value);

private:
    void initCache() const;
    // -1 for a name the object does not have.
    int indexOf(const QByteArray &name) const;

    zkdObject m_object;
    mutable QList<zkQRPCMetaProperty> m_cache;
    // Shared by the wrappers of objects with the same properties.
    mutable std::shared_ptr<const QHash<QByteArray, int>> m_index;
};
