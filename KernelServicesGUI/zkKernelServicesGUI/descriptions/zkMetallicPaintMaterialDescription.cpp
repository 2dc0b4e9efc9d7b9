#include "zkMetallicPaintMaterialDescription.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkdDisplacementTexture.h>
#include <zkdFlakeLayer.h>
#include <zkdIncandescence.h>
#include <zkdMetallicPaintClearcoat.h>
#include <zkdMetallicPaintMaterial.h>

#include <QVector3D>

namespace {

zkMetallicPaintMaterialDescription instance;

// The rows of the primary flake layer that only a coated paint has.
void setPigmentRowsVisible(zkPropertyEditorWidget *widget, bool visible)
{
    zkPropertyEditorWidget *nested = widget->getChildPropertyEditor("primaryFlakeLayer");
    if (!nested)
        return;
    zkPropertyEditorDescriptionBase::setControlsVisible(nested, {"pigmentColor", "pigmentConcentration", "flakeDensity"},
                                                        visible);
    nested->resize();
}

} // namespace

void zkMetallicPaintMaterialDescription::init()
{
    using Material = zkdMetallicPaintMaterial;
    zkDescriptionBuilder<Material> rows(getFactory());

    rows.group("Metallic Car Paint Material", tr("Metallic Car Paint Material"), rows.Expanded)
        .group("Primary Flake Layer", tr("Primary Flake Layer"), rows.Expanded)
        .group("Secondary Flake Layer", tr("Secondary Flake Layer"), rows.Expanded)
        .group("Clearcoat", tr("Clearcoat"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    rows.editor<Material::PaintType, zkComboBoxControl>("paintType", [](zkComboBoxControlOptions &options) {
            options.group = "Metallic Car Paint Material";
            options.label = tr("Paint Type");
            options.mappings = {
                {tr("Artistic"), Material::Artistic},
                {tr("2-Coat"), Material::TwoCoat},
                {tr("3-Coat"), Material::ThreeCoat},
            };
        })
        .editor<QVector3D, zkColorManipulatorControl>("baseColor", [](zkColorManipulatorControlOptions &options) {
            options.group = "Metallic Car Paint Material";
            options.label = tr("Base Color");
        });

    rows.subObject<zkdFlakeLayer>("primaryFlakeLayer", "Primary Flake Layer", tr("Primary Flake Layer"))
        .subObject<zkdFlakeLayer>("secondaryFlakeLayer", "Secondary Flake Layer", tr("Secondary Flake Layer"))
        .subObject<zkdMetallicPaintClearcoat>("clearcoat", "Clearcoat", tr("Clearcoat"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));

    // An artistic paint has no pigment; only a 3-coat paint has a second flake layer.
    rows.onChanged<Material::PaintType>("paintType", [](zkPropertyEditorWidget *widget, Material::PaintType type) {
        if (!widget || (type != Material::Artistic && type != Material::TwoCoat && type != Material::ThreeCoat))
            return;
        setGroupVisible(widget, "Secondary Flake Layer", type == Material::ThreeCoat);
        setPigmentRowsVisible(widget, type != Material::Artistic);
        widget->resize();
    });
}
