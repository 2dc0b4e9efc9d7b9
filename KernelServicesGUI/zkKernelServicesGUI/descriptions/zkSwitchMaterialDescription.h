#pragma once

#include "zkMultiMaterialDescription.h"

// A multi material that shows one of its sub-materials, chosen by index.
class zkSwitchMaterialDescription : public zkMultiMaterialDescription
{
    Q_OBJECT
public:
    zkSwitchMaterialDescription() = default;

protected:
    void init() override;
};
