#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// See-through colour and texture of the plain and the UV transparency.
class zkTransparencyDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkTransparencyDescription() = default;

protected:
    void init() override;
};
