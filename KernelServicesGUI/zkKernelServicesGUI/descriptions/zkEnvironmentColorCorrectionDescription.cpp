#include "zkEnvironmentColorCorrectionDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkDoubleSliderControl.h>
#include <zkIntegerSliderControl.h>
#include <zkdEnvironmentColorCorrection.h>

#include <QString>

namespace {

zkEnvironmentColorCorrectionDescription instance;

std::function<void(zkDoubleSliderControlOptions &)> slider(const QString &label, double step, const QString &toolTip)
{
    return [label, step, toolTip](zkDoubleSliderControlOptions &options) {
        options.label = label;
        options.singleStep = step;
        options.toolTip = toolTip;
    };
}

} // namespace

void zkEnvironmentColorCorrectionDescription::init()
{
    zkDescriptionBuilder<zkdEnvironmentColorCorrection>(getFactory())
        .editor<float, zkDoubleSliderControl>("exposure", slider(tr("Exposure"), 0.01, tr("Set Exposure value.")))
        .editor<int, zkIntegerSliderControl>("whiteBalance",
                                             [](zkIntegerSliderControlOptions &options) {
                                                 options.label = tr("White Balance");
                                                 options.minimum = 1000;
                                                 options.maximum = 15000;
                                                 options.singleStep = 1;
                                                 options.prefix = tr("Cool");
                                                 options.specialSuffix = tr("Warm");
                                                 options.suffix = tr("K");
                                                 options.toolTip = tr("Set White Balance value.");
                                             })
        .editor<float, zkDoubleSliderControl>("hueShift", slider(tr("Hue-Shift"), 1.0, tr("Sets Hue shift.")))
        .editor<float, zkDoubleSliderControl>("contrast", slider(tr("Contrast"), 0.01, tr("Set color contrast.")))
        .editor<float, zkDoubleSliderControl>("brightness",
                                              slider(tr("Brightness"), 0.01, tr("Sets color brightness.")))
        .editor<float, zkDoubleSliderControl>("saturation",
                                              slider(tr("Saturation"), 0.01, tr("Sets the saturation level.")))
        .editor<float, zkDoubleSliderControl>(
            "reflectedSaturation",
            slider(tr("Reflected Saturation"), 0.01, tr("Sets the reflections saturation level.")));
}
