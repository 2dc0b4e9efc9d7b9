#pragma once

#include "zkdObject.h"

// What the importer of a CAD exchange format brings into the scene.
class zkdKxmSettings : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdKxmSettings)
