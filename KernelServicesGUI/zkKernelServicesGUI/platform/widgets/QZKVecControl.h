#pragma once

#include <QZKVectorEditor.h>

#include <initializer_list>

class QZKWheelPrec;

// The base of the vector fields QZKVec2Control, QZKVec3Control and QZKVec4Control: one
// precision wheel (a QZKWheelPrec, object name "QZKWheelPrec") per component, each reporting
// its own changes with changedX, changedY, changedZ or changedW. Components the widget does not
// have never report. Typed relative entries ("+=2") are applied to the component.
class QZKVecControl : public QZKVectorEditor
{
    Q_OBJECT
public:
    double getX() const { return value(0); }
    double getY() const { return value(1); }
    void setXVisible(bool visible) { setComponentVisible(0, visible); }
    void setYVisible(bool visible) { setComponentVisible(1, visible); }
    double value(int component) const;

    // The thumb wheels beside the fields; the fields stay.
    void setWheelVisible(bool visible);
    bool isWheelVisible() const { return m_wheelVisible; }

    void setSingleStep(double step);
    // Values are rounded to this many decimals, and unless display decimals are set that many
    // digits are shown. A negative value leaves the setting as it is.
    void setDecimals(int decimals);
    int decimals() const { return m_decimals; }
    // A negative value leaves the setting as it is.
    void setDisplayDecimals(int decimals);
    void setSuffix(const QString &suffix);

    // Marks one component for mixed values in a multiple selection.
    void setMultiSelectHighlight(int component, bool on);

Q_SIGNALS:
    void changedX(double value);
    void changedY(double value);
    void changedZ(double value);
    void changedW(double value);

protected:
    QZKVecControl(int componentCount, QWidget *parent);

    // Sets all components, then reports those whose value changed.
    void setValues(std::initializer_list<double> values);
    QZKWheelPrec *wheel(int component) const;

private:
    void onWheelValueChanged(int component);
    void emitChanged(int component, double value);
    double rounded(double value) const;
    // Rounds the wheel's value and takes it as the component's value; true when that changed.
    bool takeWheelValue(int component);

    QVector<double> m_values;
    int m_decimals = 3;
    bool m_hasDisplayDecimals = false;
    bool m_wheelVisible = true;
};
