#include "zkPropertyEditorZkdActionContainerWrapper.h"

#include <zkActionService.h>
#include <zkKernelServiceFactory.h>
#include <zkdActionSlot.h>

zkPropertyEditorZkdActionContainerWrapper::zkPropertyEditorZkdActionContainerWrapper(const zkdActionContainer &container)
    : zkPropertyEditorZkdObjectWrapper(container.getContainer())
    , m_container(container)
{
}

void zkPropertyEditorZkdActionContainerWrapper::setProperty(const QByteArray &name, const QVariant &value)
{
    const zkdActionSlot slot = m_container.getInSlot(QString::fromUtf8(name));
    if (slot.isNull())
        return;
    QVariant converted = value;
    if (!converted.convert(slot.getValue().userType()) || !slot.setValue(converted))
        return;
    if (zkActionService *service = zkKernelServiceFactory::the().getService<zkActionService>())
        service->actionsChanged();
    if (name == "name")
        m_container.setName(value.toString());
}
