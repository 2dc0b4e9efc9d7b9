#include "zkPhongMaterialDescription.h"

#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdDiffuseTexture.h>
#include <zkdDisplacementTexture.h>
#include <zkdGlossyTexture.h>
#include <zkdIncandescence.h>
#include <zkdPhongMaterial.h>
#include <zkdRoughnessTexture.h>
#include <zkdSubsurfaceScattering.h>

namespace {

zkPhongMaterialDescription instance;

} // namespace

void zkPhongMaterialDescription::init()
{
    using Material = zkdPhongMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Phong Material", tr("Phong Material"), rows.Expanded)
        .group("Diffuse Texture", tr("Diffuse Texture"))
        .group("Glossy Texture", tr("Glossy Texture"))
        .group("Roughness Texture", tr("Roughness Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Subsurface Scattering", tr("Subsurface Scattering"))
        .group("Displacement Texture", tr("Displacement Texture"));

    initColor<Material>("Phong Material");

    rows.editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
            options.group = "Phong Material";
            options.label = tr("Roughness");
            options.singleStep = 0.01;
        })
        .editor<float, zkDoubleSliderControl>("diffuseBackscattering", [](zkDoubleSliderControlOptions &options) {
            options.group = "Phong Material";
            options.label = tr("Diffuse Backscattering");
            options.singleStep = 0.01;
        });

    rows.subObject<zkdDiffuseTexture>("diffuseTexture", "Diffuse Texture", tr("Diffuse Texture"))
        .subObject<zkdGlossyTexture>("glossyTexture", "Glossy Texture", tr("Glossy Texture"))
        .subObject<zkdRoughnessTexture>("roughnessTexture", "Roughness Texture", tr("Roughness Texture"))
        .subObject<zkdBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdSubsurfaceScattering>("subsurfaceScattering", "Subsurface Scattering",
                                            tr("Subsurface Scattering"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));
}
