#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QZKIntegerSlider;

// An integer property edited with a QZKIntegerSlider; each value the slider reports is written.
class zkIntegerSliderControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkIntegerSliderControlOptions;

    zkIntegerSliderControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    // Each applies its part of a record again, for descriptions that change it at run time.
    void setRange(Options *options);
    // Only when 0 <= hard minimum <= hard maximum.
    void setHardRange(Options *options);
    void setSteps(Options *options);
    // Only a non-empty suffix.
    void setSuffix(Options *options);

    QZKIntegerSlider *getSlider() const { return m_slider; }

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

protected:
    void createLayout();

private:
    QZKIntegerSlider *m_slider;
};
