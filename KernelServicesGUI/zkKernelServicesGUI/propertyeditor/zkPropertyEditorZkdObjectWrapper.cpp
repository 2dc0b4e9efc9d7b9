#include "zkPropertyEditorZkdObjectWrapper.h"

#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkdObjectData.h>

#include <QMetaObject>

#include <cstdio>

namespace {

using PropertyIndex = QHash<QByteArray, int>;

bool indexes(const PropertyIndex &index, const QList<zkQRPCMetaProperty> &properties)
{
    if (index.size() != properties.size())
        return false;
    for (int i = 0; i < properties.size(); ++i) {
        if (index.value(properties.at(i).name, -1) != i)
            return false;
    }
    return true;
}

// Objects of one type list the same properties in the same order, so their wrappers share one
// index: the lookups of a write to a large selection then stay in the processor's cache instead
// of touching one table per object.
std::shared_ptr<const PropertyIndex> sharedIndex(quint64 typeId, const QList<zkQRPCMetaProperty> &properties)
{
    static QHash<quint64, std::shared_ptr<const PropertyIndex>> indices;
    std::shared_ptr<const PropertyIndex> &shared = indices[typeId];
    if (shared && indexes(*shared, properties))
        return shared;
    auto index = std::make_shared<PropertyIndex>();
    index->reserve(properties.size());
    for (int i = 0; i < properties.size(); ++i)
        index->insert(properties.at(i).name, i);
    if (!shared)
        shared = index;
    return index;
}

// Kernel classes have static meta-objects, so one list per class serves all their objects: a
// write to a large selection compares the class names of every object, and one copy of them
// stays in the processor's cache.
QList<QByteArray> classHierarchy(const QMetaObject *metaObject)
{
    static QHash<const QMetaObject *, QList<QByteArray>> hierarchies;
    QList<QByteArray> &hierarchy = hierarchies[metaObject];
    if (hierarchy.isEmpty()) {
        for (const QMetaObject *current = metaObject; current; current = current->superClass())
            hierarchy.append(current->className());
    }
    return hierarchy;
}

} // namespace

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
    m_index = sharedIndex(m_object.getTypeId(), m_cache);
}

int zkPropertyEditorZkdObjectWrapper::indexOf(const QByteArray &name) const
{
    initCache();
    return m_index ? m_index->value(name, -1) : -1;
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
    const int index = indexOf(name);
    return index < 0 ? invalid : m_cache.at(index).value;
}

bool zkPropertyEditorZkdObjectWrapper::noCache(const QByteArray &name) const
{
    const int index = indexOf(name);
    return index >= 0 && m_cache.at(index).isNoCache();
}

void zkPropertyEditorZkdObjectWrapper::updateCachedProperty(const QByteArray &name, const QVariant &value)
{
    const int index = indexOf(name);
    if (index >= 0)
        m_cache[index].value = value;
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
    return classHierarchy(data->metaObject());
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
    // Through the virtual read, so that a wrapper presenting other values checks against those.
    const QVariant current = getProperty(name);
    if (!current.isValid()) {
        std::fprintf(stderr, "zkPropertyEditorZkdObjectWrapper::setProperty: property does not have a valid type!\n");
        return;
    }
    if (qstrcmp(current.typeName(), value.typeName()) != 0) {
        std::fprintf(stderr,
                     "zkPropertyEditorZkdObjectWrapper::setProperty: property type does not match: "
                     "property type: %s type of value to be set: %s!\n",
                     current.typeName(), value.isValid() ? value.typeName() : "invalid");
        return;
    }
    m_object.setProperty(name.constData(), value);
}

boost::any zkPropertyEditorZkdObjectWrapper::getObjectImpl() const
{
    return m_object;
}
