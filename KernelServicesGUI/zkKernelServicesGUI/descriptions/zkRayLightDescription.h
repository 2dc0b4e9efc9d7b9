#pragma once

#include "zkBaseLightDescription.h"

// The editor of ray lights: the light block without light texture, attenuation, shadow map and
// visualization scale, and the ray file the light emits in a group of its own.
class zkRayLightDescription : public zkBaseLightDescription
{
    Q_OBJECT
public:
    zkRayLightDescription() = default;

protected:
    void init() override;

private:
    void initRayFileControls(const QByteArray &groupBefore);
    // The rays carry their own flux.
    static void updateUnits(zkPropertyEditorWidget *widget);
};
