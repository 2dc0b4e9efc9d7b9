#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QCheckBox;
class QZKSlider;

// A floating-point property edited with a QZKSlider. A drag writes only on release, or at every
// move as well when the options ask for it; typed and stepped values are written at once. An
// optional check box in the caption cell switches a boolean property (the first extra property)
// that enables the slider.
class zkDoubleSliderControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkDoubleSliderControlOptions;

    zkDoubleSliderControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void setRange(const double &minimum, const double &maximum);
    void setStep(const double &step);
    void setSuffix(const QString &suffix);
    // A negative value leaves the slider's own setting.
    void setPrecision(int decimals, int displayDecimals);

    QZKSlider *getSlider() const { return m_slider; }
    // Null unless the options ask for it.
    QCheckBox *getEnableCheckBox() const { return m_enableCheckBox; }

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

private:
    void write(double value);
    Options *options() const { return static_cast<Options *>(getOptions()); }

    QZKSlider *m_slider;
    QCheckBox *m_enableCheckBox = nullptr;
    QByteArray m_enableProperty;
    bool m_pressed = false;
};
