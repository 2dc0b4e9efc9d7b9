#include "zkRoundedEdgesDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkIntegerSliderControl.h>
#include <zkSpinerControl.h>
#include <zkdRoundedEdges.h>

namespace {

zkRoundedEdgesDescription instance;

} // namespace

void zkRoundedEdgesDescription::init()
{
    using Edges = zkdRoundedEdges;
    zkDescriptionBuilder<Edges> rows(getFactory());

    rows.editor<Edges::EdgeMode, zkComboBoxControl>(
            "mode",
            [](zkComboBoxControlOptions &options) {
                options.label = tr("Mode");
                options.mappings = {
                    {tr("Off"), Edges::Off},
                    {tr("Same Geometry"), Edges::SameGeometry},
                    {tr("Same Material"), Edges::SameMaterial},
                    {tr("Same Group"), Edges::SameGroup},
                };
                options.toolTip = tr(
                    "<html><head/><body><p>Sets whether edges should appear rounded in raytracing or not. Various "
                    "options can be chosen:</p><p>Off: Does not calculate the appearance of rounded edges<br/>Same "
                    "Geometry: Only edges between faces of the same geometry are rounded<br/>Same Material: Only "
                    "edges between faces with the same material are rounded<br/>Same Group: Only edges between "
                    "faces with materials belonging to the same edge group are rounded</p></body></html>");
            })
        .editor<int, zkSpinerControl>(
            "groupId",
            [](zkSpinerControlOptions &options) {
                options.label = tr("Group");
                options.minimum = 0;
                options.maximum = 99999999;
                options.singleStep = 1;
                options.specialValueText = tr("All Geometries");
                options.toolTip = tr(
                    "<html><head / ><body><p>Sets the groupId for the rounded edge effect.Only objects with the "
                    "same group id will be considered for rounded edge smoothing.< / p>< / body>< / html>");
            })
        .editor<Edges::EdgeType, zkComboBoxControl>(
            "edgeType",
            [](zkComboBoxControlOptions &options) {
                options.label = tr("Type");
                options.mappings = {
                    {tr("Convex + Concave"), Edges::ConvexAndConcave},
                    {tr("Convex Only"), Edges::ConvexOnly},
                    {tr("Concave Only"), Edges::ConcaveOnly},
                };
                options.toolTip = tr(
                    "<html><head/><body><p>Sets the type of edges that will be rounded.</p><p>By default convex "
                    "and concave edges will be rounded. Choosing either convex or concave edges only can improve "
                    "the performance of the rendering.</p></body></html>");
            })
        .editor<float, zkDoubleWheelControl>("radius",
                                             [](zkDoubleWheelControlOptions &options) {
                                                 options.label = tr("Radius");
                                                 options.singleStep = 0.01;
                                                 options.toolTip = tr("Radius of rounded edge in world space.");
                                             })
        .editor<float, zkDoubleSliderControl>(
            "chamfer",
            [](zkDoubleSliderControlOptions &options) {
                options.label = tr("Chamfer");
                options.singleStep = 0.01;
                options.toolTip =
                    tr("Gives the edge a more chamfered appearance, instead of a perfectly round shape.");
            })
        .editor<float, zkDoubleSliderControl>(
            "angleLimit",
            [](zkDoubleSliderControlOptions &options) {
                options.label = tr("Angle Limit");
                options.singleStep = 0.01;
                options.toolTip = tr(
                    "<html><head/><body><p>Limits the rounding effect to edges with an angle above the limit. "
                    "</p><p>If the angle between the current shading normal and the shading normal of the "
                    "adjoining edge is smaller than the limit no smoothing will be applied.</p></body></html>");
            })
        .editor<int, zkIntegerSliderControl>(
            "quality", [](zkIntegerSliderControlOptions &options) {
                options.label = tr("Quality");
                options.minimum = 1;
                options.maximum = 4;
                options.singleStep = 1;
                options.toolTip = tr(
                    "Sets the number of rays used to evaluate the nearest edges. Each quality level represents a "
                    "multiple of 4 samples for estimating either convex or concave edges. A quality level of 1 "
                    "will trace 4 rays to estimate convex edges and 4 rays to estimate concave edges.At quality "
                    "level 1, the effect is also only evaluated for non - distributed rays, not rays originating "
                    "from diffuse or glossy.At higher quality levels, the effect is evaluated for one additional "
                    "bounce.");
            });

    // The group id only tells edges apart while rounding is limited to a group.
    rows.enableWhen<Edges::EdgeMode>("mode", {"groupId"}, [](Edges::EdgeMode mode) { return mode == Edges::SameGroup; });
}
