#include "zkLensFlareRingDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkLensFlareDescriptionRows.h"

#include <zkColorManipulatorControl.h>
#include <zkDoubleSliderControl.h>
#include <zkIntegerSliderControl.h>
#include <zkQVector3DControl.h>
#include <zkdLensFlareElement.h>
#include <zkdLensFlareRing.h>

#include <QVector3D>

namespace {

zkLensFlareRingDescription instance;

} // namespace

void zkLensFlareRingDescription::init()
{
    using namespace zkLensFlareDescriptionRows;
    zkDescriptionBuilder<zkdLensFlareRing> rows(getFactory());

    rows.editor<QVector3D, zkColorManipulatorControl>(
            "color", row<zkColorManipulatorControlOptions>(
                         tr("Color"), tr("Color of the lens flare ring element.\nIf the lens flare's option 'Use "
                                         "light properties' is enabled,\nthis color will be mixed with the light "
                                         "source's color.")))
        .editor<QVector3D, zkQVector3DControl>(
            "chromaticAberration",
            row<zkQVector3DControlOptions>(
                tr("Chromatic Aberration"),
                tr("<html><head/><body><p>Use Chromatic Aberration with the Ring element to distort the colors of "
                   "the ring and create a rainbow-like effect. The R, G, and B values are spacial values, meaning "
                   "that a negative value moves that color spectrum inside of the ring and a positive moves the "
                   "color outside the ring. As you change the color, it takes that color away from the other parts "
                   "of the ring, creating a multi-ringed effect.</p></body></html>")))
        .editor<uint, zkIntegerSliderControl>("numberOfStreaks",
                                              arms(tr("Number"), tr("Use to set how many arms a ring element has.")))
        .editor<float, zkDoubleSliderControl>("size", slider(tr("Size"), tr("Set the lens flare ring's size.")))
        .editor<float, zkDoubleSliderControl>("intensity",
                                              slider(tr("Intensity"), tr("Set the lens flare ring's intensity.")))
        .editor<float, zkDoubleSliderControl>("thickness",
                                              slider(tr("Thickness"), tr("Set the thickness of the lens flare ring "
                                                                         "element.")))
        .editor<float, zkDoubleSliderControl>("streakThickness",
                                              slider(tr("Streak Thickness"), tr("Set the thickness of the ring's "
                                                                                "streaks.")))
        .editor<float, zkDoubleSliderControl>("feather", slider(tr("Feather"), tr("Set the amount of blur that "
                                                                                  "is\napplied to the lens flare "
                                                                                  "ring's edge.")))
        .hidden<float>("rotation");
    // Every element's name and switch belong to the element list; hiding them on the element
    // type keeps them off the kinds that declare no rows for them, the ghost line among them.
    zkDescriptionBuilder<zkdLensFlareElement>(getFactory()).hidden<bool>("isActive").hidden<QString>("name");
    rows.hidden<bool>("isChromaticAberrationActive");

    rows.after<QVector3D>("chromaticAberration", "color")
        .after<uint>("numberOfStreaks", "chromaticAberration")
        .after<float>("size", "numberOfStreaks")
        .after<float>("intensity", "size")
        .after<float>("thickness", "intensity")
        .after<float>("streakThickness", "thickness")
        .after<float>("feather", "streakThickness");
}
