#pragma once

#include "zkdObject.h"

#include <QList>
#include <QString>

class zkdActionSlot;

// An action that sets properties of one object: its inputs are slots named after the
// properties, and the object is the container whose properties an editor shows.
class zkdActionContainer : public zkdObject
{
    Q_GADGET
public:
    using zkdObject::zkdObject;

    // A new action on object with one slot per writable property (identity and sub-object rows
    // left out), each holding the property's current value.
    static zkdActionContainer create(const zkdObject &object, const QString &name);

    zkdObject getContainer() const;
    QString getName() const;
    // An edit of the name property: recorded when an undo scope records.
    void setName(const QString &name) const;
    QList<zkdActionSlot> getInSlots() const;
    // The input slot of that name; null when there is none.
    zkdActionSlot getInSlot(const QString &name) const;
};

Q_DECLARE_METATYPE(zkdActionContainer)
