#pragma once

#include "zkDeltaLightDescription.h"

// The editor of directional lights. As the viewer's head light a directional light keeps only
// the rows of its brightness and colour.
class zkDirectionalLightDescription : public zkDeltaLightDescription
{
    Q_OBJECT
public:
    zkDirectionalLightDescription() = default;

protected:
    void init() override;

private:
    static void updateHeadLight(zkPropertyEditorWidget *widget, bool headLight);
    // Light from infinitely far away can only be given as a luminance.
    static void updateUnits(zkPropertyEditorWidget *widget);
};
