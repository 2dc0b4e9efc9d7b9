#include "zkEnvironmentTransformationDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkDoubleWheelControl.h>
#include <zkPushButtonControl.h>
#include <zkQVector3DControl.h>
#include <zkdEnvironmentTransformation.h>

#include <QString>
#include <QVector3D>

namespace {

zkEnvironmentTransformationDescription instance;

std::function<void(zkQVector3DControlOptions &)> vector(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkQVector3DControlOptions &options) {
        options.label = label;
        options.toolTip = toolTip;
    };
}

} // namespace

void zkEnvironmentTransformationDescription::init()
{
    zkDescriptionBuilder<zkdEnvironmentTransformation>(getFactory())
        .editor<float, zkDoubleWheelControl>(
            "environmentSize",
            [](zkDoubleWheelControlOptions &options) {
                options.label = tr("Environment Size");
                options.singleStep = 10.0;
                options.toolTip = tr("<span>Sets the size of the projection. Textures default to infinite "
                                     "projection depth and cover the entire object. You can restrict the texture to "
                                     "one side of the object by limiting the range of the projection. Changing the Z "
                                     "value of the projection size from zero (infinite) to another value achieves "
                                     "the restriction.</span>");
            })
        .editor<QVector3D, zkQVector3DControl>(
            "center",
            vector(tr("Center"), tr("<span>Sets the x, y, and z coordinates for the center of the projection.</span>")))
        .editor<bool, zkPushButtonControl>(
            "centerFromObject",
            [](zkPushButtonControlOptions &options) {
                options.label = tr("Get from Object");
                options.toolTip =
                    tr("<span>Adjusts the projection center to the center of the selected object.</span>");
            })
        .editor<QVector3D, zkQVector3DControl>(
            "rotate", vector(tr("Rotate"), tr("<span>Sets the x, y, and z rotation for the projection plane.</span>")))
        .editor<QVector3D, zkQVector3DControl>(
            "scale",
            vector(tr("Scale"), tr("<span>Sets the x, y, and z scale factor for the projection plane.</span>")));
}
