#include "zkWovenClothMaterialDescription.h"

#include <QZKSpectrum.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdDiffuseTexture.h>
#include <zkdDisplacementTexture.h>
#include <zkdTransparency.h>
#include <zkdTriTexture.h>
#include <zkdUVIncandescence.h>
#include <zkdUVSubsurfaceScattering.h>
#include <zkdUVTransparency.h>
#include <zkdWovenClothMaterial.h>
#include <zkdYarnTexture.h>

#include <QByteArray>
#include <QList>
#include <QVector3D>

#include <functional>

namespace {

zkWovenClothMaterialDescription instance;

const QByteArray ownGroup = QByteArrayLiteral("WovenCloth Material");

// The rows a cloth preset writes in the kernel.
const QList<QByteArray> presetRows = {
    "diffuseColor", "darkening", "warpColor", "weftColor", "weaveType", "yarnType", "yarnTwistAngle",
    "highlightWidth", "exposure", "noiseIntensity", "moireRemoval", "warpYarnCurvature", "weftYarnCurvature",
};

std::function<void(zkDoubleSliderControlOptions &)> slider(const char *label, double minimum = 0.0,
                                                          double maximum = 1.0)
{
    return [label, minimum, maximum](zkDoubleSliderControlOptions &options) {
        options.group = ownGroup;
        options.label = zkWovenClothMaterialDescription::tr(label);
        options.minimum = minimum;
        options.maximum = maximum;
        options.singleStep = 0.01;
    };
}

std::function<void(zkColorManipulatorControlOptions &)> color(const char *label)
{
    return [label](zkColorManipulatorControlOptions &options) {
        options.group = ownGroup;
        options.label = zkWovenClothMaterialDescription::tr(label);
    };
}

} // namespace

void zkWovenClothMaterialDescription::init()
{
    using Material = zkdWovenClothMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group(ownGroup, tr("WovenCloth Material"), rows.Expanded)
        .group("Texture", tr("Procedural Weaving Texture"))
        .group("Diffuse Texture", tr("Diffuse Texture"))
        .group("Yarn Texture", tr("Yarn Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Subsurface Scattering", tr("Subsurface Scattering"))
        .group("Displacement Texture", tr("Displacement Texture"));

    // Cloth has a diffuse colour only; the glossy look comes from the yarn.
    rows.editor<QVector3D, zkColorManipulatorControl>("diffuseColor", [](zkColorManipulatorControlOptions &options) {
            options.group = ownGroup;
            options.label = tr("Diffuse Color");
            options.extraProperties = {"diffuseSpectrumColor"};
        })
        .hidden<QZKSpectrum>("diffuseSpectrumColor")
        .editor<float, zkDoubleSliderControl>("darkening", slider(QT_TR_NOOP("Darkening"), 0.1, 10.0))
        .editor<QVector3D, zkColorManipulatorControl>("warpColor", color(QT_TR_NOOP("Warp Color")))
        .editor<QVector3D, zkColorManipulatorControl>("weftColor", color(QT_TR_NOOP("Weft Color")))
        .editor<Material::ClothPresets, zkComboBoxControl>("presetChoice", [](zkComboBoxControlOptions &options) {
            options.group = ownGroup;
            options.label = tr("Cloth Presets");
            options.mappings = {
                {tr("Custom"), Material::Custom},
                {tr("Cotton Jersey"), Material::CottonJersey},
                {tr("Cotton Twill 3x1"), Material::CottonTwill3x1},
                {tr("Jeans"), Material::Jeans},
                {tr("Linen Fine"), Material::LinenFine},
                {tr("Linen Coarse"), Material::LinenCoarse},
                {tr("Nylon"), Material::Nylon},
                {tr("Satin"), Material::Satin},
                {tr("Silk"), Material::Silk},
                {tr("Table Cloth Cotton"), Material::TableClothCotton},
                {tr("Viscose"), Material::Viscose},
            };
        })
        .editor<Material::WeaveType, zkComboBoxControl>("weaveType", [](zkComboBoxControlOptions &options) {
            options.group = ownGroup;
            options.label = tr("Weaving Pattern");
            options.mappings = {
                {tr("Plain Pattern"), Material::PlainPattern},
                {tr("Twill (3x1) Pattern"), Material::Twill3x1Pattern},
                {tr("Twill (5x1) Pattern"), Material::Twill5x1Pattern},
                {tr("Denim Pattern"), Material::DenimPattern},
                {tr("Satin Pattern"), Material::SatinPattern},
                {tr("Silk Pattern"), Material::SilkPattern},
            };
        })
        .editor<Material::YarnType, zkComboBoxControl>("yarnType", [](zkComboBoxControlOptions &options) {
            options.group = ownGroup;
            options.label = tr("Yarn Type");
            options.mappings = {
                {tr("Staple"), Material::Staple},
                {tr("Filament"), Material::Filament},
            };
        })
        .editor<float, zkDoubleSliderControl>("yarnTwistAngle", slider(QT_TR_NOOP("Yarn Twist Angle"), 20.0, 90.0))
        .editor<float, zkDoubleSliderControl>("highlightWidth", slider(QT_TR_NOOP("Highlight Width"), 0.3, 1.0))
        .editor<float, zkDoubleSliderControl>("exposure", slider(QT_TR_NOOP("Exposure")))
        .editor<float, zkDoubleSliderControl>("noiseIntensity", slider(QT_TR_NOOP("Noise Intensity")))
        .editor<float, zkDoubleSliderControl>("moireRemoval", slider(QT_TR_NOOP("Moire Removal")))
        .editor<float, zkDoubleSliderControl>("warpYarnCurvature",
                                              slider(QT_TR_NOOP("Warp Yarn Curvature"), -0.9, 10.0))
        .editor<float, zkDoubleSliderControl>("weftYarnCurvature",
                                              slider(QT_TR_NOOP("Weft Yarn Curvature"), -0.9, 10.0));

    rows.subObject<zkdTriTexture>("texture", "Texture", tr("Texture"))
        .subObject<zkdDiffuseTexture>("diffuseTexture", "Diffuse Texture", tr("Diffuse Texture"))
        .subObject<zkdYarnTexture>("yarnTexture", "Yarn Texture", tr("Yarn Texture"))
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

    rows.onChanged<QVector3D>("diffuseColor", [](zkPropertyEditorWidget *widget, const QVector3D &) {
            if (widget)
                widget->updateProperty("analyticDiffuseColor");
        })
        // The kernel has already written the preset's values; the rows only re-read them.
        .onChanged<Material::ClothPresets>("presetChoice", [](zkPropertyEditorWidget *widget, Material::ClothPresets) {
            if (!widget)
                return;
            for (const QByteArray &row : presetRows)
                widget->updateProperty(row);
        })
        // A filament yarn is untwisted: the kernel fixes its angle.
        .onChanged<Material::YarnType>("yarnType", [](zkPropertyEditorWidget *widget, Material::YarnType type) {
            if (!widget)
                return;
            setControlEnabled(widget, "yarnTwistAngle", type == Material::Staple);
            widget->updateProperty("yarnTwistAngle");
        });
}
