#include "zkChromeMaterialDescription.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdChromeMaterial.h>
#include <zkdDisplacementTexture.h>
#include <zkdIncandescence.h>
#include <zkdRoughnessTexture.h>

#include <QVector3D>

namespace {

zkChromeMaterialDescription instance;

} // namespace

void zkChromeMaterialDescription::init()
{
    using Material = zkdChromeMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Chrome Material", tr("Chrome Material"), rows.Expanded)
        .group("Roughness Texture", tr("Roughness Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    rows.editor<QVector3D, zkColorManipulatorControl>("reflectionColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Chrome Material";
            options.label = tr("Reflection Color");
        })
        .editor<float, zkDoubleSliderControl>("smear", [](zkDoubleSliderControlOptions &options) {
            options.group = "Chrome Material";
            options.label = tr("Smear");
            options.singleStep = 0.01;
        })
        .editor<float, zkDoubleSliderControl>("contrast", [](zkDoubleSliderControlOptions &options) {
            options.group = "Chrome Material";
            options.label = tr("Contrast");
            options.singleStep = 0.01;
        })
        .editor<float, zkDoubleSliderControl>("saturation", [](zkDoubleSliderControlOptions &options) {
            options.group = "Chrome Material";
            options.label = tr("saturation");
            options.singleStep = 0.01;
        })
        .editor<Material::MetalType, zkComboBoxControl>("metalType", [](zkComboBoxControlOptions &options) {
            options.group = "Chrome Material";
            options.label = tr("Metal Type");
            options.mappings = {{tr("Highly Reflective"), Material::HighlyReflective}};
            options.mappings += metalItems<Material>();
        })
        // Switched by the check box of the roughness row.
        .editor<bool, zkCheckBoxControl>("useRoughness", [](zkCheckBoxControlOptions &options) { options.skip(); })
        .editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
            options.group = "Chrome Material";
            options.label = tr("Roughness");
            options.singleStep = 0.01;
            options.extraProperties = {"useRoughness"};
            options.enableCheckBox = true;
        });

    rows.subObject<zkdRoughnessTexture>("roughnessTexture", "Roughness Texture", tr("Roughness Texture"))
        .subObject<zkdBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));

    rows.onChanged<bool>("useRoughness", [](zkPropertyEditorWidget *widget, bool) {
        if (widget)
            widget->updateProperty("roughness");
    });
}
