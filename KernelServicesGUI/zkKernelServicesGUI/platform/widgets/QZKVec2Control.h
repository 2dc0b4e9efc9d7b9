#pragma once

#include <QZKVecControl.h>
#include <RelativeOperator.h>

// A two-component vector field. While several objects are edited (handling mode
// RelativeOperatorHandlingReport) a typed relative entry is not applied but reported with
// relativeOperatorApplied, naming the component (0 for x, 1 for y).
class QZKVec2Control : public QZKVecControl
{
    Q_OBJECT
public:
    explicit QZKVec2Control(QWidget *parent = nullptr);

    void setXY(double x, double y);

    void setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode mode);
    RelativeOperatorHandlingMode relativeOperatorHandlingMode() const;

Q_SIGNALS:
    void relativeOperatorApplied(int component, RelativeOperator op, double operand);
};
