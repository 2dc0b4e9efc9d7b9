#pragma once

#include <QZKVecSliderControl.h>

// A four-component vector edited with one slider per component.
class QZKVec4SliderControl : public QZKVecSliderControl<QVector4D, QZKIntVector4D>
{
    Q_OBJECT
public:
    explicit QZKVec4SliderControl(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QVector4D &value);

protected:
    void emitChanged() override;
};
