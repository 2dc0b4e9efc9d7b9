#include "zkdObjectManager.h"

#include "zkdObjectData.h"

#include <QHash>
#include <QMetaObject>

#include <deque>

namespace {

struct Registry
{
    QHash<QByteArray, quint64> typeIds;
    QVector<QByteArray> typeNames{QByteArray()}; // index = type id; 0 is no type
    std::deque<zkdClassInfo> classes;             // stable addresses
    QHash<quint64, const zkdClassInfo *> classByTypeId;
    QHash<quint64, std::shared_ptr<zkdObjectData>> objects;
    quint64 nextObjectId = 1;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

void createSubObjects(const std::shared_ptr<zkdObjectData> &object)
{
    const zkdClassInfo &info = object->classInfo();
    for (int i = 0; i < info.properties.size(); ++i) {
        const zkdPropertyInfo &property = info.properties.at(i);
        if (!(property.flags & zkdPropertyInfo::SubObject))
            continue;
        const zkdObject child = zkdObjectManager::create(QMetaType::typeName(property.type));
        if (const std::shared_ptr<zkdObjectData> data = child.ptr())
            data->setOwner(object);
        object->initializeProperty(i, zkdObjectManager::toVariant(child));
    }
}

} // namespace

zkdObjectManager::zkdObjectManager(QObject *parent)
    : QObject(parent)
{
}

zkdObjectManager *zkdObjectManager::instance()
{
    static zkdObjectManager *manager = new zkdObjectManager;
    return manager;
}

quint64 zkdObjectManager::getTypeId(const char *typeName)
{
    return getTypeId(QByteArray(typeName));
}

quint64 zkdObjectManager::getTypeId(const QByteArray &typeName)
{
    Registry &r = registry();
    auto it = r.typeIds.constFind(typeName);
    if (it != r.typeIds.constEnd())
        return *it;
    const quint64 id = quint64(r.typeNames.size());
    r.typeIds.insert(typeName, id);
    r.typeNames.append(typeName);
    return id;
}

QByteArray zkdObjectManager::getTypeName(quint64 typeId)
{
    const Registry &r = registry();
    return typeId < quint64(r.typeNames.size()) ? r.typeNames.at(int(typeId)) : QByteArray();
}

bool zkdObjectManager::isTypeOf(quint64 typeId, quint64 baseTypeId)
{
    if (typeId == baseTypeId)
        return typeId != 0;
    const zkdClassInfo *info = classInfo(typeId);
    const zkdClassInfo *base = classInfo(baseTypeId);
    return info && base && info->inherits(base);
}

const zkdClassInfo *zkdObjectManager::classInfo(quint64 typeId)
{
    return registry().classByTypeId.value(typeId);
}

const zkdClassInfo *zkdObjectManager::classInfo(const QByteArray &className)
{
    const Registry &r = registry();
    const auto it = r.typeIds.constFind(className);
    return it == r.typeIds.constEnd() ? nullptr : r.classByTypeId.value(*it);
}

QList<QByteArray> zkdObjectManager::classNames()
{
    QList<QByteArray> names;
    for (const zkdClassInfo &info : registry().classes)
        names.append(info.metaObject->className());
    return names;
}

void zkdObjectManager::registerClassInfo(const QMetaObject &metaObject, int handleType,
                                         const QVector<zkdPropertyInfo> &ownProperties, const zkdPropertyHook &hook)
{
    Registry &r = registry();
    const quint64 typeId = getTypeId(metaObject.className());
    if (r.classByTypeId.contains(typeId))
        return;

    zkdClassInfo info;
    info.metaObject = &metaObject;
    info.typeId = typeId;
    info.handleType = handleType;
    if (const QMetaObject *super = metaObject.superClass()) {
        info.base = classInfo(QByteArray(super->className()));
        Q_ASSERT_X(info.base, "zkdObjectManager::registerClass", "base class not registered");
    }
    if (info.base) {
        info.properties = info.base->properties;
        info.index = info.base->index;
        info.hooks = info.base->hooks;
    }
    for (const zkdPropertyInfo &property : ownProperties) {
        const int existing = info.index.value(property.name, -1);
        if (existing >= 0) {
            info.properties[existing] = property;
        } else {
            info.index.insert(property.name, info.properties.size());
            info.properties.append(property);
        }
    }
    if (hook)
        info.hooks.append(hook);

    r.classes.push_back(std::move(info));
    r.classByTypeId.insert(typeId, &r.classes.back());
}

zkdObject zkdObjectManager::create(const QByteArray &className)
{
    const zkdClassInfo *info = classInfo(className);
    if (!info)
        return zkdObject();
    Registry &r = registry();
    auto data = std::make_shared<zkdObjectData>(r.nextObjectId++, info);
    r.objects.insert(data->objectId(), data);

    // Identity rows are stored values, so that they list like any other property.
    const auto setIdentity = [&](const char *name, const QVariant &value) {
        const int index = info->indexOf(name);
        if (index >= 0)
            data->initializeProperty(index, value);
    };
    setIdentity("objectId", QVariant::fromValue(data->objectId()));
    setIdentity("typeId", QVariant::fromValue(info->typeId));
    createSubObjects(data);
    return data->handle();
}

zkdObject zkdObjectManager::find(quint64 objectId)
{
    const std::shared_ptr<zkdObjectData> data = registry().objects.value(objectId);
    return data ? data->handle() : zkdObject();
}

void zkdObjectManager::destroy(const zkdObject &object)
{
    const std::shared_ptr<zkdObjectData> data = registry().objects.take(object.getObjectId());
    if (!data)
        return;
    const zkdClassInfo &info = data->classInfo();
    for (int i = 0; i < info.properties.size(); ++i) {
        if (info.properties.at(i).flags & zkdPropertyInfo::SubObject) {
            // A sub-object property may have been pointed at a sibling's object (shared ray
            // files); only the objects this one owns go with it.
            const zkdObject child = fromVariant(data->property(i));
            const std::shared_ptr<zkdObjectData> childData = child.ptr();
            if (childData && childData->owner() == data)
                destroy(child);
        }
    }
    emit instance()->objectDestroyed(object);
}

QVariant zkdObjectManager::toVariant(const zkdObject &object)
{
    const zkdClassInfo *info = classInfo(object.getTypeId());
    if (!info)
        return QVariant();
    // Handle classes add no data to zkdObject, so any handle converts by copying its base part.
    return QVariant(info->handleType, &object);
}

zkdObject zkdObjectManager::fromVariant(const QVariant &value)
{
    if (!value.isValid() || !classInfo(QByteArray(value.typeName())))
        return zkdObject();
    return *static_cast<const zkdObject *>(value.constData());
}

int zkdObjectManager::objectCount()
{
    return registry().objects.size();
}

quint64 zkdObjectManager::getExternalTypeId(const zkdObject &object)
{
    // The in-memory kernel has one numbering of types; external ids are its type ids.
    return object.getTypeId();
}

zkdObject zkdObjectManager::fromExternal(quint64 objectId, quint64 externalType, const QMetaObject &requested)
{
    const zkdClassInfo *info = classInfo(externalType);
    if (!info) {
        qCritical("zkdObjectManager::createFromExternal: externalType %llu is not registered!",
                  static_cast<unsigned long long>(externalType));
        return zkdObject();
    }
    const zkdClassInfo *requestedInfo = classInfo(QByteArray(requested.className()));
    if (!requestedInfo || !info->inherits(requestedInfo)) {
        qCritical("zkdObjectManager::createFromExternal: externalType '%llu' is not a type of '%s'!",
                  static_cast<unsigned long long>(externalType), requested.className());
        return zkdObject();
    }
    const zkdObject object = find(objectId);
    return object.getTypeId() == externalType ? object : zkdObject();
}

void zkdObjectManager::notifyPropertyChanged(const zkdObject &object, const QByteArray &name)
{
    emit propertyChanged(object, name);
}
