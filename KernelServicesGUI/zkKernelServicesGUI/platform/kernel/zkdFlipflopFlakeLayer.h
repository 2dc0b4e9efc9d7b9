#pragma once

#include "zkdObject.h"

// The colour-shifting flakes of flip-flop car paint.
class zkdFlipflopFlakeLayer : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdFlipflopFlakeLayer)
