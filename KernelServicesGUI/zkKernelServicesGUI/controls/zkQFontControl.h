#pragma once

#include "zkBaseControl.h"

class QFontComboBox;

// Edits a font family name.
class zkQFontControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkQFontControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    QFontComboBox *getFontComboBox() const { return m_fontComboBox; }

private:
    QFontComboBox *m_fontComboBox;
};
