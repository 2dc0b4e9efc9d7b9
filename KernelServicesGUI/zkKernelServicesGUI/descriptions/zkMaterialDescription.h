#pragma once

#include "zkDescriptionBuilder.h"

#include <QZKSpectrum.h>
#include <zkColorManipulatorControl.h>
#include <zkControlOptions.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorWidget.h>

#include <QByteArray>
#include <QVector3D>

// The rows of every material: the name and the bookkeeping properties no material editor shows.
// Descriptions of material kinds derive from it for the colour rows most surface materials share.
class zkMaterialDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkMaterialDescription() = default;

protected:
    void init() override;

    // The diffuse and glossy colour rows of material type T, each with its spectrum behind it, in
    // the group of the caller's choice. The analytic diffuse colour follows the diffuse colour in
    // the kernel, so its row re-reads it.
    template <typename T>
    void initColor(const QByteArray &groupName);

    // The metals that the metal types of T offer after their own first choice, in kernel order.
    template <typename T>
    static QList<zkLabelMappingOptions::Entry> metalItems();
};

template <typename T>
void zkMaterialDescription::initColor(const QByteArray &groupName)
{
    zkDescriptionBuilder<T>(getFactory())
        .template editor<QVector3D, zkColorManipulatorControl>(
            "diffuseColor",
            [groupName](zkColorManipulatorControlOptions &options) {
                options.group = groupName;
                options.label = tr("Diffuse Color");
                options.extraProperties = {"diffuseSpectrumColor"};
            })
        .template hidden<QZKSpectrum>("diffuseSpectrumColor")
        .template editor<QVector3D, zkColorManipulatorControl>(
            "glossyColor",
            [groupName](zkColorManipulatorControlOptions &options) {
                options.group = groupName;
                options.label = tr("Glossy Color");
                options.extraProperties = {"glossySpectrumColor"};
            })
        .template hidden<QZKSpectrum>("glossySpectrumColor")
        .template onChanged<QVector3D>("diffuseColor", [](zkPropertyEditorWidget *widget, const QVector3D &) {
            if (widget)
                widget->updateProperty("analyticDiffuseColor");
        });
}

template <typename T>
QList<zkLabelMappingOptions::Entry> zkMaterialDescription::metalItems()
{
    return {
        {tr("Aluminium"), T::Aluminium},
        {tr("Amorphous Carbon"), T::AmorphousCarbon},
        {tr("Silver"), T::Silver},
        {tr("Gold"), T::Gold},
        {tr("Cobalt"), T::Cobalt},
        {tr("Copper"), T::Copper},
        {tr("Chromium"), T::Chromium},
        {tr("Lithium"), T::Lithium},
        {tr("Mercury"), T::Mercury},
        {tr("Nickel"), T::Nickel},
        {tr("Potassium"), T::Potassium},
        {tr("Platinum"), T::Platinum},
        {tr("Iridium"), T::Iridium},
        {tr("Silicon"), T::Silicon},
        {tr("Amorphous Silicon"), T::AmorphousSilicon},
        {tr("Sodium"), T::Sodium},
        {tr("Rhodium"), T::Rhodium},
        {tr("Tungsten"), T::Tungsten},
        {tr("Vanadium"), T::Vanadium},
        {tr("Iron"), T::Iron},
    };
}
