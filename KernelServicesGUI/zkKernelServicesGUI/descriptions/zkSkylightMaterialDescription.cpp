#include "zkSkylightMaterialDescription.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkDateControl.h>
#include <zkFilenameControl.h>
#include <zkTimeControl.h>
#include <zkZkdImageControl.h>
#include <zkdEnvironmentColorCorrection.h>
#include <zkdEnvironmentMaterial.h>
#include <zkdEnvironmentRaytracing.h>
#include <zkdEnvironmentShadowsAndIllumination.h>
#include <zkdEnvironmentTransformation.h>
#include <zkdImage.h>
#include <zkdSkylightLocation.h>
#include <zkdSkylightMaterial.h>
#include <zkdSkylightSkyAndSun.h>

#include <QDate>
#include <QString>
#include <QTime>

namespace {

zkSkylightMaterialDescription instance;

using Skylight = zkdSkylightMaterial;
using GeometryType = zkdEnvironmentMaterial::GeometryType;

const QByteArray mainGroup = "Skylight Material";

template <typename Options>
std::function<void(Options &)> labelledIn(const QByteArray &group, const QString &label)
{
    return [group, label](Options &options) {
        options.group = group;
        options.label = label;
    };
}

} // namespace

void zkSkylightMaterialDescription::init()
{
    zkDescriptionBuilder<Skylight> rows(getFactory());

    rows.group(mainGroup, tr("Skylight Material"), rows.Expanded)
        .group("Shadows and Illumination", tr("Shadows and Illumination"))
        .group("Sky and Sun", tr("Sky and Sun"), rows.Expanded)
        .group("Date and Time", tr("Date and Time"), rows.Expanded)
        .group("Location", tr("Location"), rows.Expanded)
        .group("Color Correction", tr("Color Correction"))
        .group("Transformation", tr("Transformation"), rows.Expanded)
        .group("Raytracing Settings", tr("Raytracing Settings"));

    rows.editor<zkdImage, zkZkdImageControl>("environment",
                                             labelledIn<zkZkdImageControlOptions>(mainGroup, tr("Environment")))
        .editor<uint, zkComboBoxControl>("resolution",
                                         [](zkComboBoxControlOptions &options) {
                                             options.group = mainGroup;
                                             options.label = tr("Resolution");
                                             options.mappings = {
                                                 {tr("Interactive"), 0u},
                                                 {tr("Medium"), 1u},
                                                 {tr("High Quality"), 2u},
                                             };
                                         })
        .editor<GeometryType, zkComboBoxControl>("geometryType",
                                                 [](zkComboBoxControlOptions &options) {
                                                     options.group = mainGroup;
                                                     options.label = tr("Environment Geometry");
                                                     options.mappings = {
                                                         {tr("Custom"), zkdEnvironmentMaterial::Custom},
                                                         {tr("Dome"), zkdEnvironmentMaterial::Dome},
                                                         {tr("Sphere"), zkdEnvironmentMaterial::Sphere},
                                                         {tr("Cube"), zkdEnvironmentMaterial::Cube},
                                                     };
                                                 })
        .editor<QString, zkFilenameControl>("geometry",
                                            labelledIn<zkFilenameControlOptions>(mainGroup, tr("Load Geometry")))
        .editor<bool, zkCheckBoxControl>("visible", labelledIn<zkCheckBoxControlOptions>(mainGroup, tr("Is Visible")))
        .editor<bool, zkCheckBoxControl>("flipped",
                                         labelledIn<zkCheckBoxControlOptions>(mainGroup, tr("Flip Inside Out")))
        .editor<bool, zkCheckBoxControl>("shadowPlaneVisible",
                                         labelledIn<zkCheckBoxControlOptions>(mainGroup, tr("Shadow Plane Visible")))
        .editor<bool, zkCheckBoxControl>("showCompass",
                                         labelledIn<zkCheckBoxControlOptions>(mainGroup, tr("Show Compass")));

    rows.subObject<zkdEnvironmentShadowsAndIllumination>("shadowsAndIllumination", "Shadows and Illumination",
                                                         tr("Shadows and Illumination"))
        .subObject<zkdSkylightSkyAndSun>("skyAndSun", "Sky and Sun", tr("Sky And Sun"))
        .editor<QDate, zkDateControl>("date", labelledIn<zkBaseControlOptions>("Date and Time", tr("Date")))
        .editor<QTime, zkTimeControl>("time", labelledIn<zkBaseControlOptions>("Date and Time", tr("Local Time")))
        .subObject<zkdSkylightLocation>("location", "Location", tr("Sky And Sun"))
        .subObject<zkdEnvironmentColorCorrection>("colorCorrection", "Color Correction", tr("Color Correction"))
        .subObject<zkdEnvironmentTransformation>("transformation", "Transformation", tr("Transformation"))
        .subObject<zkdEnvironmentRaytracing>("raytracingSettings", "Raytracing Settings", tr("Raytracing Settings"));

    rows.showWhen<GeometryType>("geometryType", {"geometry"},
                                [](GeometryType type) { return type == zkdEnvironmentMaterial::Custom; });
}
