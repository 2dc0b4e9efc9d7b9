#include "zkGlassMaterialDescription.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdDisplacementTexture.h>
#include <zkdExteriorTransparencyTexture.h>
#include <zkdGlassMaterial.h>
#include <zkdGlassTriTexture.h>
#include <zkdRoughnessTexture.h>
#include <zkdTransparency.h>
#include <zkdUVIncandescence.h>
#include <zkdUVTransparency.h>

#include <QVector3D>

namespace {

zkGlassMaterialDescription instance;

// A change rule that makes the rows re-read the values the kernel derived from the change.
template <typename V>
std::function<void(zkPropertyEditorWidget *, V)> refresh(const QList<QByteArray> &properties)
{
    return [properties](zkPropertyEditorWidget *widget, V) {
        if (!widget)
            return;
        for (const QByteArray &property : properties)
            widget->updateProperty(property);
    };
}

} // namespace

void zkGlassMaterialDescription::init()
{
    using Material = zkdGlassMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Glass Material", tr("Glass Material"), rows.Expanded)
        .group("Texture", tr("Texture"))
        .group("Exterior Transparency Texture", tr("Exterior Transparency Texture"))
        .group("Roughness Texture", tr("Roughness Texture"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    rows.editor<QVector3D, zkColorManipulatorControl>("exteriorColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Exterior Transparency");
            options.extraProperties = {"exteriorColorSpectrum"};
        })
        .hidden<QZKSpectrum>("exteriorColorSpectrum")
        .editor<QVector3D, zkColorManipulatorControl>("interiorColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Interior Transparency");
        })
        .editor<QVector3D, zkColorManipulatorControl>("reflectionColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Reflection Color");
        })
        .editor<Material::MediumType, zkComboBoxControl>("mediumType", [](zkComboBoxControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Select Medium");
            options.mappings = {
                {tr("Custom"), Material::Custom},
                {tr("Diamond (Carbon)"), Material::Diamond},
                {tr("Polysilicon"), Material::Polysilicon},
                {tr("Acrylic Glass (Polymethyl Methacrylate)"), Material::AcrylicGlass},
                {tr("Plastic (Polystyrene)"), Material::Polystyrene},
            };
        })
        .editor<float, zkDoubleSliderControl>("refractionIndex", [](zkDoubleSliderControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Refraction Index");
            options.minimum = 0.1;
            options.maximum = 3.0;
            options.singleStep = 0.01;
            options.decimals = 2;
            options.displayDecimals = 2;
        })
        .editor<float, zkDoubleSliderControl>("simulatedThickness", [](zkDoubleSliderControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Simulated Thickness");
            options.singleStep = 0.1;
            options.decimals = 2;
            options.displayDecimals = 2;
        })
        .editor<bool, zkCheckBoxControl>("useDispersion",
                                         [](zkCheckBoxControlOptions &options) { options.group = "Glass Material"; })
        .editor<Material::DispersionInputType, zkComboBoxControl>("dispersionInputType",
                                                                  [](zkComboBoxControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Input Type");
            options.mappings = {
                {tr("Abbe Number d-line"), Material::AbbeNumberDLine},
                {tr("Abbe Number e-line"), Material::AbbeNumberELine},
                {tr("Spectral Distribution"), Material::SpectralDistribution},
            };
        })
        .editor<float, zkDoubleSliderControl>("abbeNumber", [](zkDoubleSliderControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Abbe Number");
            options.singleStep = 1.0;
            options.decimals = 2;
            options.displayDecimals = 2;
        })
        // The use... switches behind the sliders below are the sliders' own check boxes.
        .editor<float, zkDoubleSliderControl>("reflectivity", [](zkDoubleSliderControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Custom Reflectivity");
            options.singleStep = 0.01;
            options.decimals = 2;
            options.displayDecimals = 2;
            options.extraProperties = {"useCustomReflectivity"};
            options.enableCheckBox = true;
        })
        .hidden<bool>("useCustomReflectivity")
        .editor<Material::FresnelQualityType, zkComboBoxControl>("fresnelQuality", [](zkComboBoxControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Fresnel Term Quality");
            options.mappings = {
                {tr("Fast"), Material::Fast},
                {tr("Accurate"), Material::Accurate},
            };
        })
        .editor<bool, zkCheckBoxControl>("useSolidShadows",
                                         [](zkCheckBoxControlOptions &options) { options.group = "Glass Material"; })
        .editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Use Roughness");
            options.minimum = 0.01;
            options.maximum = 5.0;
            options.singleStep = 0.01;
            options.decimals = 2;
            options.displayDecimals = 2;
            options.extraProperties = {"useRoughness"};
            options.enableCheckBox = true;
        })
        .hidden<bool>("useRoughness")
        .editor<float, zkDoubleSliderControl>("density", [](zkDoubleSliderControlOptions &options) {
            options.group = "Glass Material";
            options.label = tr("Use Density");
            options.minimum = 0.001;
            options.maximum = 1.0;
            options.singleStep = 0.001;
            options.decimals = 3;
            options.displayDecimals = 3;
            options.extraProperties = {"useDensity"};
            options.enableCheckBox = true;
        })
        .hidden<bool>("useDensity");

    rows.subObject<zkdGlassTriTexture>("texture", "Texture", tr("Texture"))
        .subObject<zkdExteriorTransparencyTexture>("exteriorTransparencyTexture", "Exterior Transparency Texture",
                                                   tr("Exterior Transparency Texture"))
        .subObject<zkdRoughnessTexture>("roughnessTexture", "Roughness Texture", tr("Roughness Texture"))
        .subObject<zkdBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdUVIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        // Glass shows the UV transparency in the group instead of the plain one of every surface.
        .editor<zkdTransparency, zkZkdObjectControl<zkdTransparency>>("transparency",
                                                                      [](zkZkdZkdObjectControlOptions &options) {
            options.group = "Transparency";
            options.skip();
        })
        .subObject<zkdUVTransparency>("uVTransparency", "Transparency", tr("Transparency"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));

    // The kernel derives the analytic colours, the medium, the refraction index and the
    // reflectivity from one another.
    rows.onChanged<QVector3D>("exteriorColor", refresh<QVector3D>({"analyticDiffuseColor"}))
        .onChanged<QVector3D>("reflectionColor", refresh<QVector3D>({"analyticSpecularColor"}))
        .onChanged<Material::MediumType>("mediumType", refresh<Material::MediumType>({"refractionIndex"}))
        .onChanged<float>("refractionIndex", refresh<float>({"mediumType", "reflectivity"}))
        .onChanged<float>("abbeNumber", refresh<float>({"mediumType"}))
        .onChanged<bool>("useCustomReflectivity", refresh<bool>({"reflectivity"}));

    // The reflectivity is not edited while dispersion is used.
    rows.onChanged<bool>("useDispersion", [](zkPropertyEditorWidget *widget, bool dispersion) {
        if (!widget)
            return;
        setControlsVisible(widget, {"dispersionInputType", "abbeNumber"}, dispersion);
        setControlEnabled(widget, "reflectivity", !dispersion);
        widget->resize();
    });
}
