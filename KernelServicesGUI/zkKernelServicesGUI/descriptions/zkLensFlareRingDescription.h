#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A ring element. The name and the switch of every element are edited in the element list,
// so no element kind shows them as rows.
class zkLensFlareRingDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLensFlareRingDescription() = default;

protected:
    void init() override;
};
