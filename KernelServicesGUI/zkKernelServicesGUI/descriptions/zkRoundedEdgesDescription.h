#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Rounded edges at render time; a group id matters only when rounding is limited to a group.
class zkRoundedEdgesDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkRoundedEdgesDescription() = default;

protected:
    void init() override;
};
