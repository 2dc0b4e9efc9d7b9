#include "zkPropertyEditorQObjectWrapper.h"

#include <zkdObjectManager.h>

#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>

#include <typeinfo>

zkPropertyEditorQObjectWrapper::zkPropertyEditorQObjectWrapper(QObject *object)
    : zkPropertyEditorObjectWrapper(false)
    , m_object(object)
{
}

quint64 zkPropertyEditorQObjectWrapper::getTypeId() const
{
    // The most-derived C++ class, also when it declares no meta-object of its own.
    return zkdObjectManager::getTypeId(typeid(*m_object).name());
}

quint64 zkPropertyEditorQObjectWrapper::getObjectId() const
{
    return quint64(reinterpret_cast<quintptr>(m_object));
}

int zkPropertyEditorQObjectWrapper::metaPropertyCount() const
{
    const QMetaObject *metaObject = m_object->metaObject();
    return metaObject ? metaObject->propertyCount() : 0;
}

int zkPropertyEditorQObjectWrapper::getPropertyCount() const
{
    return metaPropertyCount() + m_object->dynamicPropertyNames().size();
}

void zkPropertyEditorQObjectWrapper::setProperty(const QByteArray &name, const QVariant &value)
{
    m_object->setProperty(name.constData(), value);
}

QVariant zkPropertyEditorQObjectWrapper::getProperty(int index) const
{
    return getMetaProperty(index).value;
}

QVariant zkPropertyEditorQObjectWrapper::getProperty(const QByteArray &name) const
{
    return m_object->property(name.constData());
}

zkQRPCMetaProperty zkPropertyEditorQObjectWrapper::getMetaProperty(int index) const
{
    const int metaCount = metaPropertyCount();
    if (index < 0)
        return {};
    if (index < metaCount) {
        const QMetaProperty property = m_object->metaObject()->property(index);
        return {property.name(), property.read(m_object), property.isWritable() ? zkQRPCMetaProperty::Writable : 0};
    }
    const QList<QByteArray> dynamicNames = m_object->dynamicPropertyNames();
    const int dynamicIndex = index - metaCount;
    if (dynamicIndex >= dynamicNames.size())
        return {};
    const QByteArray &name = dynamicNames.at(dynamicIndex);
    return {name, m_object->property(name.constData()), zkQRPCMetaProperty::Writable};
}

QList<QByteArray> zkPropertyEditorQObjectWrapper::getInheritanceHierarchy() const
{
    QList<QByteArray> hierarchy;
    for (const QMetaObject *metaObject = m_object->metaObject(); metaObject; metaObject = metaObject->superClass())
        hierarchy.append(metaObject->className());
    return hierarchy;
}

boost::any zkPropertyEditorQObjectWrapper::getObjectImpl() const
{
    return m_object;
}
