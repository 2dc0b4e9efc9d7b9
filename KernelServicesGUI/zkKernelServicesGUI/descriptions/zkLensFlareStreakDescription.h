#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A streak element. The name and the switch of every element are edited in the element list,
// so no element kind shows them as rows.
class zkLensFlareStreakDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLensFlareStreakDescription() = default;

protected:
    void init() override;
};
