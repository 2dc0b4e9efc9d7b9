#include "zkLensFlareStarDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkLensFlareDescriptionRows.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkIntegerSliderControl.h>
#include <zkLensFlareTypes.h>
#include <zkZkdImageControl.h>
#include <zkdImage.h>
#include <zkdLensFlareStar.h>

#include <QVector2D>
#include <QVector3D>

namespace {

zkLensFlareStarDescription instance;

} // namespace

void zkLensFlareStarDescription::init()
{
    using namespace zkLensFlareDescriptionRows;
    using zkLensFlareTypes::StarShape;
    zkDescriptionBuilder<zkdLensFlareStar> rows(getFactory());

    rows.editor<StarShape, zkComboBoxControl>("shape",
                                              [](zkComboBoxControlOptions &options) {
                                                  using namespace zkLensFlareTypes;
                                                  options.label = tr("Shape");
                                                  options.mappings = {
                                                      {tr("Fan"), Fan},
                                                      {tr("Spike"), Spike},
                                                      {tr("Blade"), Blade},
                                                      {tr("Texture"), TextureStar},
                                                  };
                                                  options.toolTip = tr("Set the the starburst element's shape.");
                                              })
        .editor<zkdImage, zkZkdImageControl>(
            "image", row<zkZkdImageControlOptions>(tr("Use Texture"), tr("Set an image for this starburst element's "
                                                                        "shape.")))
        .editor<QVector3D, zkColorManipulatorControl>(
            "color", row<zkColorManipulatorControlOptions>(
                         tr("Color"), tr("Color of the lens flare starburst element.\nIf the lens flare's option "
                                         "'Use light properties' is enabled,\nthis color will be mixed with the light "
                                         "source's color.")))
        .editor<uint, zkIntegerSliderControl>("numberOfBursts",
                                              arms(tr("Number"), tr("Use to set how many arms a starburst element "
                                                                    "has.")))
        .editor<float, zkDoubleSliderControl>("size", slider(tr("Size"), tr("Set the starburst element's size.")))
        .editor<float, zkDoubleSliderControl>("intensity",
                                              slider(tr("Intensity"), tr("Set the intensity of the starburst "
                                                                         "element.")))
        .editor<float, zkDoubleSliderControl>("thickness",
                                              slider(tr("Thickness"), tr("Set the thickness of the lens flare "
                                                                         "starburst element.")))
        .editor<float, zkDoubleSliderControl>("feather", slider(tr("Feather"), tr("Set the amount of blur that "
                                                                                  "is\napplied to the lens flare "
                                                                                  "starburst's edge.")))
        .editor<float, zkDoubleWheelControl>("rotation", rotation(tr("Rotation"), tr("Rotation of the starburst "
                                                                                     "around the\nlight ray axis in "
                                                                                     "degrees.")))
        .hidden<bool>("isActive")
        .hidden<QString>("name")
        .hidden<bool>("useScaling")
        .hidden<float>("intensityScaleFactor")
        .hidden<bool>("useFlickering")
        .hidden<QVector2D>("flickeringRange");

    rows.after<zkdImage>("image", "shape")
        .after<QVector3D>("color", "image")
        .after<uint>("numberOfBursts", "color")
        .after<float>("size", "numberOfBursts")
        .after<float>("intensity", "size")
        .after<float>("thickness", "intensity")
        .after<float>("feather", "thickness")
        .after<float>("rotation", "feather");

    rows.onChanged<StarShape>("shape", [](zkPropertyEditorWidget *widget, StarShape shape) {
        if (!widget)
            return;
        const bool texture = shape == zkLensFlareTypes::TextureStar;
        setControlVisible(widget, "image", texture);
        setControlVisible(widget, "feather", !texture);
        widget->resize();
    });
}
