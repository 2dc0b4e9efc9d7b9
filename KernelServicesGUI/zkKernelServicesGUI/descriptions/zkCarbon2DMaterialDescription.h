#pragma once

#include "zkMaterialDescription.h"

// Carbon fibre with a flat weave pattern under a clearcoat.
class zkCarbon2DMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkCarbon2DMaterialDescription() = default;

protected:
    void init() override;
};
