#pragma once

#include <QZKIntVectorEditor.h>
#include <QZKIntegerSlider.h>

// A two-component integer vector edited with one slider with a spin box per component, one under the other.
class QZKIntVector2DSlider : public QZKIntVectorEditor<QZKIntVector2D, QZKIntegerSlider>
{
    Q_OBJECT
public:
    explicit QZKIntVector2DSlider(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QZKIntVector2D &value);

protected:
    void emitChanged() override;
};
