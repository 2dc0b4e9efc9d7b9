#include "zkVelvetMaterialDescription.h"

#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdDiffuseTexture.h>
#include <zkdDisplacementTexture.h>
#include <zkdGlossyTexture.h>
#include <zkdTransparency.h>
#include <zkdTriTexture.h>
#include <zkdUVIncandescence.h>
#include <zkdUVSubsurfaceScattering.h>
#include <zkdUVTransparency.h>
#include <zkdVelvetMaterial.h>

namespace {

zkVelvetMaterialDescription instance;

} // namespace

void zkVelvetMaterialDescription::init()
{
    using Material = zkdVelvetMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Velvet Material", tr("Velvet Material"), rows.Expanded)
        .group("Texture", tr("Texture"))
        .group("Diffuse Texture", tr("Diffuse Texture"))
        .group("Glossy Texture", tr("Glossy Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Subsurface Scattering", tr("Subsurface Scattering"))
        .group("Displacement Texture", tr("Displacement Texture"));

    initColor<Material>("Velvet Material");

    rows.editor<float, zkDoubleSliderControl>("darkening", [](zkDoubleSliderControlOptions &options) {
            options.group = "Velvet Material";
            options.label = tr("Darkening");
            options.minimum = 0.1;
            options.maximum = 10.0;
            options.singleStep = 0.01;
        })
        .editor<float, zkDoubleSliderControl>("falloff", [](zkDoubleSliderControlOptions &options) {
            options.group = "Velvet Material";
            options.label = tr("Falloff");
            options.singleStep = 0.01;
        });

    rows.subObject<zkdTriTexture>("texture", "Texture", tr("Texture"))
        .subObject<zkdDiffuseTexture>("diffuseTexture", "Diffuse Texture", tr("Diffuse Texture"))
        .subObject<zkdGlossyTexture>("glossyTexture", "Glossy Texture", tr("Glossy Texture"))
        .subObject<zkdBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdUVIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        // Cloth maps its transparency by UV; the plain one every surface has stays out of sight.
        .editor<zkdTransparency, zkZkdObjectControl<zkdTransparency>>("transparency",
                                                                      [](zkZkdZkdObjectControlOptions &options) {
            options.group = "Transparency";
            options.skip();
        })
        .subObject<zkdUVTransparency>("uVTransparency", "Transparency", tr("Transparency"))
        .subObject<zkdUVSubsurfaceScattering>("subsurfaceScattering", "Subsurface Scattering",
                                              tr("Subsurface Scattering"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));
}
