#include "zkPerspectiveMatchDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkBaseControl.h>
#include <zkCameraTypes.h>
#include <zkComboBoxControl.h>
#include <zkComboBoxResetControl.h>
#include <zkDoubleRelativeStepperControl.h>
#include <zkPushButtonControl.h>
#include <zkQVector3DControl.h>
#include <zkdPerspectiveMatch.h>

#include <QLineF>
#include <QVector3D>

namespace {

zkPerspectiveMatchDescription instance;

using Rows = zkDescriptionBuilder<zkdPerspectiveMatch>;

// Commands of the perspective match, written by the buttons of other rows: the object acts on
// the write and falls back to false.
void command(Rows &rows, const QByteArray &property)
{
    rows.editor<bool, zkPushButtonControl>(property, [](zkPushButtonControlOptions &options) { options.skip(); });
}

} // namespace

void zkPerspectiveMatchDescription::init()
{
    using zkCameraTypes::VanishingLinesType;
    Rows rows(getFactory());

    rows.group("PerspectiveMatch", tr("Perspective Match"));
    for (const char *line : {"xLine1", "xLine2", "yLine1", "yLine2", "zLine1", "zLine2"})
        rows.hidden<QLineF>(line);
    rows.editor<bool, zkPushButtonControl>("enabled", [](zkPushButtonControlOptions &options) {
        options.group = "PerspectiveMatch";
        options.label = tr("Perspective Match");
        // Matching stays on until the button is pressed again.
        options.checkable = 1.0;
        options.toolTip = tr("Toggles vanishing line controls for aligning camera to visible backplate perspective.");
    });
    command(rows, "defaultLines");
    rows.editor<VanishingLinesType, zkComboBoxResetControl>(
            "vanishingLinesType",
            [](zkComboBoxResetControlOptions &options) {
                using namespace zkCameraTypes;
                options.group = "PerspectiveMatch";
                options.label = tr("Vanishing Lines");
                options.mappings = {{tr("XYZ"), XYZ},
                                    {tr("XY"), XY},
                                    {tr("XZ"), XZ},
                                    {tr("YZ"), YZ},
                                    {tr("Reset Vanishing Lines to default in Viewport"), ResetVanishingLines}};
                options.extraProperties = {"defaultLines"};
                options.toolTip = tr("Sets number of axes needed to align camera to visible backplate.");
            })
        .editor<float, zkComboBoxControl>("magnifyFactor", [](zkComboBoxControlOptions &options) {
            options.group = "PerspectiveMatch";
            options.label = tr("Magnify Factor");
            options.mappings = {{tr("2"), 2.0f}, {tr("4"), 4.0f}, {tr("8"), 8.0f}, {tr("16"), 16.0f},
                                {tr("32"), 32.0f}};
            options.toolTip = tr("Sets magnify strength of preview used on vanishing line control point selection.");
        });
    command(rows, "rotateLeft");
    rows.editor<bool, zkBaseControl>("pivotFromNavigator", [](zkBaseControlOptions &options) { options.skip(); })
        .editor<float, zkDoubleRelativeStepperControl>("rotationStepSize",
                                                       [](zkDoubleRelativeStepperControlOptions &options) {
                                                           options.extraProperties = {"rotateLeft", "rotateRight"};
                                                       });
    command(rows, "rotateRight");
    rows.editor<QVector3D, zkQVector3DControl>("pivot", [](zkQVector3DControlOptions &options) { options.skip(); })
        .enableWhen("enabled", {"magnifyFactor", "rotationStepSize", "vanishingLinesType", "pivot"});
}
