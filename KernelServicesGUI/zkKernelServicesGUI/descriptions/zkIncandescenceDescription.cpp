#include "zkIncandescenceDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkIntegerSliderControl.h>
#include <zkdIncandescence.h>
#include <zkdIncandescenceTexture.h>
#include <zkdUVIncandescence.h>

#include <QVector3D>

namespace {

zkIncandescenceDescription instance;

using zkRowModifiers::checkBox;

// The rows that matter only while the surface lights something.
const QList<QByteArray> lightingRows = {
    "illuminateShadowMaterial", "castShadowOnShadowMaterial", "shadowIntensity",   "groundShadowIntensity",
    "importanceMultiplier",     "interactiveAreaLightQuality", "areaLightQuality",
};

// Either switch makes the surface light the scene; the rule of each reads the other's value.
std::function<void(zkPropertyEditorWidget *, bool)> lightingSwitch(const QByteArray &other)
{
    return [other](zkPropertyEditorWidget *widget, bool on) {
        if (!widget)
            return;
        zkPropertyEditorDescriptionBase::setControlsEnabled(widget, lightingRows,
                                                            on || widget->getProperty(other).toBool());
    };
}

std::function<void(zkDoubleSliderControlOptions &)> intensitySlider(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkDoubleSliderControlOptions &options) {
        options.label = label;
        options.singleStep = 0.01;
        options.decimals = 2;
        options.displayDecimals = 2;
        options.toolTip = toolTip;
    };
}

std::function<void(zkIntegerSliderControlOptions &)> qualitySlider(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkIntegerSliderControlOptions &options) {
        options.label = label;
        options.minimum = 0;
        options.maximum = 4;
        options.singleStep = 1;
        options.toolTip = toolTip;
    };
}

} // namespace

void zkIncandescenceDescription::init()
{
    initType<zkdIncandescence>();
    initType<zkdUVIncandescence>();
}

template <typename T>
void zkIncandescenceDescription::initType()
{
    zkDescriptionBuilder<T> rows(getFactory());

    rows.template editor<float, zkDoubleSliderControl>(
            "intensity", intensitySlider(tr("Intensity"), tr("Sets the strength of the effect")))
        .template editor<QVector3D, zkColorManipulatorControl>("color",
                                                               [](zkColorManipulatorControlOptions &options) {
                                                                   options.label = tr("Color");
                                                                   options.toolTip =
                                                                       tr("Sets the color of the light rays");
                                                               })
        .template editor<bool, zkCheckBoxControl>(
            "directRaylightEvaluation",
            checkBox(tr("Evaluate Ray Lights (Raytracing Only)"),
                     tr("<span>Enables evaluation of ray lights on the surface. This is used to be able to look "
                        "into a ray file light and to make it visible in reflections and refractions. The origins "
                        "of the rays should be on the surface to be evaluated.</span>")))
        .template editor<bool, zkCheckBoxControl>(
            "useAsLightSource",
            checkBox(tr("Use as Light Source (Raytracing Only)"),
                     tr("<span>Uses the material as a light source for other materials in the scene while "
                        "raytracing.</span>")))
        .template editor<bool, zkCheckBoxControl>(
            "illuminateShadowMaterial",
            checkBox(tr("Illuminate Shadow Material"),
                     tr("<span>Allows the incandescence light shadow materials. Set the Reflection Mode of the "
                        "shadow material to Diffuse, Glossy, or Diffuse + Glossy.</span>")))
        .template editor<bool, zkCheckBoxControl>(
            "castShadowOnShadowMaterial",
            checkBox(tr("Cast Shadow on Shadow Material"),
                     tr("<span>Allows other objects to cast shadows on the shadow material due to the material's "
                        "incandescence illumination.</span>")))
        .template editor<float, zkDoubleSliderControl>(
            "shadowIntensity",
            intensitySlider(tr("Material Shadow Intensity"), tr("Sets the intensity of shadows cast by the geometry light.")))
        .template editor<float, zkDoubleSliderControl>(
            "groundShadowIntensity",
            intensitySlider(tr("Ground Shadow Intensity"),
                            tr("<span>Sets the shadow intensity of the generated light sources on the shadow "
                               "material.</span>")))
        .template editor<float, zkDoubleWheelControl>(
            "importanceMultiplier",
            [](zkDoubleWheelControlOptions &options) {
                options.label = tr("Importance Multiplier");
                options.singleStep = 0.001;
                options.toolTip = tr(
                    "<span>If Use As Light Source is selected, objects with this material function as geometric "
                    "light sources. A value higher than one increases the probability that the light source emits "
                    "photons at the photon mapping. This is useful for dark light sources in an interior if "
                    "incident light comes from outside Environments.</span>");
            })
        .template editor<uint, zkIntegerSliderControl>(
            "interactiveAreaLightQuality",
            qualitySlider(tr("Interactive Quality"),
                          tr("<span>Controls the illumination and sets the light sampling quality during "
                             "interactive frame rendering.</span>")))
        .template editor<uint, zkIntegerSliderControl>(
            "areaLightQuality",
            qualitySlider(tr("Still Frame Quality"),
                          tr("<span>Controls the illumination and sets the light sampling quality during still "
                             "frame rendering.</span>")))
        .template editor<zkdIncandescenceTexture, zkZkdObjectControl<zkdIncandescenceTexture>>(
            "texture", [](zkZkdZkdObjectControlOptions &options) {
                options.label = tr("Incandescence Texture");
                options.spanColumns = true;
                options.toolTip = tr("<span>Enables the use of a texture to control the intensity of the effect "
                                     "according to the texture values.</span>");
                options.forceWritable();
            });

    rows.template onChanged<bool>("directRaylightEvaluation", lightingSwitch("useAsLightSource"))
        .template onChanged<bool>("useAsLightSource", lightingSwitch("directRaylightEvaluation"));
}
