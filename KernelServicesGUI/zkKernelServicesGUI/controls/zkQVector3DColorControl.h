#pragma once

#include <zkBaseControl.h>

class QPushButton;

// A colour held as a QVector3D (red, green and blue from 0 to 1), shown as a swatch button that
// opens a colour dialog. Mixed values of a multiple selection show an empty swatch.
// It carries decimal settings like the other vector rows, although the swatch shows no digits.
class zkQVector3DColorControl : public zkBaseControl, public zkDecimalOptions
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkQVector3DColorControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    // Fills the swatch with the colour; components outside 0 to 1 are clamped.
    void setColor(double r, double g, double b);

    QPushButton *getButton() const { return m_button; }

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

private:
    void showValue();
    void chooseColor();

    QPushButton *m_button;
};
