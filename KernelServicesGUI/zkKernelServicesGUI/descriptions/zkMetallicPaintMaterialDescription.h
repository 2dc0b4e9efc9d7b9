#pragma once

#include "zkMaterialDescription.h"

// Metallic car paint: the paint type decides which flake rows apply.
class zkMetallicPaintMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkMetallicPaintMaterialDescription() = default;

protected:
    void init() override;
};
