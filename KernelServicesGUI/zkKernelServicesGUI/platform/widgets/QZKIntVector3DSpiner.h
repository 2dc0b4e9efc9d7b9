#pragma once

#include <QZKIntVectorEditor.h>
#include <QZKIntVectorSpinBox.h>

// A three-component integer vector edited with one spin box per component, side by side.
class QZKIntVector3DSpiner : public QZKIntVectorEditor<QZKIntVector3D, QZKIntVectorSpinBox>
{
    Q_OBJECT
public:
    explicit QZKIntVector3DSpiner(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QZKIntVector3D &value);

protected:
    void emitChanged() override;
};
