#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A solid carbon weave, turned about each axis.
class zkCarbonPattern3DDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkCarbonPattern3DDescription() = default;

protected:
    void init() override;
};
