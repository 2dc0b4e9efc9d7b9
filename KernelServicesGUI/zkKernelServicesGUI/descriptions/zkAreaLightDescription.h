#pragma once

#include "zkBaseLightDescription.h"

#include <zkdAreaLightCone.h>

// The editor of area lights, the base of disk and rectangular lights: the shared light block
// with the area light's own visibility and quality rows in a group of their own.
class zkAreaLightDescription : public zkBaseLightDescription
{
    Q_OBJECT
public:
    zkAreaLightDescription() = default;

protected:
    void init() override;

    // The cone that a shaped area light of type T limits its light to.
    template <typename T>
    void initAreaLightConeControls();

private:
    void initAreaLightControls();
    // A light profile gives the light's flux; without one, any unit of an area light will do.
    static void updateUnits(zkPropertyEditorWidget *widget);
};

template <typename T>
void zkAreaLightDescription::initAreaLightConeControls()
{
    zkDescriptionBuilder<T>(getFactory())
        .template editor<zkdAreaLightCone, zkZkdObjectControl<zkdAreaLightCone>>(
            "areaLightCone",
            [](zkZkdZkdObjectControlOptions &options) {
                options.group = "Area Light";
                options.forceWritable();
            })
        .template after<zkdAreaLightCone>("areaLightCone", "interactiveQuality");
}
