#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Perspective matching: the vanishing lines drawn in the viewport and the camera turns that
// align the camera with the backplate. The settings only apply while matching is on.
class zkPerspectiveMatchDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkPerspectiveMatchDescription() = default;

protected:
    void init() override;
};
