#include "zkFlipflopMaterialDescription.h"

#include <zkColorManipulatorControl.h>
#include <zkdDisplacementTexture.h>
#include <zkdFlipflopFlakeLayer.h>
#include <zkdFlipflopMaterial.h>
#include <zkdIncandescence.h>
#include <zkdPaintClearcoat.h>

#include <QVector3D>

namespace {

zkFlipflopMaterialDescription instance;

} // namespace

void zkFlipflopMaterialDescription::init()
{
    zkDescriptionBuilder<zkdFlipflopMaterial> rows(getFactory());

    rows.group("Flipflop Material", tr("Flipflop Material"), rows.Expanded)
        .group("Flakes", tr("Flakes"), rows.Expanded)
        .group("Clearcoat", tr("Clearcoat"), rows.Expanded)
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    rows.editor<QVector3D, zkColorManipulatorControl>("baseColor", [](zkColorManipulatorControlOptions &options) {
        options.group = "Flipflop Material";
        options.label = tr("Base Color");
    });

    rows.subObject<zkdFlipflopFlakeLayer>("flakeLayer", "Flakes", tr("Flakes"))
        .subObject<zkdPaintClearcoat>("clearcoat", "Clearcoat", tr("Clearcoat"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));
}
