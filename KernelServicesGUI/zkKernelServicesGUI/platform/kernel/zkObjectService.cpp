#include "zkObjectService.h"

#include "zkdObjectData.h"
#include "zkdObjectManager.h"

zkObjectService::zkObjectService(QObject *parent)
    : zkBaseService(parent)
{
    connect(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged,
            this, &zkObjectService::propertyChangedBS);
}

QList<zkQRPCMetaProperty> zkObjectService::getMetaProperties(const zkdObject &object) const
{
    QList<zkQRPCMetaProperty> result;
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    if (!data)
        return result;
    const QVector<zkdPropertyInfo> &properties = data->classInfo().properties;
    result.reserve(properties.size());
    for (int i = 0; i < properties.size(); ++i) {
        const zkdPropertyInfo &info = properties.at(i);
        qint32 flags = 0;
        if (info.flags & zkdPropertyInfo::Writable)
            flags |= zkQRPCMetaProperty::Writable;
        if (info.flags & zkdPropertyInfo::NoCache)
            flags |= zkQRPCMetaProperty::NoCache;
        result.append({info.name, data->property(i), flags});
    }
    return result;
}
