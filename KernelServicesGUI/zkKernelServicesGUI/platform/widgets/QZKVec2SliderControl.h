#pragma once

#include <QZKVecSliderControl.h>

// A two-component vector edited with one slider per component.
class QZKVec2SliderControl : public QZKVecSliderControl<QVector2D, QZKIntVector2D>
{
    Q_OBJECT
public:
    explicit QZKVec2SliderControl(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QVector2D &value);

protected:
    void emitChanged() override;
};
