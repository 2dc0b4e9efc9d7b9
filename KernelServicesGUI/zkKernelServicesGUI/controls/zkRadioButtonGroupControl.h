#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

#include <QList>
#include <QSet>

class QRadioButton;

// One value out of the options' label mapping, chosen with a row of radio buttons. A value that
// matches no button leaves the buttons as they were.
class zkRadioButtonGroupControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkRadioButtonGroupOptions;

    zkRadioButtonGroupControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                              Options *options);

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;
    // Shows the buttons whose text is in labels and hides the others.
    void setVisibleLabels(const QSet<QString> &labels);

    const QList<QRadioButton *> &getButtons() const { return m_buttons; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    QList<QRadioButton *> m_buttons;
};
