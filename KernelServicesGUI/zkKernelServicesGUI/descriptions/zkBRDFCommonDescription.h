#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The settings every BRDF material shares: occlusion, sort key, local environment, lighting and
// content adaptive shading rate.
class zkBRDFCommonDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkBRDFCommonDescription() = default;

protected:
    void init() override;
};
