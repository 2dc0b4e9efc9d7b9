#include "zkBRDFCommonDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkEnvironmentLabelControl.h>
#include <zkSpinerControl.h>
#include <zkdBRDFCommon.h>
#include <zkdMaterial.h>

#include <QVector3D>

namespace {

zkBRDFCommonDescription instance;

} // namespace

void zkBRDFCommonDescription::init()
{
    using Common = zkdBRDFCommon;
    zkDescriptionBuilder<Common>(getFactory())
        .editor<QVector3D, zkColorManipulatorControl>("occlusionColor",
                                                      [](zkColorManipulatorControlOptions &options) {
                                                          options.label = tr("Occlusion Color");
                                                      })
        .editor<float, zkDoubleSliderControl>("occlusionIntensity",
                                              [](zkDoubleSliderControlOptions &options) {
                                                  options.label = tr("Occlusion Intensity");
                                                  options.singleStep = 0.01;
                                                  options.decimals = 2;
                                                  options.displayDecimals = 2;
                                              })
        .editor<int, zkSpinerControl>("sortKey",
                                      [](zkSpinerControlOptions &options) {
                                          options.label = tr("Sort Key");
                                          options.singleStep = 1;
                                      })
        .editor<zkdMaterial, zkEnvironmentLabelControl>("environment",
                                                        [](zkBaseControlOptions &options) {
                                                            options.label = tr("Environment");
                                                        })
        .editor<Common::LightingMode, zkComboBoxControl>(
            "lightingMode",
            [](zkComboBoxControlOptions &options) {
                options.label = tr("Lighting Mode");
                options.mappings = {
                    {tr("IBL + Indirect + Direct Lights"), Common::IBLIndirectAndDirectLights},
                    {tr("IBL + Indirect"), Common::IBLAndIndirect},
                    {tr("IBL + Direct Lights"), Common::IBLAndDirectLights},
                    {tr("IBL"), Common::IBL},
                    {tr("Direct Lights"), Common::DirectLights},
                };
            })
        .editor<Common::VrsQuality, zkComboBoxControl>(
            "vrsQuality", [](zkComboBoxControlOptions &options) {
                options.label = tr("Variable Rate Shading");
                options.mappings = {
                    {tr("Off"), Common::Off},
                    {tr("1 Sample"), Common::OneSample},
                    {tr("1 Sample per 4 pixels"), Common::OneSamplePer4Pixels},
                    {tr("1 Sample per 16 pixels"), Common::OneSamplePer16Pixels},
                    {tr("2 Samples"), Common::TwoSamples},
                    {tr("4 Samples"), Common::FourSamples},
                    {tr("8 Samples"), Common::EightSamples},
                };
                options.toolTip = tr(
                    "<html><head/><body><p>This setting is used for content adaptive Variable Rate Shading (VRS). "
                    "To use it,VRS needs to be turned on, either via Foveated HMD rendering orunder menu entry "
                    "Visualization - Realtime Antialiasing - Variable Rate Shading.It will then overwrite the "
                    "currently set mode.<br><br>Description of the modes:<br>Off: No content adaptive VRS.<br>"
                    "1 Sample: Native pixel shading.<br>1 Sample per 4 pixels: Coarse 2x2 shading.<br>"
                    "1 Sample per 16 pixels: Coarse 4x4 shading.<br>2 Samples: Supersampled shading with 2 samples "
                    "per pixel.<br>4 Samples: Supersampled shading with 4 samples per pixel.<br>8 Samples: "
                    "Supersampled shading with 8 samples per pixel.<br><br>The Supersampling modes require enabled "
                    "Realtime-Antialiasing (see Visualization menu)with a minimum corresponding Multisampling "
                    "sample amount.</p></body></html>");
            });
}
