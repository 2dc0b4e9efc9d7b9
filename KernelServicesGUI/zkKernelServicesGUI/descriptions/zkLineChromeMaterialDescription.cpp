#include "zkLineChromeMaterialDescription.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdDisplacementTexture.h>
#include <zkdLineChromeMaterial.h>
#include <zkdRaytracing.h>

#include <QVector3D>

namespace {

zkLineChromeMaterialDescription instance;

} // namespace

void zkLineChromeMaterialDescription::init()
{
    zkDescriptionBuilder<zkdLineChromeMaterial> rows(getFactory());

    rows.group("Line Chrome Material", tr("Line Chrome Material"), rows.Expanded)
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    rows.editor<QVector3D, zkColorManipulatorControl>("reflectionColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Line Chrome Material";
            options.label = tr("Reflection Color");
        })
        // Switched by the check box of the roughness row.
        .editor<bool, zkCheckBoxControl>("useRoughness", [](zkCheckBoxControlOptions &options) { options.skip(); })
        .editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
            options.group = "Line Chrome Material";
            options.label = tr("Roughness");
            options.singleStep = 0.01;
            options.extraProperties = {"useRoughness"};
            options.enableCheckBox = true;
        })
        .editor<float, zkDoubleSliderControl>("lineWidth", [](zkDoubleSliderControlOptions &options) {
            options.group = "Line Chrome Material";
            options.label = tr("Line Width");
            options.singleStep = 0.01;
        });

    rows.subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture", tr("Displacement Texture"))
        .subObject<zkdRaytracing>("raytracing", "Raytracing", tr("Raytracing"));

    rows.onChanged<bool>("useRoughness", [](zkPropertyEditorWidget *widget, bool) {
        if (widget)
            widget->updateProperty("roughness");
    });
}
