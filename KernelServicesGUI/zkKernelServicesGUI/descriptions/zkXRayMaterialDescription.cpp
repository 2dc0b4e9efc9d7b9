#include "zkXRayMaterialDescription.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdRaytracing.h>
#include <zkdXRayMaterial.h>

#include <QVector3D>

namespace {

zkXRayMaterialDescription instance;

} // namespace

void zkXRayMaterialDescription::init()
{
    zkDescriptionBuilder<zkdXRayMaterial> rows(getFactory());

    rows.group("X-Ray Material", tr("X-Ray Material"), rows.Expanded)
        .group("Fresnel Transparency", tr("Fresnel Transparency"), rows.Expanded)
        .group("Fresnel Color", tr("Fresnel Color"), rows.Expanded)
        .group("Transparency", tr("Transparency"));

    rows.editor<QVector3D, zkColorManipulatorControl>("baseColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "X-Ray Material";
            options.label = tr("Base Color");
        })
        .editor<bool, zkCheckBoxControl>("singleSided", [](zkCheckBoxControlOptions &options) {
            options.group = "X-Ray Material";
            options.label = tr("Single-sided");
        })
        .editor<bool, zkCheckBoxControl>("castShadows", [](zkCheckBoxControlOptions &options) {
            options.group = "X-Ray Material";
            options.label = tr("Cast Shadows");
        });

    // Both Fresnel terms have the same three parameters; only their group tells them apart.
    const auto fresnelTerm = [&rows](const char *bias, const char *scale, const char *power, const QByteArray &group) {
        rows.editor<float, zkDoubleSliderControl>(bias, [group](zkDoubleSliderControlOptions &options) {
                options.group = group;
                options.label = tr("Bias");
                options.singleStep = 0.01;
            })
            .editor<float, zkDoubleSliderControl>(scale, [group](zkDoubleSliderControlOptions &options) {
                options.group = group;
                options.label = tr("Scale");
                options.singleStep = 0.01;
            })
            .editor<float, zkDoubleSliderControl>(power, [group](zkDoubleSliderControlOptions &options) {
                options.group = group;
                options.label = tr("Power");
                options.singleStep = 0.01;
            });
    };

    fresnelTerm("fresnelTransparencyBias", "fresnelTransparencyScale", "fresnelTransparencyPower",
                "Fresnel Transparency");
    rows.editor<QVector3D, zkColorManipulatorControl>("fresnelColor", [](zkColorManipulatorControlOptions &options) {
        options.group = "Fresnel Color";
        options.label = tr("Color");
    });
    fresnelTerm("fresnelColorBias", "fresnelColorScale", "fresnelColorPower", "Fresnel Color");

    rows.subObject<zkdRaytracing>("raytracing", "Raytracing", tr("Raytracing"));
}
