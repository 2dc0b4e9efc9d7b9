#pragma once

#include "zkDescriptionBuilder.h"

#include <QZKSpectrum.h>
#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkControlOptionRecords.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkIntegerSliderControl.h>
#include <zkLightTransformControl.h>
#include <zkLightTypes.h>
#include <zkNullControl.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorWidget.h>
#include <zkQStringControl.h>
#include <zkZkdLightProfileControl.h>
#include <zkdLightProfile.h>
#include <zkdLightTexture.h>
#include <zkdLightTransform.h>
#include <zkdShadowMap.h>

#include <QByteArray>
#include <QList>
#include <QQuaternion>
#include <QString>
#include <QVector3D>

#include <functional>
#include <limits>

// The block of rows that every kind of light shares, written once per helper and instantiated
// for each light node type T. Each light description calls the helpers it wants in its own order
// and splices them into its rows by naming the row each block follows.
class zkBaseLightDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkBaseLightDescription() = default;

protected:
    void init() override;

    template <typename T>
    void initCommonLightControls();
    template <typename T>
    void initLocalLightControl();
    template <typename T>
    void initIlluminateSceneControl();
    template <typename T>
    void initBaseLightControls(bool withTexture, const QByteArray &previousName);
    template <typename T>
    void initAttenuationControl(bool withTexture);
    template <typename T>
    void initShadowControls(bool withShadowMap, const QByteArray &previousName);
    template <typename T>
    void initImportanceMultiplierControl();
    template <typename T>
    void initLightProfileControls(const QByteArray &groupBefore);
    template <typename T>
    void initVisualizationControls(bool withScale);
    template <typename T>
    void initTransformControls();
    // Runs the light type's unit update whenever the profile or the physical mode changes.
    template <typename T>
    void initUnitUpdate(void (*update)(zkPropertyEditorWidget *));

    // Physical lights are given in a unit and a colour, the others in an intensity and a diffuse
    // and a glossy colour; a temperature replaces the colours.
    static void updatePhysicalMode(zkPropertyEditorWidget *widget);
    // Offers the units in the unit box, in this order, then applies the physical mode.
    static void resetUnits(zkPropertyEditorWidget *widget, const QList<zkLightTypes::Unit> &units);
    static bool isLightProfileUsed(const zkPropertyEditorWidget *widget);

private:
    // The kernel gives the intensity anew in the new unit.
    static void updateIntensity(zkPropertyEditorWidget *widget);
};

template <typename T>
void zkBaseLightDescription::initCommonLightControls()
{
    zkDescriptionBuilder<T>(getFactory())
        .group("Properties", tr("Properties"), zkDescriptionBuilder<T>::Expanded)
        .template hidden<bool>("on")
        .template hidden<QVector3D>("translation")
        .template hidden<QQuaternion>("rotation")
        .template editor<bool, zkNullControl>("isPhysicallyBased",
                                              [](zkBaseControlOptions &options) { options.group = "Properties"; })
        .template editor<QString, zkQStringControl>("name", [](zkBaseControlOptions &options) {
            options.group = "Properties";
            options.label = tr("Name");
            options.separator = true;
        });
}

template <typename T>
void zkBaseLightDescription::initLocalLightControl()
{
    zkDescriptionBuilder<T>(getFactory())
        .template editor<bool, zkCheckBoxControl>(
            "localLight",
            [](zkCheckBoxControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Local Lighting");
                options.toolTip = tr("If this is enabled and the light is part of a light link set,\nonly the nodes "
                                     "in the light link set will be illuminated.");
            })
        .template after<bool>("localLight", "name");
}

template <typename T>
void zkBaseLightDescription::initIlluminateSceneControl()
{
    zkDescriptionBuilder<T>(getFactory())
        .template editor<bool, zkCheckBoxControl>(
            "illuminateScene",
            [](zkCheckBoxControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Illuminate Scene");
                options.toolTip = tr("If switched off the light will add nothing to the scene.\nLens flares are "
                                     "still active.");
            })
        .template after<bool>("illuminateScene", "localLight");
}

template <typename T>
void zkBaseLightDescription::initBaseLightControls(bool withTexture, const QByteArray &previousName)
{
    using zkLightTypes::Unit;
    zkDescriptionBuilder<T> rows(getFactory());
    rows.template editor<Unit, zkComboBoxControl>("lightUnit",
                                                  [](zkComboBoxControlOptions &options) {
                                                      options.group = "Properties";
                                                      options.label = tr("Unit");
                                                      options.mappings = {
                                                          {tr("Luminous Flux [lm]"), zkLightTypes::LuminousFlux}};
                                                  })
        .template after<Unit>("lightUnit", previousName)
        .template editor<float, zkDoubleWheelControl>("intensity",
                                                      [](zkDoubleWheelControlOptions &options) {
                                                          options.group = "Properties";
                                                          options.label = tr("Intensity");
                                                      })
        .template after<float>("intensity", "lightUnit")
        .template editor<bool, zkCheckBoxControl>(
            "useLightTemperature",
            [](zkCheckBoxControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Use Temperature");
                options.toolTip = tr("Select whether to set the light's color\ndirectly or by choosing a light "
                                     "temperature.");
            })
        .template after<bool>("useLightTemperature", "intensity")
        .template editor<int, zkIntegerSliderControl>("temperature",
                                                      [](zkIntegerSliderControlOptions &options) {
                                                          options.group = "Properties";
                                                          options.label = tr("Temperature");
                                                          options.minimum = 1000;
                                                          options.maximum = 15000;
                                                          options.singleStep = 1;
                                                          options.suffix = tr("K");
                                                          options.separator = true;
                                                          options.toolTip =
                                                              tr("Set light temperature of the light source.");
                                                      })
        .template after<int>("temperature", "useLightTemperature")
        .template editor<QVector3D, zkColorManipulatorControl>(
            "diffuseColor",
            [](zkColorManipulatorControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Diffuse Color");
                options.extraProperties = {"diffuseSpectrum"};
                options.toolTip = tr("Set diffuse color of the light source.");
            })
        .template after<QVector3D>("diffuseColor", "temperature")
        .template hidden<QZKSpectrum>("diffuseSpectrum")
        .template editor<QVector3D, zkColorManipulatorControl>("glossyColor",
                                                               [](zkColorManipulatorControlOptions &options) {
                                                                   options.group = "Properties";
                                                                   options.label = tr("Glossy Color");
                                                                   options.extraProperties = {"glossySpectrum"};
                                                               })
        .template after<QVector3D>("glossyColor", "diffuseColor")
        .template hidden<QZKSpectrum>("glossySpectrum");
    if (withTexture) {
        rows.template editor<zkdLightTexture, zkZkdObjectControl<zkdLightTexture>>(
                "texture",
                [](zkZkdZkdObjectControlOptions &options) {
                    options.group = "Properties";
                    options.label = tr("Light Texture");
                    options.forceWritable();
                    options.separator = true;
                })
            .template after<zkdLightTexture>("texture", "glossyColor");
    }
    rows.template onChanged<Unit>("lightUnit", [](zkPropertyEditorWidget *widget, Unit) { updateIntensity(widget); })
        .template onChanged<bool>("useLightTemperature",
                                  [](zkPropertyEditorWidget *widget, bool) { updatePhysicalMode(widget); });
}

template <typename T>
void zkBaseLightDescription::initAttenuationControl(bool withTexture)
{
    using zkLightTypes::Attenuation;
    zkDescriptionBuilder<T>(getFactory())
        .template editor<Attenuation, zkComboBoxControl>(
            "attenuation",
            [](zkComboBoxControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Attenuation");
                options.mappings = {
                    {tr("None"), zkLightTypes::NoAttenuation},
                    {tr("Linear"), zkLightTypes::LinearAttenuation},
                    {tr("Realistic"), zkLightTypes::RealisticAttenuation},
                };
                options.toolTip =
                    tr("Sets the attenuation mode. Attenuation is the falloff of the\nlight intensity.");
            })
        .template after<Attenuation>("attenuation", withTexture ? "texture" : "glossyColor");
}

template <typename T>
void zkBaseLightDescription::initShadowControls(bool withShadowMap, const QByteArray &previousName)
{
    const auto intensity = [](const QString &label, const QString &toolTip) {
        return [label, toolTip](zkDoubleSliderControlOptions &options) {
            options.group = "Properties";
            options.label = label;
            options.minimum = 0.0;
            options.maximum = 1.0;
            options.singleStep = 0.01;
            options.toolTip = toolTip;
        };
    };
    zkDescriptionBuilder<T> rows(getFactory());
    rows.template editor<float, zkDoubleSliderControl>(
            "materialShadowIntensity",
            intensity(tr("Material Shadow Intensity"), tr("Sets the intensity of shadows of brdf based materials.")))
        .template after<float>("materialShadowIntensity", previousName)
        .template editor<float, zkDoubleSliderControl>(
            "groundShadowIntensity",
            intensity(tr("Ground Shadow Intensity"), tr("Sets the intensity of shadows on the shadow material.")))
        .template after<float>("groundShadowIntensity", "materialShadowIntensity");
    if (withShadowMap) {
        rows.template editor<zkdShadowMap, zkZkdObjectControl<zkdShadowMap>>(
                "shadowMap",
                [](zkZkdZkdObjectControlOptions &options) {
                    options.group = "Properties";
                    options.label = tr("Shadow Map");
                    options.forceWritable();
                    options.spanColumns = true;
                })
            .template after<zkdShadowMap>("shadowMap", "groundShadowIntensity");
    }
    rows.template editor<bool, zkCheckBoxControl>(
            "illuminateShadowMaterial",
            [](zkCheckBoxControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Illuminate Shadow Material");
                options.toolTip = tr("<html><head/><body><p>Illuminates the shadow material. The shadow material "
                                     "needs to have its reflection mode set to Diffuse Only, Glossy Only, or Diffuse "
                                     "+ Glossy for this option to work correctly.</p></body></html>");
            })
        .template after<bool>("illuminateShadowMaterial", withShadowMap ? "shadowMap" : "groundShadowIntensity")
        .template editor<bool, zkCheckBoxControl>(
            "castShadowOnShadowMaterial",
            [](zkCheckBoxControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Cast Shadow On Shadow Material");
                options.toolTip = tr("Allows lights to cast shadows on shadow materials.\n(Only available for "
                                     "Raytracing.)");
            })
        .template after<bool>("castShadowOnShadowMaterial", "illuminateShadowMaterial");
}

template <typename T>
void zkBaseLightDescription::initImportanceMultiplierControl()
{
    zkDescriptionBuilder<T>(getFactory())
        .template editor<float, zkDoubleWheelControl>(
            "importanceMultiplier",
            [](zkDoubleWheelControlOptions &options) {
                options.group = "Properties";
                options.label = tr("Importance Multiplier");
                options.toolTip = tr("<html><head/><body><p>A value higher than 1 increases the probability that the "
                                     "light source emits photons at the photon mapping. Great for rather dark light "
                                     "sources in an interior, if the incident light comes from outside "
                                     "Environments.</p></body></html>");
            })
        .template after<float>("importanceMultiplier", "castShadowOnShadowMaterial");
}

template <typename T>
void zkBaseLightDescription::initLightProfileControls(const QByteArray &groupBefore)
{
    zkDescriptionBuilder<T>(getFactory())
        .group("Light Profile", tr("Light Profile"))
        .template after<void>("Light Profile", groupBefore)
        .template editor<zkdLightProfile, zkZkdLightProfileControl>("lightProfile",
                                                                    [](zkZkdLightProfileControlOptions &options) {
                                                                        options.group = "Light Profile";
                                                                        options.hideLabel();
                                                                        options.forceWritable();
                                                                        options.spanColumns = true;
                                                                    });
}

template <typename T>
void zkBaseLightDescription::initVisualizationControls(bool withScale)
{
    zkDescriptionBuilder<T> rows(getFactory());
    rows.group("Light Visualization", tr("Visualization"))
        .template after<void>("Light Visualization", "Properties")
        .template editor<bool, zkCheckBoxControl>(
            "visualizationVisible", [](zkCheckBoxControlOptions &options) {
                options.group = "Light Visualization";
                options.label = tr("Display Light");
                options.toolTip = tr("If this is off the light will not be rendered but it will still\nemit light "
                                     "into the scene.");
            });
    if (!withScale)
        return;
    rows.template editor<float, zkDoubleWheelControl>("visualizationScale",
                                                      [](zkDoubleWheelControlOptions &options) {
                                                          options.group = "Light Visualization";
                                                          options.label = tr("Scale");
                                                          options.minimum = 0.01f;
                                                          options.maximum = std::numeric_limits<double>::max();
                                                          options.singleStep = 0.1f;
                                                          options.toolTip = tr("Scales the lightsources visualization");
                                                      })
        .template after<float>("visualizationScale", "visualizationVisible");
}

template <typename T>
void zkBaseLightDescription::initTransformControls()
{
    zkDescriptionBuilder<T>(getFactory())
        .group("Transform", tr("Transform"))
        .template after<void>("Transform", "Light Visualization")
        .template editor<zkdLightTransform, zkLightTransformControl>("lightTransform",
                                                                     [](zkBaseControlOptions &options) {
                                                                         options.group = "Transform";
                                                                         options.label = tr("Position");
                                                                         options.forceWritable();
                                                                     });
}

template <typename T>
void zkBaseLightDescription::initUnitUpdate(void (*update)(zkPropertyEditorWidget *))
{
    using std::placeholders::_1;
    zkDescriptionBuilder<T>(getFactory())
        .template onChanged<zkdLightProfile>("lightProfile", std::bind(update, _1))
        .template onChanged<bool>("isPhysicallyBased", std::bind(update, _1));
}
