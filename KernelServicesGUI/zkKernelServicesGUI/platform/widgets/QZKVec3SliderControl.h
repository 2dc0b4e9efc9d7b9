#pragma once

#include <QZKVecSliderControl.h>

// A three-component vector edited with one slider per component.
class QZKVec3SliderControl : public QZKVecSliderControl<QVector3D, QZKIntVector3D>
{
    Q_OBJECT
public:
    explicit QZKVec3SliderControl(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QVector3D &value);

protected:
    void emitChanged() override;
};
