#include "zkBrushedMetalMaterialDescription.h"

#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdBrushedMetalMaterial.h>
#include <zkdBumpTexture.h>
#include <zkdClearcoat.h>
#include <zkdDisplacementTexture.h>
#include <zkdGlossyTexture.h>
#include <zkdIncandescence.h>
#include <zkdRoughnessTexture.h>
#include <zkdUVDiffuseTexture.h>

namespace {

zkBrushedMetalMaterialDescription instance;

} // namespace

void zkBrushedMetalMaterialDescription::init()
{
    using Material = zkdBrushedMetalMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Brushed Metal Material", tr("Brushed Metal Material"), rows.Expanded)
        .group("Clearcoat", tr("Clearcoat"))
        .group("Brush Orientation", tr("Brush Orientation"))
        .group("Diffuse Texture", tr("Diffuse Texture"))
        .group("Glossy Texture", tr("Glossy Texture"))
        .group("Roughness Texture", tr("Roughness Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    initColor<Material>("Brushed Metal Material");

    rows.editor<float, zkDoubleSliderControl>("roughnessU", [](zkDoubleSliderControlOptions &options) {
            options.group = "Brushed Metal Material";
            options.label = tr("Roughness U");
            options.singleStep = 0.01;
        })
        .editor<float, zkDoubleSliderControl>("roughnessV", [](zkDoubleSliderControlOptions &options) {
            options.group = "Brushed Metal Material";
            options.label = tr("Roughness V");
            options.singleStep = 0.01;
        })
        .editor<Material::MetalType, zkComboBoxControl>("metalType", [](zkComboBoxControlOptions &options) {
            options.group = "Brushed Metal Material";
            options.label = tr("Metal Type");
            options.mappings = {{tr("Custom Reflectivity"), Material::CustomReflectivity}};
            options.mappings += metalItems<Material>();
        })
        .editor<float, zkDoubleSliderControl>("reflectivity", [](zkDoubleSliderControlOptions &options) {
            options.group = "Brushed Metal Material";
            options.label = tr("Reflectivity");
            options.singleStep = 0.01;
        });

    rows.subObject<zkdClearcoat>("clearcoat", "Clearcoat", tr("Clearcoat"))
        .subObject<zkdUVDiffuseTexture>("diffuseTexture", "Diffuse Texture", tr("Diffuse Texture"))
        .subObject<zkdGlossyTexture>("glossyTexture", "Glossy Texture", tr("Glossy Texture"))
        .subObject<zkdRoughnessTexture>("roughnessTexture", "Roughness Texture", tr("Roughness Texture"))
        .subObject<zkdBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));

    // A metal other than the custom one brings its own reflectivity and colour.
    rows.onChanged<Material::MetalType>("metalType", [](zkPropertyEditorWidget *widget, Material::MetalType type) {
        if (!widget)
            return;
        const bool custom = type == Material::CustomReflectivity;
        widget->updateProperty("reflectivity");
        setControlEnabled(widget, "reflectivity", custom);
        setGroupVisible(widget, "Diffuse Texture", custom);
        widget->resize();
    });
}
