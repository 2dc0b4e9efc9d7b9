#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The settings that turn curved surfaces into triangles: what happens to the scene structure,
// then how finely surfaces are tessellated and stitched.
class zkTessellateDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkTessellateDescription() = default;

protected:
    void init() override;

private:
    void initGeneralSettings();
    void initTessellationSettings();
};
