#include "zkActionService.h"

zkActionService::zkActionService(QObject *parent)
    : zkBaseService(parent)
{
}

zkdActionContainer zkActionService::createActionContainer(const zkdObject &object, const QString &name)
{
    const zkdActionContainer container = zkdActionContainer::create(object, name);
    if (!container.isNull())
        m_containers.append(container);
    return container;
}

void zkActionService::actionsChanged()
{
    emit changed();
}
