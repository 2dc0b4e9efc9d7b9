#include "zkFlakeLayerDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkDoubleSliderControl.h>
#include <zkPropertyEditorWidget.h>
#include <zkdFlakeLayer.h>

#include <QVector3D>
#include <QZKSpectrum.h>

namespace {

zkFlakeLayerDescription instance;

// Hiding rows leaves a gap until the editor shrinks; shown rows make room for themselves.
void showFlipFlopRows(zkPropertyEditorWidget *widget, bool on)
{
    if (!widget)
        return;
    zkPropertyEditorDescriptionBase::setControlsVisible(widget, {"flipFlopFlakeColor", "flipFlopBlending"}, on);
    if (!on)
        widget->resize();
}

} // namespace

void zkFlakeLayerDescription::init()
{
    using zkRowModifiers::labelled;
    using zkRowModifiers::slider;
    using Color = zkColorManipulatorControlOptions;
    using Slider = zkDoubleSliderControl;

    zkDescriptionBuilder<zkdFlakeLayer>(getFactory())
        .editor<QVector3D, zkColorManipulatorControl>("pigmentColor", labelled<Color>(tr("Pigment Color")))
        .hidden<QZKSpectrum>("pigmentSpectrum")
        .editor<float, Slider>("pigmentConcentration", slider(tr("Pigment Concentration")))
        .editor<QVector3D, zkColorManipulatorControl>("flakeColor", labelled<Color>(tr("Flake Color")))
        .editor<bool, zkCheckBoxControl>("useFlipFlop", labelled<zkCheckBoxControlOptions>(tr("Use Flip Flop")))
        .editor<QVector3D, zkColorManipulatorControl>("flipFlopFlakeColor",
                                                      labelled<Color>(tr("Flip Flop Flake Color")))
        .hidden<QZKSpectrum>("flipFlopFlakeSpectrum")
        .editor<float, Slider>("flipFlopBlending", slider(tr("Flip Flop Blend")))
        .editor<float, Slider>("flakeRoughness", slider(tr("Flake Roughness"), 0.0001, 5.0))
        .editor<float, Slider>("flakeReflectivity", slider(tr("Flake Reflectivity")))
        .editor<float, Slider>("flakeSize", slider(tr("Flake Size"), 0.0001, 1.0))
        .editor<float, Slider>("flakePerturbation", slider(tr("Flake Perturbation"), 0.0001, 2.0))
        .editor<float, Slider>("flakeDensity", slider(tr("Flake Density")))
        .onChanged<bool>("useFlipFlop", showFlipFlopRows);
}
