#include "zkReflectivePlasticMaterialDescription.h"

#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdDiffuseTexture.h>
#include <zkdDisplacementTexture.h>
#include <zkdGlossyTexture.h>
#include <zkdIncandescence.h>
#include <zkdReflectivePlasticMaterial.h>
#include <zkdSubsurfaceScattering.h>

namespace {

zkReflectivePlasticMaterialDescription instance;

} // namespace

void zkReflectivePlasticMaterialDescription::init()
{
    using Material = zkdReflectivePlasticMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Reflective Plastic Material", tr("Reflective Plastic Material"), rows.Expanded)
        .group("Diffuse Texture", tr("Diffuse Texture"))
        .group("Glossy Texture", tr("Glossy Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Subsurface Scattering", tr("Subsurface Scattering"))
        .group("Displacement Texture", tr("Displacement Texture"));

    initColor<Material>("Reflective Plastic Material");

    rows.editor<float, zkDoubleSliderControl>("reflectivity", [](zkDoubleSliderControlOptions &options) {
            options.group = "Reflective Plastic Material";
            options.label = tr("Reflectivity");
            options.singleStep = 0.01;
        })
        .editor<Material::FresnelQuality, zkComboBoxControl>("fresnelQuality", [](zkComboBoxControlOptions &options) {
            options.group = "Reflective Plastic Material";
            options.label = tr("Fresnel Term Quality");
            options.mappings = {
                {tr("Fast"), Material::Fast},
                {tr("Accurate"), Material::Accurate},
            };
        });

    rows.subObject<zkdDiffuseTexture>("diffuseTexture", "Diffuse Texture", tr("Diffuse Texture"))
        .subObject<zkdGlossyTexture>("glossyTexture", "Glossy Texture", tr("Glossy Texture"))
        .subObject<zkdBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdSubsurfaceScattering>("subsurfaceScattering", "Subsurface Scattering",
                                            tr("Subsurface Scattering"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));
}
