#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A ghost line: its ghosts on the strip editor, which edits the selected ghosts' other rows.
class zkLensFlareGhostLineDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLensFlareGhostLineDescription() = default;

protected:
    void init() override;
};
