#pragma once

#include <zkPropertyEditorDescriptionBase.h>

class zkPropertyEditorWidget;

// A scene plate: image, text or web content in front of or behind the scene. Of the content
// rows only those of the plate's content type are shown. The node and switch rows that plates
// inherit have no row of their own.
class zkSceneplateDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkSceneplateDescription() = default;

protected:
    void init() override;

private:
    void initProperties();
    void initText();
    void initImageSequence();
    void initWebEngine();
    void initSwitch();
    void initSizeAndPosition();
    void initColorCorrection();

    static void showContentRows(zkPropertyEditorWidget *widget, int contentType);
};
