#include "zkdObject.h"

#include "zkdClassInfo.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"

zkdObject::zkdObject(const std::shared_ptr<zkdObjectData> &data)
    : m_data(data)
    , m_objectId(data ? data->objectId() : 0)
    , m_typeId(data ? data->classInfo().typeId : 0)
{
}

QString zkdObject::getTypeName() const
{
    if (isNull())
        return QString();
    return QString::fromUtf8(zkdObjectManager::getTypeName(m_typeId));
}

QVariant zkdObject::property(const char *name) const
{
    const std::shared_ptr<zkdObjectData> data = ptr();
    return data ? data->property(QByteArray(name)) : QVariant();
}

bool zkdObject::setProperty(const char *name, const QVariant &value) const
{
    const std::shared_ptr<zkdObjectData> data = ptr();
    return data && data->setProperty(QByteArray(name), value);
}

bool zkdObject::isTypeOf(const QMetaObject &metaObject) const
{
    if (isNull())
        return false;
    const zkdClassInfo *info = zkdObjectManager::classInfo(m_typeId);
    for (; info; info = info->base) {
        if (info->metaObject == &metaObject)
            return true;
    }
    return false;
}

void zkdObject::assign(const zkdObject &other)
{
    m_data = other.m_data;
    m_objectId = other.m_objectId;
    m_typeId = other.m_typeId;
}

QDataStream &operator<<(QDataStream &out, const zkdObject &object)
{
    return out << quint64(object.getObjectId());
}

QDataStream &operator>>(QDataStream &in, zkdObject &object)
{
    quint64 id = 0;
    in >> id;
    object.assign(in.status() == QDataStream::Ok && id ? zkdObjectManager::find(id) : zkdObject());
    return in;
}

uint qHash(const zkdObject &object, uint seed)
{
    return ::qHash(object.getObjectId(), seed);
}

bool zkdSceneObject::isValid() const
{
    return ptr() != nullptr;
}
