#include "zkLensFlareGlowDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkLensFlareDescriptionRows.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkLensFlareTypes.h>
#include <zkZkdImageControl.h>
#include <zkdImage.h>
#include <zkdLensFlareGlow.h>

#include <QVector3D>

namespace {

zkLensFlareGlowDescription instance;

} // namespace

void zkLensFlareGlowDescription::init()
{
    using namespace zkLensFlareDescriptionRows;
    using zkLensFlareTypes::ElementShape;
    zkDescriptionBuilder<zkdLensFlareGlow> rows(getFactory());

    rows.editor<ElementShape, zkComboBoxControl>(
            "shape", elementShapes<zkLensFlareGlowDescription>(tr("Set the shape of the glow element.")))
        .editor<zkdImage, zkZkdImageControl>(
            "image", row<zkZkdImageControlOptions>(tr("Use Texture"), tr("Set an image for this glow element's "
                                                                        "shape.")))
        .editor<QVector3D, zkColorManipulatorControl>(
            "color", row<zkColorManipulatorControlOptions>(
                         tr("Color"), tr("Color of the lens flare glow.\nIf the lens flare's option 'Use light "
                                         "properties' is enabled,\nthis color will be mixed with the light source's "
                                         "color.")))
        .editor<float, zkDoubleSliderControl>("size", slider(tr("Size"), tr("Scale the lens flare glow.")))
        .editor<float, zkDoubleSliderControl>("intensity",
                                              slider(tr("Intensity"), tr("Set the intensity of the lens flare glow.")))
        .editor<float, zkDoubleSliderControl>("feather", slider(tr("Feather"), tr("Set the amount of blur that "
                                                                                  "is\napplied to the lens flare "
                                                                                  "glow's edge.")))
        .editor<float, zkDoubleWheelControl>("rotation", rotation(tr("Rotation"), tr("Rotation of the glow element "
                                                                                     "around the\nlight ray axis in "
                                                                                     "degrees.")))
        .hidden<bool>("isActive")
        .hidden<QString>("name");

    rows.after<zkdImage>("image", "shape")
        .after<QVector3D>("color", "image")
        .after<float>("size", "color")
        .after<float>("intensity", "size")
        .after<float>("feather", "intensity")
        .after<float>("rotation", "feather");

    rows.onChanged<ElementShape>("shape", [](zkPropertyEditorWidget *widget, ElementShape shape) {
        if (!widget)
            return;
        const bool texture = shape == zkLensFlareTypes::TextureShape;
        setControlVisible(widget, "image", texture);
        setControlVisible(widget, "feather", !texture);
        setControlVisible(widget, "rotation", shape != zkLensFlareTypes::Circle);
        widget->resize();
    });
}
