#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The overall settings of a lens flare around its element list. The list is a custom stack
// of elements that a preset replaces, and an inactive effect keeps its settings read-only.
class zkLensFlareEffectDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLensFlareEffectDescription() = default;

protected:
    void init() override;
};
