#include "zkEnvironmentMaterialDescription.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkFilenameControl.h>
#include <zkZkdImageControl.h>
#include <zkdEnvironmentColorCorrection.h>
#include <zkdEnvironmentMaterial.h>
#include <zkdEnvironmentRaytracing.h>
#include <zkdEnvironmentShadowsAndIllumination.h>
#include <zkdEnvironmentTransformation.h>
#include <zkdHDRLightStudio.h>
#include <zkdImage.h>

#include <QString>

namespace {

zkEnvironmentMaterialDescription instance;

using Environment = zkdEnvironmentMaterial;

const QByteArray mainGroup = "Sphere Environment Material";

std::function<void(zkCheckBoxControlOptions &)> checkBox(const QString &label, const QString &toolTip = QString())
{
    return [label, toolTip](zkCheckBoxControlOptions &options) {
        options.group = mainGroup;
        options.label = label;
        options.toolTip = toolTip;
    };
}

} // namespace

void zkEnvironmentMaterialDescription::init()
{
    zkDescriptionBuilder<Environment> rows(getFactory());

    rows.group(mainGroup, tr("Environment Material"), rows.Expanded)
        .group("Shadows and Illumination", tr("Shadows and Illumination"))
        .group("HDR Light Studio", tr("HDR Light Studio"))
        .group("Color Correction", tr("Color Correction"), rows.Expanded)
        .group("Transformation", tr("Transformation"), rows.Expanded)
        .group("Raytracing Settings", tr("Raytracing Settings"));

    rows.editor<zkdImage, zkZkdImageControl>("environment",
                                             [](zkZkdImageControlOptions &options) {
                                                 options.group = mainGroup;
                                                 options.label = tr("Environment");
                                                 options.toolTip = tr("HDR used as environment");
                                             })
        .editor<Environment::GeometryType, zkComboBoxControl>(
            "geometryType",
            [](zkComboBoxControlOptions &options) {
                options.group = mainGroup;
                options.label = tr("Environment Geometry");
                options.mappings = {
                    {tr("Custom"), Environment::Custom},
                    {tr("Dome"), Environment::Dome},
                    {tr("Sphere"), Environment::Sphere},
                    {tr("Cube"), Environment::Cube},
                };
                options.toolTip = tr("Defines the shape of the environment hull");
            })
        .editor<QString, zkFilenameControl>("geometry",
                                            [](zkFilenameControlOptions &options) {
                                                options.group = mainGroup;
                                                options.label = tr("Load Geometry");
                                                options.toolTip = tr("Loads a custom file as environment geometry");
                                            })
        .editor<bool, zkCheckBoxControl>("visible",
                                         checkBox(tr("Is Visible"), tr("Toggles the visibility of the environment")))
        .editor<bool, zkCheckBoxControl>("flipped", checkBox(tr("Flip Inside Out")))
        .editor<bool, zkCheckBoxControl>(
            "shadowPlaneVisible",
            checkBox(tr("Shadow Plane Visible"), tr("Toggles the visibility of the shadow plane on the ground.")));

    rows.subObject<zkdEnvironmentShadowsAndIllumination>("shadowsAndIllumination", "Shadows and Illumination",
                                                         tr("Shadows and Illumination"))
        .subObject<zkdHDRLightStudio>("hDRLightStudio", "HDR Light Studio", tr("HDR Light Studio"))
        .subObject<zkdEnvironmentColorCorrection>("colorCorrection", "Color Correction", tr("Color Correction"))
        .subObject<zkdEnvironmentTransformation>("transformation", "Transformation", tr("Transformation"))
        .subObject<zkdEnvironmentRaytracing>("raytracingSettings", "Raytracing Settings", tr("Raytracing Settings"));

    rows.showWhen<Environment::GeometryType>(
        "geometryType", {"geometry"}, [](Environment::GeometryType type) { return type == Environment::Custom; });
}
