#pragma once

#include "zkMaterialDescription.h"

// A material made of several others; its sub-materials are edited in the material tree, not here.
class zkMultiMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkMultiMaterialDescription() = default;

protected:
    void init() override;
};
