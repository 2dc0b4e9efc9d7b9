#pragma once

#include "zkAreaLightDescription.h"

// A disk light shows the area light's editor, with the cone it limits its light to.
class zkDiskLightDescription : public zkAreaLightDescription
{
    Q_OBJECT
public:
    zkDiskLightDescription() = default;

protected:
    void init() override;
};
