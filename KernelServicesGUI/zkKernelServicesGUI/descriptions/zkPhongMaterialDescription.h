#pragma once

#include "zkMaterialDescription.h"

// The classic diffuse plus glossy material with its textures.
class zkPhongMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkPhongMaterialDescription() = default;

protected:
    void init() override;
};
