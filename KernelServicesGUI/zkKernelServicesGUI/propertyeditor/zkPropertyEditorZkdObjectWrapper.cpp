#include "zkPropertyEditorZkdObjectWrapper.h"

#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkdObjectData.h>

#include <QMetaObject>

#include <cstdio>

zkPropertyEditorZkdObjectWrapper::zkPropertyEditorZkdObjectWrapper(const zkdObject &object)
    : zkPropertyEditorObjectWrapper(true)
    , m_object(object)
{
}

quint64 zkPropertyEditorZkdObjectWrapper::getTypeId() const
{
    return m_object.getTypeId();
}

quint64 zkPropertyEditorZkdObjectWrapper::getObjectId() const
{
    return m_object.getObjectId();
}

void zkPropertyEditorZkdObjectWrapper::initCache() const
{
    if (!m_cache.isEmpty())
        return;
    const zkObjectService *service = zkKernelServiceFactory::the().getService<zkObjectService>();
    if (!service)
        return;
    m_cache = service->getMetaProperties(m_object);
    for (int i = 0; i < m_cache.size(); ++i)
        m_index.insert(m_cache.at(i).name, i);
}

int zkPropertyEditorZkdObjectWrapper::getPropertyCount() const
{
    initCache();
    return m_cache.size();
}

zkQRPCMetaProperty zkPropertyEditorZkdObjectWrapper::getMetaProperty(int index) const
{
    initCache();
    return m_cache.value(index);
}

QVariant zkPropertyEditorZkdObjectWrapper::getProperty(int index) const
{
    return getMetaProperty(index).value;
}

QVariant zkPropertyEditorZkdObjectWrapper::getProperty(const QByteArray &name) const
{
    return getCachedProperty(name);
}

const QVariant &zkPropertyEditorZkdObjectWrapper::getCachedProperty(const QByteArray &name) const
{
    static const QVariant invalid;
    initCache();
    const auto it = m_index.constFind(name);
    return it == m_index.constEnd() ? invalid : m_cache.at(*it).value;
}

bool zkPropertyEditorZkdObjectWrapper::noCache(const QByteArray &name) const
{
    initCache();
    const auto it = m_index.constFind(name);
    return it != m_index.constEnd() && m_cache.at(*it).isNoCache();
}

void zkPropertyEditorZkdObjectWrapper::updateCachedProperty(const QByteArray &name, const QVariant &value)
{
    const auto it = m_index.constFind(name);
    if (it != m_index.constEnd())
        m_cache[*it].value = value;
}

void zkPropertyEditorZkdObjectWrapper::propertyChanged(const QByteArray &name)
{
    // Read through the live object, which takes the name as it is.
    const auto data = m_object.ptr();
    updateCachedProperty(name, data ? data->property(name) : QVariant());
}

QList<QByteArray> zkPropertyEditorZkdObjectWrapper::getInheritanceHierarchy() const
{
    const auto data = m_object.ptr();
    if (!data) {
        std::fprintf(stderr, "zkPropertyEditorZkdObjectWrapper::getInheritanceHierarchy: obj is NULL!\n");
        return {};
    }
    // Asked for at every write; an object's class never changes.
    if (m_hierarchy.isEmpty()) {
        for (const QMetaObject *metaObject = data->metaObject(); metaObject; metaObject = metaObject->superClass())
            m_hierarchy.append(metaObject->className());
    }
    return m_hierarchy;
}

void zkPropertyEditorZkdObjectWrapper::setProperty(const QByteArray &name, const QVariant &value)
{
    // Spares the kernel writes, and undo entries, that would change nothing.
    if (!noCache(name) && getCachedProperty(name) == value)
        return;
    if (!m_object.ptr()) {
        std::fprintf(stderr, "zkPropertyEditorZkdObjectWrapper::setProperty: obj is NULL!\n");
        return;
    }
    const QVariant current = getProperty(name);
    if (!current.isValid()) {
        std::fprintf(stderr, "zkPropertyEditorZkdObjectWrapper::setProperty: property does not have a valid type!\n");
        return;
    }
    const char *currentType = current.typeName();
    const char *valueType = value.isValid() ? value.typeName() : "invalid";
    if (qstrcmp(currentType, valueType) != 0) {
        std::fprintf(stderr,
                     "zkPropertyEditorZkdObjectWrapper::setProperty: property type does not match: "
                     "property type: %s type of value to be set: %s!\n",
                     currentType, valueType);
        return;
    }
    m_object.setProperty(name.constData(), value);
}

boost::any zkPropertyEditorZkdObjectWrapper::getObjectImpl() const
{
    return m_object;
}
