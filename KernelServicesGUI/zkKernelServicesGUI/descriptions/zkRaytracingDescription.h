#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Per-material raytracing overrides; each override switch enables the two rows it governs.
class zkRaytracingDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkRaytracingDescription() = default;

protected:
    void init() override;
};
