#pragma once

#include "zkMaterialDescription.h"

// Polished metal with an optional roughness.
class zkChromeMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkChromeMaterialDescription() = default;

protected:
    void init() override;
};
