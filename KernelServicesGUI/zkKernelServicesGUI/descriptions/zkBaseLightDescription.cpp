#include "zkBaseLightDescription.h"

#include <zkBaseControl.h>
#include <zkPropertyEditorObjectWrapper.h>

namespace {

zkBaseLightDescription instance;

void setLabel(zkPropertyEditorWidget *widget, const QByteArray &property, const QString &label)
{
    zkBaseControl *control = widget->getControl(property);
    if (!control)
        return;
    if (auto *labelled = dynamic_cast<zkLabelOptions *>(control->getOptions()))
        labelled->label = label;
    control->updateLabel();
}

} // namespace

void zkBaseLightDescription::init()
{
}

void zkBaseLightDescription::updatePhysicalMode(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    const bool physical = widget->getProperty("isPhysicallyBased").toBool();
    const bool temperature = widget->getProperty("useLightTemperature").toBool();

    setControlVisible(widget, "isPhysicallyBased", false);
    setControlVisible(widget, "diffuseColor", !temperature);
    setControlVisible(widget, "glossyColor", !physical && !temperature);
    setControlVisible(widget, "temperature", temperature);
    setControlVisible(widget, "lightUnit", physical);

    setLabel(widget, "intensity", physical ? tr("Value") : tr("Intensity"));
    if (zkBaseControl *color = widget->getControl("diffuseColor")) {
        if (auto *options = dynamic_cast<zkColorManipulatorControlOptions *>(color->getOptions()))
            options->photometric = physical;
    }
    setLabel(widget, "diffuseColor", physical ? tr("Color") : tr("Diffuse Color"));

    widget->updateProperty("diffuseColor");
    widget->updateProperty("glossyColor");
    widget->resize();
}

void zkBaseLightDescription::resetUnits(zkPropertyEditorWidget *widget, const QList<zkLightTypes::Unit> &units)
{
    if (!widget)
        return;
    if (auto *box = qobject_cast<zkComboBoxControl *>(widget->getControl("lightUnit"))) {
        zkLabelMappingOptions items;
        for (const zkLightTypes::Unit unit : units) {
            switch (unit) {
            case zkLightTypes::LuminousFlux:
                items.mappings.append({tr("Luminous Flux [lm]"), unit});
                break;
            case zkLightTypes::LuminousIntensity:
                items.mappings.append({tr("Luminous Intensity [cd]"), unit});
                break;
            case zkLightTypes::LuminousEmittance:
                items.mappings.append({tr("Luminous Emittance [lm/m²]"), unit});
                break;
            case zkLightTypes::Luminance:
                items.mappings.append({tr("Luminance [cd/m²]"), unit});
                break;
            }
        }
        box->resetContent(&items);
        box->updateControl();
    }
    updatePhysicalMode(widget);
}

bool zkBaseLightDescription::isLightProfileUsed(const zkPropertyEditorWidget *widget)
{
    const zkdLightProfile profile = widget->getProperty("lightProfile").value<zkdLightProfile>();
    return !profile.isNull() && profile.getUseLightProfile();
}

void zkBaseLightDescription::updateIntensity(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    for (zkPropertyEditorObjectWrapper *object : widget->getCurrentObjects())
        object->propertyChanged("intensity");
    updateControl(widget, "intensity");
}
