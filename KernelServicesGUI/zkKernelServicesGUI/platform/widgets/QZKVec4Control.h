#pragma once

#include <QZKVecControl.h>

// A four-component vector field.
class QZKVec4Control : public QZKVecControl
{
    Q_OBJECT
public:
    explicit QZKVec4Control(QWidget *parent = nullptr);

    void setXYZW(double x, double y, double z, double w);
    double getZ() const { return value(2); }
    double getW() const { return value(3); }
    void setZVisible(bool visible) { setComponentVisible(2, visible); }
    void setWVisible(bool visible) { setComponentVisible(3, visible); }
};
