#pragma once

#include <zkControlOptionRecords.h>
#include <zkLensFlareTypes.h>

#include <QList>
#include <QString>

#include <functional>

// Rows that the descriptions of several lens-flare element kinds declare alike. Texts come
// translated by the calling description.
namespace zkLensFlareDescriptionRows {

// A labelled row with a tool tip.
template <typename Options>
std::function<void(Options &)> row(const QString &label, const QString &toolTip)
{
    return [label, toolTip](Options &options) {
        options.label = label;
        options.toolTip = toolTip;
    };
}

// A slider over the default range in steps of 0.01.
inline std::function<void(zkDoubleSliderControlOptions &)> slider(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkDoubleSliderControlOptions &options) {
        options.label = label;
        options.singleStep = 0.01;
        options.toolTip = toolTip;
    };
}

// A rotation around the light ray axis in whole degrees.
inline std::function<void(zkDoubleWheelControlOptions &)> rotation(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkDoubleWheelControlOptions &options) {
        options.label = label;
        options.singleStep = 1.0;
        options.toolTip = toolTip;
    };
}

// A count of arms from none to one a degree.
inline std::function<void(zkIntegerSliderControlOptions &)> arms(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkIntegerSliderControlOptions &options) {
        options.label = label;
        options.minimum = 0;
        options.maximum = 360;
        options.toolTip = toolTip;
    };
}

// The outlines of a glow or ghost, the description D's translations of them.
template <typename D>
std::function<void(zkComboBoxControlOptions &)> elementShapes(const QString &toolTip)
{
    return [toolTip](zkComboBoxControlOptions &options) {
        using namespace zkLensFlareTypes;
        options.label = D::tr("Shape");
        options.mappings = {
            {D::tr("Circle"), Circle},     {D::tr("Triangle"), Triangle}, {D::tr("Quad"), Quad},
            {D::tr("Pentagon"), Pentagon}, {D::tr("Hexagon"), Hexagon},   {D::tr("Heptagon"), Heptagon},
            {D::tr("Octagon"), Octagon},   {D::tr("Nonagon"), Nonagon},   {D::tr("Decagon"), Decagon},
            {D::tr("Texture"), TextureShape},
        };
        options.toolTip = toolTip;
    };
}

} // namespace zkLensFlareDescriptionRows
