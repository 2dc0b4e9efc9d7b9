#include "zkOCSClearcoatDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkPropertyEditorWidget.h>
#include <zkdOCSClearcoat.h>

#include <QVector3D>

namespace {

zkOCSClearcoatDescription instance;

using Clearcoat = zkdOCSClearcoat;

// The fast and accurate terms scale a reflectivity; the IOR term derives it from the index.
void showFresnelInputs(zkPropertyEditorWidget *widget, Clearcoat::FresnelQuality quality)
{
    if (!widget)
        return;
    switch (quality) {
    case Clearcoat::Off:
        zkPropertyEditorDescriptionBase::setControlsVisible(widget, {"reflectivity", "fresnelIOR"}, false);
        break;
    case Clearcoat::Fast:
    case Clearcoat::Accurate:
        zkPropertyEditorDescriptionBase::setControlsVisible(widget, {"reflectivity"}, true);
        zkPropertyEditorDescriptionBase::setControlsVisible(widget, {"fresnelIOR"}, false);
        break;
    case Clearcoat::UseFresnelIOR:
        zkPropertyEditorDescriptionBase::setControlsVisible(widget, {"reflectivity"}, false);
        zkPropertyEditorDescriptionBase::setControlsVisible(widget, {"fresnelIOR"}, true);
        break;
    default:
        return;
    }
    widget->resize();
}

} // namespace

void zkOCSClearcoatDescription::init()
{
    using zkRowModifiers::labelled;
    using zkRowModifiers::slider;

    zkDescriptionBuilder<Clearcoat>(getFactory())
        .editor<QVector3D, zkColorManipulatorControl>(
            "color", labelled<zkColorManipulatorControlOptions>(tr("Clearcoat Color")))
        .editor<float, zkDoubleSliderControl>("reflectivity", slider(tr("Reflectivity")))
        .editor<float, zkDoubleSliderControl>("fresnelIOR", slider(tr("Fresnel IOR"), 1.0, 3.0))
        .editor<Clearcoat::FresnelQuality, zkComboBoxControl>("fresnelQuality",
                                                              [](zkComboBoxControlOptions &options) {
                                                                  options.label = tr("Fresnel Term Quality");
                                                                  options.mappings = {
                                                                      {tr("Off"), Clearcoat::Off},
                                                                      {tr("Fast"), Clearcoat::Fast},
                                                                      {tr("Accurate"), Clearcoat::Accurate},
                                                                      {tr("Use Fresnel IOR"),
                                                                       Clearcoat::UseFresnelIOR},
                                                                  };
                                                              })
        .onChanged<Clearcoat::FresnelQuality>("fresnelQuality", showFresnelInputs);
}
