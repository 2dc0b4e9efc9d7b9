#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// How the raytracer uses an environment; the override switch enables the sampling qualities.
class zkEnvironmentRaytracingDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkEnvironmentRaytracingDescription() = default;

protected:
    void init() override;
};
