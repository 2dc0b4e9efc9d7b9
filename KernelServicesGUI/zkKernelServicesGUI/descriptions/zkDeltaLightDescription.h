#pragma once

#include "zkBaseLightDescription.h"

// The base of the descriptions of lights without extent; it registers nothing itself.
class zkDeltaLightDescription : public zkBaseLightDescription
{
    Q_OBJECT
public:
    zkDeltaLightDescription() = default;

protected:
    void init() override;
};
