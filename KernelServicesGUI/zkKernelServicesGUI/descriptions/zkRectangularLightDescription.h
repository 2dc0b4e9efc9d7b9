#pragma once

#include "zkAreaLightDescription.h"

// A rectangle light shows the area light's editor, with the cone it limits its light to.
class zkRectangularLightDescription : public zkAreaLightDescription
{
    Q_OBJECT
public:
    zkRectangularLightDescription() = default;

protected:
    void init() override;
};
