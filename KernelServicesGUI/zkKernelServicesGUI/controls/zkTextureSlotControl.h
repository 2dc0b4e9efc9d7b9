#pragma once

#include <zkBaseControl.h>

class QComboBox;

// The material texture a web page is shown in (a zkdWebEngine::TextureSlotType).
class zkTextureSlotControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkTextureSlotControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    QComboBox *getComboBox() const { return m_comboBox; }

private:
    void setSlot(int index);

    QComboBox *m_comboBox;
};
