#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

#include <QVector3D>

class QZKColor;
class QZKColorManipulator;

// A colour property (QVector3D red, green and blue), optionally with its spectrum (the first
// extra property, a QZKSpectrum), edited with a QZKColorManipulator. While the user drags a
// slider or picks in the dialog the colour is previewed in the objects without undo steps; the
// final colour is written from the state before the preview as one undo step, and a cancelled
// edit restores that state. With the gamma flag the property holds gamma-encoded components.
class zkColorManipulatorControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkColorManipulatorControlOptions;

    zkColorManipulatorControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                              Options *options);

    QZKColorManipulator *getManipulator() const { return m_manipulator; }

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

    // Hue in degrees, saturation and value of red, green and blue; red wins ties for the
    // largest component, then green.
    static QVector3D rgbToHsv(float r, float g, float b);
    // Red, green and blue of a hue in degrees (clamped to [0, 360)), saturation and value.
    static QVector3D hsvToRgb(float h, float s, float v);

private:
    void storeInitialValues();
    void restoreInitialValues();
    void previewColor(float r, float g, float b);
    void setFinalColor(QZKColor color);
    Options *options() const { return static_cast<Options *>(getOptions()); }

    QZKColorManipulator *m_manipulator;
    QByteArray m_spectrumProperty;
    bool m_updatesSuspended = false;
};
