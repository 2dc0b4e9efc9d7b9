#include "zkSubsurfaceScatteringDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdSubsurfaceScattering.h>
#include <zkdSubsurfaceScatteringTexture.h>
#include <zkdUVSubsurfaceScattering.h>

#include <QVector3D>

namespace {

zkSubsurfaceScatteringDescription instance;

std::function<void(zkDoubleSliderControlOptions &)> slider(const QString &label, double minimum = 0.0,
                                                           double maximum = 1.0)
{
    return [label, minimum, maximum](zkDoubleSliderControlOptions &options) {
        options.label = label;
        options.minimum = minimum;
        options.maximum = maximum;
        options.singleStep = 0.01;
        options.decimals = 2;
        options.displayDecimals = 2;
    };
}

} // namespace

void zkSubsurfaceScatteringDescription::init()
{
    initType<zkdSubsurfaceScattering>();
    initType<zkdUVSubsurfaceScattering>();
}

template <typename T>
void zkSubsurfaceScatteringDescription::initType()
{
    using Mode = typename T::Mode;
    using MediaType = typename T::MediaType;
    zkDescriptionBuilder<T> rows(getFactory());

    rows.template editor<Mode, zkComboBoxControl>("mode",
                                                  [](zkComboBoxControlOptions &options) {
                                                      options.label = tr("Scattering Mode");
                                                      options.mappings = {
                                                          {tr("None"), T::NoScattering},
                                                          {tr("Thin Walled Translucency"), T::ThinWalledTranslucency},
                                                          {tr("Volume Scattering"), T::VolumeScattering},
                                                      };
                                                  })
        .template editor<QVector3D, zkColorManipulatorControl>(
            "color", [](zkColorManipulatorControlOptions &options) { options.label = tr("Color"); })
        .template editor<float, zkDoubleSliderControl>("roughness", slider(tr("Roughness")))
        .template editor<float, zkDoubleSliderControl>("attenuation", slider(tr("Attenuation")))
        .template editor<float, zkDoubleSliderControl>("asymmetry", slider(tr("Asymmetry"), -1.0, 1.0))
        .template editor<MediaType, zkComboBoxControl>(
            "mediaType",
            [](zkComboBoxControlOptions &options) {
                options.label = tr("Select Medium");
                options.mappings = {
                    {tr("Custom Medium"), T::CustomMedium},
                    {tr("Diamond (Carbon)"), T::Diamond},
                    {tr("Polysilicon"), T::Polysilicon},
                    {tr("Acrylic glass (Polymethyl methacrylate)"), T::AcrylicGlass},
                    {tr("Plastic (Polystyrene)"), T::Polystyrene},
                    {tr("Plastic (Polycarbonates)"), T::Polycarbonates},
                    {tr("Ethanol"), T::Ethanol},
                    {tr("Methanol"), T::Methanol},
                    {tr("Water (19° C)"), T::Water19C},
                    {tr("Water (24° C)"), T::Water24C},
                    {tr("Crown glass (Borosilicate glass)"), T::CrownGlass},
                    {tr("Glass (Lanthanum dense flint)"), T::LanthanumDenseFlintGlass},
                    {tr("Glass (Barium flint)"), T::BariumFlintGlass},
                    {tr("Glass (Dense flint)"), T::DenseFlintGlass},
                    {tr("Quartz (Fused silica)"), T::FusedSilica},
                    {tr("Fused Germania"), T::FusedGermania},
                };
            })
        .template editor<float, zkDoubleSliderControl>("refractionIndex", slider(tr("Index of Refraction"), 1.0, 5.0))
        .template editor<zkdSubsurfaceScatteringTexture, zkZkdObjectControl<zkdSubsurfaceScatteringTexture>>(
            "texture", [](zkZkdZkdObjectControlOptions &options) {
                options.label = tr("Subsurface Scattering Texture");
                options.spanColumns = true;
                options.forceWritable();
            });

    // Thin walls scatter by roughness alone; a volume by its medium.
    rows.template onChanged<Mode>("mode", [](zkPropertyEditorWidget *widget, Mode mode) {
        if (!widget || (mode != T::NoScattering && mode != T::ThinWalledTranslucency && mode != T::VolumeScattering))
            return;
        zkPropertyEditorDescriptionBase::setControlVisible(widget, "roughness", mode == T::ThinWalledTranslucency);
        zkPropertyEditorDescriptionBase::setControlsVisible(
            widget, {"attenuation", "asymmetry", "mediaType", "refractionIndex"}, mode == T::VolumeScattering);
        widget->resize();
    });

    // The kernel couples the medium and the refraction index; each row re-reads the other.
    rows.template onChanged<MediaType>("mediaType", [](zkPropertyEditorWidget *widget, MediaType) {
        if (widget)
            widget->updateProperty("refractionIndex");
    });
    rows.template onChanged<float>("refractionIndex", [](zkPropertyEditorWidget *widget, float) {
        if (widget)
            widget->updateProperty("mediaType");
    });
}
