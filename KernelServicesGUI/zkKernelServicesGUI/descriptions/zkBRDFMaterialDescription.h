#pragma once

#include "zkMaterialDescription.h"

// The rows all reflectance-function materials share: the analytic colour, which follows the
// material's own colours unless the realistic settings are used, and the embedded transparency,
// raytracing, rounded edges and common settings.
class zkBRDFMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkBRDFMaterialDescription() = default;

protected:
    void init() override;
};
