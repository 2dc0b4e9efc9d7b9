#include "zkBRDFMaterialDescription.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkdBRDFCommon.h>
#include <zkdBRDFMaterial.h>
#include <zkdRaytracing.h>
#include <zkdRoundedEdges.h>
#include <zkdTransparency.h>

#include <QVector3D>

namespace {

zkBRDFMaterialDescription instance;

} // namespace

void zkBRDFMaterialDescription::init()
{
    using Rows = zkDescriptionBuilder<zkdBRDFMaterial>;
    Rows rows(getFactory());

    rows.category("Realistic", tr("Realistic"))
        .category("Analytic", tr("Analytic"))
        .category("NPR", tr("NPR"));

    rows.group("Transparency", tr("Transparency"))
        .group("Raytracing", tr("Raytracing "))
        .group("Common", tr("Common"))
        .group("Analytic Material", tr("Analytic Material"));

    rows.editor<bool, zkCheckBoxControl>("useRealisticSettings", [](zkCheckBoxControlOptions &options) {
            options.group = "Analytic Material";
            options.label = tr("Use Realistic");
        })
        .editor<QVector3D, zkColorManipulatorControl>("analyticDiffuseColor",
                                                      [](zkColorManipulatorControlOptions &options) {
            options.group = "Analytic Material";
            options.label = tr("Diffuse Color");
            options.toolTip = tr("Diffuse Color");
        });

    rows.subObject<zkdTransparency>("transparency", "Transparency", tr("Transparency"))
        .subObject<zkdRaytracing>("raytracing", "Raytracing", tr("Raytracing"))
        .subObject<zkdRoundedEdges>("roundedEdges", "Rounded Edges", tr("Rounded Edges"))
        .subObject<zkdBRDFCommon>("common", "Common", tr("Common"));

    // With the realistic settings the kernel derives the analytic colour from the material's own.
    rows.onChanged<bool>("useRealisticSettings", [](zkPropertyEditorWidget *widget, bool realistic) {
        if (!widget)
            return;
        widget->updateProperty("analyticDiffuseColor");
        setControlEnabled(widget, "analyticDiffuseColor", !realistic);
    });
}
