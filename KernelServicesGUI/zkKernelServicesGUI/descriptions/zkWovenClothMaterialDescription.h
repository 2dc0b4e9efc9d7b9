#pragma once

#include "zkMaterialDescription.h"

// Procedurally woven cloth; a preset fills the weave, the yarn and their colours.
class zkWovenClothMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkWovenClothMaterialDescription() = default;

protected:
    void init() override;
};
