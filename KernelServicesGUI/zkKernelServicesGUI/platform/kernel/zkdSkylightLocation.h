#pragma once

#include "zkdObject.h"

// Where on earth a sky is seen from; the closest known city follows the coordinates.
class zkdSkylightLocation : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdSkylightLocation)
