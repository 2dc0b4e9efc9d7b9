#pragma once

#include <zkPropertyEditorDescriptionBase.h>

class zkPropertyEditorWidget;

// The image a light projects and how it is placed; the placement rows apply only while the
// texture is used, the sequence rows only while it plays an image sequence.
class zkLightTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLightTextureDescription() = default;

protected:
    void init() override;

private:
    static void showTextureRows(zkPropertyEditorWidget *widget);
};
