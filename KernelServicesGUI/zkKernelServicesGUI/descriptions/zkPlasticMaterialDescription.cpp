#include "zkPlasticMaterialDescription.h"

#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdDiffuseTexture.h>
#include <zkdDisplacementTexture.h>
#include <zkdGlossyTexture.h>
#include <zkdIncandescence.h>
#include <zkdPlasticMaterial.h>
#include <zkdRoughnessTexture.h>
#include <zkdSubsurfaceScattering.h>

namespace {

zkPlasticMaterialDescription instance;

} // namespace

void zkPlasticMaterialDescription::init()
{
    using Material = zkdPlasticMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Plastic Material", tr("Plastic Material"), rows.Expanded)
        .group("Diffuse Texture", tr("Diffuse Texture"))
        .group("Glossy Texture", tr("Glossy Texture"))
        .group("Roughness Texture", tr("Roughness Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Subsurface Scattering", tr("Subsurface Scattering"))
        .group("Displacement Texture", tr("Displacement Texture"));

    initColor<Material>("Plastic Material");

    rows.editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
            options.group = "Plastic Material";
            options.label = tr("Roughness");
            options.singleStep = 0.01;
        })
        .editor<float, zkDoubleSliderControl>("reflectivity", [](zkDoubleSliderControlOptions &options) {
            options.group = "Plastic Material";
            options.label = tr("Reflectivity");
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
