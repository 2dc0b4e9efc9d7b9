#pragma once

#include <QZKIntVectorEditor.h>
#include <QZKIntegerSlider.h>

// A four-component integer vector edited with one slider with a spin box per component, one under the other.
class QZKIntVector4DSlider : public QZKIntVectorEditor<QZKIntVector4D, QZKIntegerSlider>
{
    Q_OBJECT
public:
    explicit QZKIntVector4DSlider(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QZKIntVector4D &value);

protected:
    void emitChanged() override;
};
