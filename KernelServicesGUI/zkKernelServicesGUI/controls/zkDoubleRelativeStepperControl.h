#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QPushButton;
class QZKDoubleSpiner;

// A step size with a step-back and a step-forward button. The spin box edits the step size (the
// property, shown without its sign); the buttons write true to the back and forward properties
// (the two extra properties), which act as commands of the edited object.
class zkDoubleRelativeStepperControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkDoubleRelativeStepperControlOptions;

    zkDoubleRelativeStepperControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                   Options *options);

    QZKDoubleSpiner *getSpinBox() const { return m_spinBox; }
    QPushButton *getBackButton() const { return m_backButton; }
    QPushButton *getForwardButton() const { return m_forwardButton; }

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

private:
    QPushButton *createButton(QWidget *parent, const QString &icon, const QString &toolTip, const QByteArray &command);

    QPushButton *m_backButton;
    QZKDoubleSpiner *m_spinBox;
    QPushButton *m_forwardButton;
};
