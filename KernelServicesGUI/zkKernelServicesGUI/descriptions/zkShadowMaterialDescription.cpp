#include "zkShadowMaterialDescription.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkSpinerControl.h>
#include <zkdRaytracing.h>
#include <zkdShadowMaterial.h>

#include <QVector3D>

namespace {

zkShadowMaterialDescription instance;

} // namespace

void zkShadowMaterialDescription::init()
{
    using Material = zkdShadowMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Shadow Material", tr("Shadow Material"), rows.Expanded)
        .group("Reflection", tr("Reflection"))
        .group("Raytracing", tr("Raytracing"));

    rows.editor<QVector3D, zkColorManipulatorControl>("occlusionColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Shadow Material";
            options.label = tr("Occlusion Color");
        })
        .editor<float, zkDoubleSliderControl>("occlusionIntensity", [](zkDoubleSliderControlOptions &options) {
            options.group = "Shadow Material";
            options.label = tr("OcclusionIntensity");
            options.minimum = 0.1;
            options.maximum = 4.0;
            options.singleStep = 0.01;
        })
        .editor<QVector3D, zkColorManipulatorControl>("shadowColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Shadow Material";
            options.label = tr("Shadow Color");
        })
        .editor<Material::OpacityMode, zkComboBoxControl>("opacityMode", [](zkComboBoxControlOptions &options) {
            options.group = "Shadow Material";
            options.label = tr("Opacity Mode");
            options.mappings = {
                {tr("Transparent"), Material::Transparent},
                {tr("Solid"), Material::Solid},
            };
        })
        .editor<int, zkSpinerControl>("sortKey", [](zkSpinerControlOptions &options) {
            options.group = "Shadow Material";
            options.label = tr("Sort Key");
            options.singleStep = 1;
        });

    // The reflection colours are plain colours here: a shadow catcher has no spectra behind them.
    rows.editor<Material::ReflectionMode, zkComboBoxControl>("reflectionMode", [](zkComboBoxControlOptions &options) {
            options.group = "Reflection";
            options.label = tr("Reflection Mode");
            options.mappings = {
                {tr("Off"), Material::Off},
                {tr("Diffuse Only"), Material::DiffuseOnly},
                {tr("Glossy Only"), Material::GlossyOnly},
                {tr("Diffuse + Glossy"), Material::DiffuseAndGlossy},
            };
        })
        .editor<QVector3D, zkColorManipulatorControl>("diffuseColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Reflection";
            options.label = tr("Diffuse Color");
        })
        .editor<QVector3D, zkColorManipulatorControl>("glossyColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Reflection";
            options.label = tr("Glossy Color");
        })
        .editor<float, zkDoubleSliderControl>("reflectivity", [](zkDoubleSliderControlOptions &options) {
            options.group = "Reflection";
            options.label = tr("Reflectivity");
            options.singleStep = 0.01;
        })
        .editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
            options.group = "Reflection";
            options.label = tr("Roughness");
            options.singleStep = 0.01;
        });

    rows.subObject<zkdRaytracing>("raytracing", "Raytracing", tr("Raytracing"));
}
