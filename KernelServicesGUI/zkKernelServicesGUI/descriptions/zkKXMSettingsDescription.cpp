#include "zkKXMSettingsDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkCheckBoxControl.h>
#include <zkdKxmSettings.h>

namespace {

zkKXMSettingsDescription instance;

using Rows = zkDescriptionBuilder<zkdKxmSettings>;

} // namespace

void zkKXMSettingsDescription::init()
{
    initGroups();
    initImport();
    initCurves();
    initMeshes();
    initZorlo();
    hideSettings();
}

void zkKXMSettingsDescription::initGroups()
{
    Rows(getFactory())
        .group("Import", tr("Import"), Rows::Expanded)
        .group("Curves", tr("Curves"), Rows::Expanded)
        .group("Meshes", tr("Meshes"), Rows::Expanded)
        .group("Zorlo", tr("Zorlo"), Rows::Expanded);
}

void zkKXMSettingsDescription::initImport()
{
    checkBoxes("Import", {"importSurfaces", "importInvisibleSurfaces", "importMeshes", "importInvisibleMeshes",
                          "importInvisibleInstances"});
}

void zkKXMSettingsDescription::initCurves()
{
    checkBoxes("Curves", {"importCurves", "importInvisibleCurves"});
}

void zkKXMSettingsDescription::initMeshes()
{
    checkBoxes("Meshes", {"importAssociativeMeshes"});
}

void zkKXMSettingsDescription::initZorlo()
{
    checkBoxes("Zorlo", {"importTemplateGeometries", "importCameras", "importLights", "importVariants"});
}

void zkKXMSettingsDescription::hideSettings()
{
    Rows rows(getFactory());
    for (const char *property : {"disableMultithreadedImport", "fixSurfaceOrientation", "useLegacyLoader"})
        rows.editor<bool, zkCheckBoxControl>(property, [](zkCheckBoxControlOptions &options) { options.skip(); });
}

void zkKXMSettingsDescription::checkBoxes(const QByteArray &group, std::initializer_list<const char *> properties)
{
    Rows rows(getFactory());
    for (const char *property : properties)
        rows.editor<bool, zkCheckBoxControl>(property, [group](zkCheckBoxControlOptions &options) {
            options.group = group;
        });
}
