#pragma once

#include "zkdObject.h"

#include <QString>

// One element of a lens-flare effect; the kinds of elements derive from it.
class zkdLensFlareElement : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    QString getName() const;
    // Edits of the name and isActive properties: recorded when an undo scope records.
    void setName(const QString &name) const;
    bool getIsActive() const;
    void setIsActive(bool active) const;
};

Q_DECLARE_METATYPE(zkdLensFlareElement)
