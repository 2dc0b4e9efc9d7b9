#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The cone that a disk or rectangular light may limit its light to; the angles apply only
// while the cone is used.
class zkAreaLightConeDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkAreaLightConeDescription() = default;

protected:
    void init() override;
};
