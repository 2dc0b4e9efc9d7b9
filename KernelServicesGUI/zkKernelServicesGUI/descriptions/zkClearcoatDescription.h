#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The rows every clearcoat shares; a clearcoat that is off has no colour or reflectivity to set.
class zkClearcoatDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkClearcoatDescription() = default;

protected:
    void init() override;
};
