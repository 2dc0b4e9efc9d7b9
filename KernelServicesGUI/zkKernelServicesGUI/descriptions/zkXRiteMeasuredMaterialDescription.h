#pragma once

#include "zkSwitchMaterialDescription.h"

// A switch material loaded from a measurement file.
class zkXRiteMeasuredMaterialDescription : public zkSwitchMaterialDescription
{
    Q_OBJECT
public:
    zkXRiteMeasuredMaterialDescription() = default;

protected:
    void init() override;
};
