#include "zkDisplacementTextureDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkCheckBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkdDisplacementTexture.h>

namespace {

zkDisplacementTextureDescription instance;

} // namespace

void zkDisplacementTextureDescription::init()
{
    using Texture = zkdDisplacementTexture;
    zkDescriptionBuilder<Texture> rows(getFactory());

    rows.hidden<float>("anisotropy")
        .editor<float, zkDoubleWheelControl>("displacementHeight",
                                             [](zkDoubleWheelControlOptions &options) {
                                                 options.label = tr("Displacement Height");
                                                 options.singleStep = 0.01;
                                                 options.toolTip = tr("Sets the scaling factor for displacement maps");
                                             })
        .editor<float, zkDoubleWheelControl>(
            "displacementOffset",
            [](zkDoubleWheelControlOptions &options) {
                options.label = tr("Displacement Offset");
                options.singleStep = 0.01;
                options.toolTip = tr("<html><head/><body><p>Sets an offset for the displacement values in order to "
                                     "adjust the zero plane. </p><p>Values less than the offset value will be along "
                                     "the negative normal direction while values above the offset value will be "
                                     "along the positive normal direction.</p></body></html>");
            })
        .editor<Texture::DisplacementSilhouetteMode, zkCheckBoxControl>(
            "displacementSilhouetteMode", [](zkCheckBoxControlOptions &options) {
                options.label = tr("Use Accurate Silhouettes in OpenGL");
                options.toolTip = tr("<span>This feature allows you to calculate the displacement in OpenGL like in "
                                     "raytracing mode. Selecting it may drastically reduce the performance.</span>");
                options.readMapping = [](const QVariant &value) {
                    return value.toInt() == Texture::AccurateSilhouettes;
                };
                options.writeMapping = [](bool on) {
                    return QVariant::fromValue(on ? Texture::AccurateSilhouettes : Texture::ApproximateSilhouettes);
                };
            });
    rows.after<float>("displacementHeight", "rotate")
        .after<float>("displacementOffset", "rotate")
        .after<Texture::DisplacementSilhouetteMode>("displacementSilhouetteMode", "rotate");
}
