#include "zkLensFlareEffectDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkLensFlareDescriptionRows.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkLensFlareElementsControl.h>
#include <zkLensFlareTypes.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareElement.h>

#include <QVector3D>

namespace {

zkLensFlareEffectDescription instance;

const QByteArray ownGroup = QByteArrayLiteral("Lens Flare Effect");

// The rows an inactive effect keeps read-only; the colour has a rule of its own.
const QList<QByteArray> activeRows{"presetType", "size", "intensity", "radius",
                                   "angularIntensity", "useLightProperties", "lensFlareElements"};

template <typename Options>
std::function<void(Options &)> grouped(std::function<void(Options &)> modifier)
{
    return [modifier](Options &options) {
        options.group = ownGroup;
        modifier(options);
    };
}

// The light's colour replaces the effect's own while the effect uses the light properties.
void enableColor(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    zkPropertyEditorDescriptionBase::setControlEnabled(
        widget, "color",
        widget->getProperty("isActive").toBool() && !widget->getProperty("useLightProperties").toBool());
}

} // namespace

void zkLensFlareEffectDescription::init()
{
    using namespace zkLensFlareDescriptionRows;
    using zkLensFlareTypes::PresetType;
    zkDescriptionBuilder<zkdLensFlareEffect> rows(getFactory());

    rows.group(ownGroup, tr("Lens Flares"), rows.Expanded)
        .editor<bool, zkCheckBoxControl>(
            "isActive", grouped(row<zkCheckBoxControlOptions>(tr("Enabled"), tr("Enable or disable the lens flare "
                                                                                "effect."))))
        .editor<PresetType, zkComboBoxControl>("presetType",
                                               [](zkComboBoxControlOptions &options) {
                                                   using namespace zkLensFlareTypes;
                                                   options.group = ownGroup;
                                                   options.label = tr("Lens Flare Presets");
                                                   options.mappings = {
                                                       {tr("Custom"), Custom},
                                                       {tr("Head Lamp Blue Steel"), HeadLampBlueSteel},
                                                       {tr("Head Lamp Ring Burst"), HeadLampRingBurst},
                                                       {tr("Tail Lamp Radical Red"), TailLampRadicalRed},
                                                       {tr("Tail Lamp Ruby Red"), TailLampRubyRed},
                                                       {tr("Sun Warm"), SunWarm},
                                                       {tr("Sun Cool"), SunCool},
                                                       {tr("Street Lamp"), StreetLamp},
                                                   };
                                                   options.toolTip = tr("Select a preset lens flare or select Custom "
                                                                        "to customize.");
                                               })
        .editor<bool, zkCheckBoxControl>(
            "useLightProperties",
            grouped(row<zkCheckBoxControlOptions>(
                tr("Use light properties"), tr("Use the intensity of the light settings instead of the local "
                                               "setting.\nThis only affects the color. When disabled, the local "
                                               "color is used."))))
        .editor<QVector3D, zkColorManipulatorControl>(
            "color", grouped(row<zkColorManipulatorControlOptions>(
                         tr("Color"), tr("<html><head/><body><p>Overall color of all lens flares' elements. The "
                                         "color is multiplied with any element color already assigned. Note: If 'Use "
                                         "Light Properties' is enabled, the color set here is ignored and the light "
                                         "color is used.</p></body></html>"))))
        .editor<float, zkDoubleSliderControl>(
            "size", grouped(slider(tr("Size"), tr("Uniformly adjust the size of the lens flare, as well as of all "
                                                  "elements."))))
        .editor<float, zkDoubleSliderControl>(
            "intensity", grouped(slider(tr("Intensity"), tr("Uniformly adjusts the intensity of lens flare, as well "
                                                            "as of all elements."))))
        .editor<float, zkDoubleSliderControl>(
            "radius", grouped(slider(tr("Radius"), tr("Changes how dispersed the flare is for all lens flare "
                                                      "elements.\nThe radius represents the virtual size of the light "
                                                      "sources,\nsince the lights do not have geometry."))))
        .editor<float, zkDoubleSliderControl>(
            "angularIntensity",
            grouped(slider(tr("Angular Intensity"),
                           tr("<html><head/><body><p>Change of brightness of the lens flare effect with respect to "
                              "the distance to the camera view axis. If angular intensity is 0.0, intensity is not "
                              "affected by camera movement.</p></body></html>"))))
        .editor<QList<zkdLensFlareElement>, zkLensFlareElementsControl>("lensFlareElements",
                                                                        [](zkBaseControlOptions &options) {
                                                                            options.group = ownGroup;
                                                                            options.spanColumns = true;
                                                                        });

    rows.after<PresetType>("presetType", "isActive")
        .after<bool>("useLightProperties", "presetType")
        .after<QVector3D>("color", "useLightProperties")
        .after<float>("size", "color")
        .after<float>("intensity", "size")
        .after<float>("radius", "intensity")
        .after<float>("angularIntensity", "radius")
        .after<QList<zkdLensFlareElement>>("lensFlareElements", "angularIntensity");

    // A preset brings its own elements, which are not edited one by one.
    rows.showWhen<PresetType>("presetType", {"lensFlareElements"},
                              [](PresetType preset) { return preset == zkLensFlareTypes::Custom; })
        .onChanged<bool>("useLightProperties", [](zkPropertyEditorWidget *widget, bool) { enableColor(widget); })
        .onChanged<bool>("isActive", [](zkPropertyEditorWidget *widget, bool active) {
            setControlsEnabled(widget, activeRows, active);
            enableColor(widget);
        });
}
