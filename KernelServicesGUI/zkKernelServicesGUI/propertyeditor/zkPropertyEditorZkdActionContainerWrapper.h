#pragma once

#include "zkPropertyEditorZkdObjectWrapper.h"

#include <zkdActionContainer.h>

// Shows the properties of the object an action works on; writes go to the action's input slots.
class zkPropertyEditorZkdActionContainerWrapper : public zkPropertyEditorZkdObjectWrapper
{
public:
    explicit zkPropertyEditorZkdActionContainerWrapper(const zkdActionContainer &container);

    // Sets the input slot of that name, converting value to the slot's type (a value that does
    // not convert is rejected); names without a slot are ignored.
    void setProperty(const QByteArray &name, const QVariant &value) override;

private:
    zkdActionContainer m_container;
};
