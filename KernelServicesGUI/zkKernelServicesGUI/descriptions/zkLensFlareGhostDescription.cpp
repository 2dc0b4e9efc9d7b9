#include "zkLensFlareGhostDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkLensFlareDescriptionRows.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkLensFlareTypes.h>
#include <zkQVector3DControl.h>
#include <zkZkdImageControl.h>
#include <zkdImage.h>
#include <zkdLensFlareGhost.h>

#include <QVector3D>

namespace {

zkLensFlareGhostDescription instance;

} // namespace

void zkLensFlareGhostDescription::init()
{
    using namespace zkLensFlareDescriptionRows;
    using zkLensFlareTypes::ElementShape;
    zkDescriptionBuilder<zkdLensFlareGhost> rows(getFactory());

    rows.editor<ElementShape, zkComboBoxControl>(
            "shape", elementShapes<zkLensFlareGhostDescription>(tr("Set a shape for the ghost element.")))
        .editor<zkdImage, zkZkdImageControl>(
            "image", row<zkZkdImageControlOptions>(tr("Use Texture"), tr("Set an image for this ghost element's "
                                                                        "shape.")))
        .editor<QVector3D, zkColorManipulatorControl>(
            "color", row<zkColorManipulatorControlOptions>(
                         tr("Color"), tr("Color of the lens flare ghost.\nIf the lens flare's option 'Use light "
                                         "properties' is enabled,\nthis color will be mixed with the light source's "
                                         "color.")))
        .editor<QVector3D, zkQVector3DControl>(
            "chromaticAberration",
            row<zkQVector3DControlOptions>(
                tr("Chromatic Aberration"),
                tr("<html><head/><body><p>Use Chromatic Aberration with the Ghost element to distort the colors of "
                   "the ghost and create a rainbow-like effect. The R, G, and B values are spacial values, meaning "
                   "that a negative value moves that color spectrum inside of the ghost and a positive moves the "
                   "color outside the ghost. As you change the color, it takes that color away from the other parts "
                   "of the ghost, creating a multi-ghosted effect.</p></body></html>")))
        .editor<float, zkDoubleSliderControl>("size", slider(tr("Size"), tr("Scale the lens flare ghost.")))
        .editor<float, zkDoubleSliderControl>("intensity",
                                              slider(tr("Intensity"), tr("Set the intensity of a single lens flare "
                                                                         "ghost.")))
        .editor<float, zkDoubleSliderControl>(
            "edgeIntensity", slider(tr("Edge Intensity"), tr("Makes the edge color of the Ghost Line element more or "
                                                             "less intense. Changing it to 0 will make the edge "
                                                             "disappear.")))
        .editor<float, zkDoubleSliderControl>(
            "edgeThickness", slider(tr("Edge Thickness"), tr("Thickness of the ghost's edge,\nthat can have a "
                                                             "different intensity than the inner area.")))
        .editor<float, zkDoubleSliderControl>("feather", slider(tr("Feather"), tr("Set the amount of blur that "
                                                                                  "is\napplied to the ghost's edge.")))
        .editor<float, zkDoubleWheelControl>("rotation", rotation(tr("Rotation"), tr("Rotation of the ghost around "
                                                                                     "the\nlight ray axis in "
                                                                                     "degrees.")))
        .hidden<bool>("isActive")
        .hidden<QString>("name")
        .hidden<float>("distance")
        .hidden<bool>("isChromaticAberrationActive");

    rows.after<zkdImage>("image", "shape")
        .after<QVector3D>("color", "image")
        .after<QVector3D>("chromaticAberration", "color")
        .after<float>("size", "chromaticAberration")
        .after<float>("intensity", "size")
        .after<float>("edgeIntensity", "intensity")
        .after<float>("edgeThickness", "edgeIntensity")
        .after<float>("feather", "edgeThickness")
        .after<float>("rotation", "feather");

    rows.onChanged<ElementShape>("shape", [](zkPropertyEditorWidget *widget, ElementShape shape) {
        if (!widget)
            return;
        const bool texture = shape == zkLensFlareTypes::TextureShape;
        setControlVisible(widget, "image", texture);
        setControlsVisible(widget, {"edgeIntensity", "edgeThickness", "feather"}, !texture);
        setControlVisible(widget, "rotation", shape != zkLensFlareTypes::Circle);
        widget->resize();
    });
}
