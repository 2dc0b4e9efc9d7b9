#pragma once

#include "zkMaterialDescription.h"

// Car paint of a single colour under a clearcoat.
class zkUnicolorPaintMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkUnicolorPaintMaterialDescription() = default;

protected:
    void init() override;
};
