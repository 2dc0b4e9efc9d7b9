#pragma once

#include <QZKColor.h>
#include <QZKSpectrum.h>

#include <QPointer>
#include <QWidget>

class QColorDialog;
class QSlider;
class QToolButton;

// A colour field: a swatch that opens a colour dialog, and hue, saturation and value sliders.
// The colour is held as hue, saturation and value in linear light (QZKColor); the swatch and the
// dialog show its gamma-encoded form.
//
// Each edit reports, in this order: buttonPressed (swatch) or sliderPressed (slider); previews
// with the linear red, green and blue as dialogColorChanged or sliderColorChanged; then exactly
// one of finalColorSet, with the edited colour, or cancelled, after which the colour is back to
// what it was before the edit. Setting values never emits.
class QZKColorManipulator : public QWidget
{
    Q_OBJECT
public:
    explicit QZKColorManipulator(QWidget *parent = nullptr);

    void setColor(const QZKColor &color);
    // Linear red, green and blue.
    void setColor(float r, float g, float b);
    QZKColor color() const { return m_color; }

    // The spectral form of the colour, kept in step with every colour change from then on. The
    // intensity relates the two: the colour is the spectrum's colour times the intensity. With
    // applyToColor the shown colour is set from the spectrum; otherwise only the spectrum changes.
    void setSpectrum(const QZKSpectrum &spectrum, double intensity, bool applyToColor);
    QZKSpectrum getSpectrum() const { return m_spectrum; }

    // With photometric parameters the brightness is given elsewhere (a light's photometric
    // intensity), so the value slider is hidden and only hue and saturation are edited.
    void setPhotometricParameters(bool photometric);
    bool hasPhotometricParameters() const { return m_photometric; }

    // True when the last edit ended with the dialog rejected.
    bool isRejected() const { return m_rejected; }

    // Carries this widget's "multiselect" style property into its parts.
    void propagateMultiselectProperty();

    // The colour dialog while it is open, otherwise null.
    QColorDialog *colorDialog() const;

Q_SIGNALS:
    void sliderColorChanged(float r, float g, float b);
    void dialogColorChanged(float r, float g, float b);
    void finalColorSet(const QZKColor &color);
    void sliderPressed();
    void buttonPressed();
    void cancelled();

private:
    enum Component { Hue, Saturation, Value };

    QSlider *createSlider(Component component, const QString &toolTip);
    void beginEdit();
    void openDialog();
    void onDialogColorChanged(const QColor &color);
    void onDialogFinished(int result);
    void onSliderPressed();
    void onSliderValueChanged(Component component);
    void onSliderReleased();
    void changeColor(const QZKColor &color);
    void updateSpectrum();
    void showColor();

    QToolButton *m_swatch;
    QSlider *m_sliders[3];
    QPointer<QColorDialog> m_dialog;
    QZKColor m_color;
    QZKColor m_initialColor;
    QZKSpectrum m_spectrum;
    double m_spectrumIntensity = 1.0;
    bool m_photometric = false;
    bool m_rejected = false;
};
