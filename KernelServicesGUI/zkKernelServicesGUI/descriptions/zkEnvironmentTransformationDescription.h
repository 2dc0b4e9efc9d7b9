#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Size, centre, rotation and scale of an environment's projection.
class zkEnvironmentTransformationDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkEnvironmentTransformationDescription() = default;

protected:
    void init() override;
};
