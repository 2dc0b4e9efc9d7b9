#pragma once

#include <QZKIntVectorEditor.h>
#include <QZKIntVectorSpinBox.h>

// A four-component integer vector edited with one spin box per component, side by side.
class QZKIntVector4DSpiner : public QZKIntVectorEditor<QZKIntVector4D, QZKIntVectorSpinBox>
{
    Q_OBJECT
public:
    explicit QZKIntVector4DSpiner(QWidget *parent = nullptr);

Q_SIGNALS:
    void changed(const QZKIntVector4D &value);

protected:
    void emitChanged() override;
};
