#pragma once

#include "zkdObject.h"

#include <QString>

// What variant sets and their groups have in common: a name.
class zkdVariantSetBase : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    QString getName() const;
    // An edit of the name property: recorded when an undo scope records.
    void setName(const QString &name) const;
};

Q_DECLARE_METATYPE(zkdVariantSetBase)
