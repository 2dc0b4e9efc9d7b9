#include "zkUnicolorPaintMaterialDescription.h"

#include <zkColorManipulatorControl.h>
#include <zkdDisplacementTexture.h>
#include <zkdIncandescence.h>
#include <zkdUnicolorPaintClearcoat.h>
#include <zkdUnicolorPaintMaterial.h>

#include <QVector3D>

namespace {

zkUnicolorPaintMaterialDescription instance;

} // namespace

void zkUnicolorPaintMaterialDescription::init()
{
    zkDescriptionBuilder<zkdUnicolorPaintMaterial> rows(getFactory());

    rows.group("Unicolor Car Paint Material", tr("Unicolor Car Paint Material"), rows.Expanded)
        .group("Clearcoat", tr("Clearcoat"), rows.Expanded)
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    rows.editor<QVector3D, zkColorManipulatorControl>("baseColor", [](zkColorManipulatorControlOptions &options) {
        options.group = "Unicolor Car Paint Material";
        options.label = tr("Base Color");
    });

    rows.subObject<zkdUnicolorPaintClearcoat>("clearcoat", "Clearcoat", tr("Clearcoat"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));
}
