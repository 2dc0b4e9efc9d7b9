#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QComboBox;
class QZKDoubleSpiner;

// A signed longitude or latitude shown as its magnitude in degrees and its hemisphere, East or
// West, North or South; negative values lie west and south.
class zkGeographicCoordinateControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkGeographicCoordinateControlOptions;

    zkGeographicCoordinateControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                  Options *options);

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

    QZKDoubleSpiner *getSpinBox() const { return m_spinBox; }
    QComboBox *getHemisphereComboBox() const { return m_comboBox; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    // The sign of the hemisphere chosen in the combo box.
    double getSign() const;

    QZKDoubleSpiner *m_spinBox;
    QComboBox *m_comboBox;
};
