#pragma once

#include <zkPropertyEditorDescriptionBase.h>

#include <QByteArray>

#include <initializer_list>

// What the importer of one CAD exchange format brings into the scene, by kind of content.
class zkKXMSettingsDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkKXMSettingsDescription() = default;

protected:
    void init() override;

private:
    void initGroups();
    void initImport();
    void initCurves();
    void initMeshes();
    void initZorlo();
    void hideSettings();
    void checkBoxes(const QByteArray &group, std::initializer_list<const char *> properties);
};
