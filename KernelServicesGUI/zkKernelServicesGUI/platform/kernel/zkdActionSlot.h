#pragma once

#include "zkdObject.h"

#include <QString>
#include <QVariant>

// An input of an action: a named value. Setting it also sets the property of that name on the
// object the action works on, in the same undo step.
class zkdActionSlot : public zkdObject
{
    Q_GADGET
public:
    using zkdObject::zkdObject;

    QString getName() const;
    // The value, of the type the slot was made with; invalid for a null slot.
    QVariant getValue() const;
    // Undoable when an undo scope records; false when the value does not convert to the slot's
    // type or the slot is null.
    bool setValue(const QVariant &value) const;
};

Q_DECLARE_METATYPE(zkdActionSlot)
