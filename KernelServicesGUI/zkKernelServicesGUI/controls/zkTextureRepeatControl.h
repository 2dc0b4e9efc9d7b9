#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QComboBox;
class QToolButton;

// The repeat modes of a texture along U (the property) and V (the first extra property), with a
// link (the second extra property, bool) that keeps V equal to U.
class zkTextureRepeatControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkTextureRepeatControlOptions;

    zkTextureRepeatControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    // True for the U, V and link properties, so that a change of any of them refreshes the row.
    bool hasPropertyName(const QByteArray &name) const override;
    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

    QComboBox *getUComboBox() const { return m_uComboBox; }
    QComboBox *getVComboBox() const { return m_vComboBox; }
    QToolButton *getLinkButton() const { return m_linkButton; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    QComboBox *createComboBox();
    void setU(int index);
    void setV(int index);
    void setLinked(bool unlinkRequested);

    QByteArray m_uProperty;
    QByteArray m_vProperty;
    QByteArray m_linkProperty;
    QComboBox *m_uComboBox;
    QComboBox *m_vComboBox;
    QToolButton *m_linkButton;
};
