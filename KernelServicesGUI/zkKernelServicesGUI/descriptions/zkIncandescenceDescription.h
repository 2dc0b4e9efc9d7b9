#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Light a material emits, for the plain and the UV incandescence alike. Its shadow and light
// source rows apply only while the surface is evaluated for ray lights or used as a light source.
class zkIncandescenceDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkIncandescenceDescription() = default;

protected:
    void init() override;

private:
    // The rows of incandescence type T; both variants show the same.
    template <typename T>
    void initType();
};
