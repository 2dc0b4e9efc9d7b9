#pragma once

#include "zkMaterialDescription.h"

// The editor of the procedural sky: the hull, the sky model, the date, time and place of the sun.
class zkSkylightMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkSkylightMaterialDescription() = default;

protected:
    void init() override;
};
