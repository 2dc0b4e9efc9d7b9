#pragma once

#include <QZKIntVectorEditor.h>
#include <QZKIntegerSlider.h>

// A three-component integer vector edited with one slider with a spin box per component, one under the other.
class QZKIntVector3DSlider : public QZKIntVectorEditor<QZKIntVector3D, QZKIntegerSlider>
{
    Q_OBJECT
public:
    explicit QZKIntVector3DSlider(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QZKIntVector3D &value);

protected:
    void emitChanged() override;
};
