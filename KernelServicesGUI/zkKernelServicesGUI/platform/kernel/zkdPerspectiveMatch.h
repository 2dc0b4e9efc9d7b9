#pragma once

#include "zkdObject.h"

// Aligns the current camera with the perspective of the backplate through vanishing lines drawn
// in the viewport. Writing defaultLines puts the lines back; rotateLeft and rotateRight turn the
// current camera by the rotation step.
class zkdPerspectiveMatch : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdPerspectiveMatch)
