#include "zkdActionContainer.h"

#include "zkdActionSlot.h"
#include "zkdClassInfo.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"

namespace {

void initialize(const zkdObject &object, const char *name, const QVariant &value)
{
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    data->initializeProperty(data->classInfo().indexOf(name), value);
}

} // namespace

zkdActionContainer zkdActionContainer::create(const zkdObject &object, const QString &name)
{
    const std::shared_ptr<zkdObjectData> target = object.ptr();
    if (!target)
        return zkdActionContainer();
    const auto container = zkdObjectManager::create<zkdActionContainer>();
    QList<zkdActionSlot> inputs;
    const QVector<zkdPropertyInfo> &properties = target->classInfo().properties;
    for (int i = 0; i < properties.size(); ++i) {
        const zkdPropertyInfo &info = properties.at(i);
        if (!(info.flags & zkdPropertyInfo::Writable) || (info.flags & zkdPropertyInfo::SubObject)
                || info.name == "null" || info.name == "visible")
            continue;
        const auto slot = zkdObjectManager::create<zkdActionSlot>();
        slot.ptr()->setOwner(container.ptr());
        initialize(slot, "name", QString::fromUtf8(info.name));
        initialize(slot, "value", target->property(i));
        inputs.append(slot);
    }
    initialize(container, "name", name);
    initialize(container, "container", zkdObjectManager::toVariant(object));
    initialize(container, "inSlots", QVariant::fromValue(inputs));
    return container;
}

zkdObject zkdActionContainer::getContainer() const
{
    return zkdObjectManager::fromVariant(property("container"));
}

QString zkdActionContainer::getName() const
{
    return property("name").toString();
}

void zkdActionContainer::setName(const QString &name) const
{
    setProperty("name", name);
}

QList<zkdActionSlot> zkdActionContainer::getInSlots() const
{
    return property("inSlots").value<QList<zkdActionSlot>>();
}

zkdActionSlot zkdActionContainer::getInSlot(const QString &name) const
{
    for (const zkdActionSlot &slot : getInSlots()) {
        if (slot.getName() == name)
            return slot;
    }
    return zkdActionSlot();
}
