#pragma once

#include "zkMaterialDescription.h"

// The editor of image-based environments: the hull, then one group per embedded object.
class zkEnvironmentMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkEnvironmentMaterialDescription() = default;

protected:
    void init() override;
};
