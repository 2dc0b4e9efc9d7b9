#pragma once

#include <QZKVecControl.h>

// A three-component vector field.
class QZKVec3Control : public QZKVecControl
{
    Q_OBJECT
public:
    // The component captions: x, y, z; red, green, blue; u, v, w; or none.
    enum VectorLabel { LabelXYZ, LabelRGB, LabelUVW, LabelNone };
    Q_ENUM(VectorLabel)

    explicit QZKVec3Control(QWidget *parent = nullptr);

    void setXYZ(double x, double y, double z);
    double getZ() const { return value(2); }
    void setZVisible(bool visible) { setComponentVisible(2, visible); }

    using QZKVecControl::setLabel;
    // Sets the component captions to a kind; the caption before the components stays.
    void setLabel(VectorLabel kind);
    VectorLabel vectorLabel() const { return m_vectorLabel; }

private:
    VectorLabel m_vectorLabel = LabelXYZ;
};
