#include "zkFlipflopFlakeLayerDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkColorManipulatorControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdFlipflopFlakeLayer.h>

#include <QVector3D>

namespace {

zkFlipflopFlakeLayerDescription instance;

} // namespace

void zkFlipflopFlakeLayerDescription::init()
{
    using zkRowModifiers::labelled;
    using zkRowModifiers::slider;
    using Color = zkColorManipulatorControlOptions;
    using Slider = zkDoubleSliderControl;

    zkDescriptionBuilder<zkdFlipflopFlakeLayer>(getFactory())
        .editor<QVector3D, zkColorManipulatorControl>("color1", labelled<Color>(tr("Flake Color 1")))
        .editor<QVector3D, zkColorManipulatorControl>("color2", labelled<Color>(tr("Flake Color 2")))
        .editor<float, Slider>("blending", slider(tr("Blending")))
        .editor<float, Slider>("roughness", slider(tr("roughness"), 0.0001, 5.0))
        .editor<float, Slider>("size", slider(tr("Flake Size"), 0.0001, 1.0))
        .editor<float, Slider>("intensity", slider(tr("Flake Intensity")));
}
