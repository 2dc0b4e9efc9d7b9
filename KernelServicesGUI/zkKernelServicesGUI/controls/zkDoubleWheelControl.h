#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QZKWheelPrec;

// A floating-point property (double or float) edited with a precision wheel.
class zkDoubleWheelControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkDoubleWheelControlOptions;

    zkDoubleWheelControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    QZKWheelPrec *getWheel() const { return m_wheel; }

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

private:
    QZKWheelPrec *m_wheel;
};
