#pragma once

#include <QZKIntVectorEditor.h>
#include <QZKIntVectorSpinBox.h>

// A two-component integer vector edited with one spin box per component, side by side.
class QZKIntVector2DSpiner : public QZKIntVectorEditor<QZKIntVector2D, QZKIntVectorSpinBox>
{
    Q_OBJECT
public:
    explicit QZKIntVector2DSpiner(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QZKIntVector2D &value);

protected:
    void emitChanged() override;
};
