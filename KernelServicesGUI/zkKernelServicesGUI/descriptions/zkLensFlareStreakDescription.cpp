#include "zkLensFlareStreakDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkLensFlareDescriptionRows.h"

#include <zkColorManipulatorControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkQVector2DControl.h>
#include <zkdLensFlareElement.h>
#include <zkdLensFlareStreak.h>

#include <QVector2D>
#include <QVector3D>

namespace {

zkLensFlareStreakDescription instance;

} // namespace

void zkLensFlareStreakDescription::init()
{
    using namespace zkLensFlareDescriptionRows;
    zkDescriptionBuilder<zkdLensFlareStreak> rows(getFactory());

    rows.editor<QVector3D, zkColorManipulatorControl>(
            "color", row<zkColorManipulatorControlOptions>(
                         tr("Color"), tr("Color of the lens flare streak element.\nIf the lens flare's option 'Use "
                                         "light properties' is enabled,\nthis color will be mixed with the light "
                                         "source's color.")))
        .editor<QVector2D, zkQVector2DControl>(
            "offset", row<zkQVector2DControlOptions>(tr("Offset"), tr("Offset of the streak element in x and y "
                                                                      "direction.")))
        .editor<float, zkDoubleSliderControl>("size", slider(tr("Size"), tr("Set the streak element's size.")))
        .editor<float, zkDoubleSliderControl>("intensity",
                                              slider(tr("Intensity"), tr("Set the intensity of the streak element.")))
        .editor<float, zkDoubleSliderControl>("thickness",
                                              slider(tr("Thickness"), tr("Set the thickness of the streak element.")))
        .editor<float, zkDoubleSliderControl>("feather", slider(tr("Feather"), tr("Set the amount of blur that "
                                                                                  "is\napplied to the lens flare "
                                                                                  "streaks's edge.")))
        .editor<float, zkDoubleWheelControl>("rotation", rotation(tr("Rotation"), tr("Rotation of the streak "
                                                                                     "element around the\nlight ray "
                                                                                     "axis in degrees.")));
    // As for rings: the element list edits every element's name and switch.
    zkDescriptionBuilder<zkdLensFlareElement>(getFactory()).hidden<bool>("isActive").hidden<QString>("name");

    rows.after<QVector2D>("offset", "color")
        .after<float>("size", "offset")
        .after<float>("intensity", "size")
        .after<float>("thickness", "intensity")
        .after<float>("feather", "thickness")
        .after<float>("rotation", "feather");
}
