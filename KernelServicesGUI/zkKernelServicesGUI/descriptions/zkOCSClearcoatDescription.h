#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The clearcoat of a measured material; its fresnel quality decides which strength applies.
class zkOCSClearcoatDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkOCSClearcoatDescription() = default;

protected:
    void init() override;
};
