#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A starburst element. A texture shape takes an image instead of a feathered edge.
class zkLensFlareStarDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLensFlareStarDescription() = default;

protected:
    void init() override;
};
