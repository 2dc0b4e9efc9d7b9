#pragma once

#include "zkdObject.h"

// Colour correction of an environment image.
class zkdEnvironmentColorCorrection : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdEnvironmentColorCorrection)
