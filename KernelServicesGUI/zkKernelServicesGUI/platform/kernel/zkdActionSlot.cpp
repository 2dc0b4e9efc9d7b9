#include "zkdActionSlot.h"

#include "zkScopedMultiCommand.h"
#include "zkUndoString.h"
#include "zkdActionContainer.h"
#include "zkdChangeCommand.h"
#include "zkdObjectData.h"

#include <QCoreApplication>

QString zkdActionSlot::getName() const
{
    return property("name").toString();
}

QVariant zkdActionSlot::getValue() const
{
    return property("value");
}

bool zkdActionSlot::setValue(const QVariant &value) const
{
    const std::shared_ptr<zkdObjectData> data = ptr();
    if (!data)
        return false;
    QVariant converted = value;
    const QVariant current = getValue();
    if (current.isValid() && !converted.convert(current.userType()))
        return false;

    // The slot's value and the property it stands for change in one step.
    const zkScopedMultiCommand step(zkUndoString("Set Action Input", "Action Commands"));
    auto change = std::make_unique<zkdChangeCommand>(
            QCoreApplication::translate("Action Commands", "Set Action Input"));
    change->store(*this, "value", converted);
    zkdChangeCommand::apply(std::move(change));
    const std::shared_ptr<zkdObjectData> owner = data->owner();
    if (owner)
        zkd_cast<zkdActionContainer>(owner->handle()).getContainer().setProperty(getName().toUtf8().constData(), converted);
    return true;
}
