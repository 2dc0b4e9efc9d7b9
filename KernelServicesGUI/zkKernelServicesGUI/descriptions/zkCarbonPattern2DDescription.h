#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A flat carbon weave, turned in the surface's plane.
class zkCarbonPattern2DDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkCarbonPattern2DDescription() = default;

protected:
    void init() override;
};
