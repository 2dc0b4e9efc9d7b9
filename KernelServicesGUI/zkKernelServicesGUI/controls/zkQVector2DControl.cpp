#include "zkQVector2DControl.h"

zkQVector2DControl::zkQVector2DControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                       Options *options)
    : zkQVectorControl(editorWidget, propertyName, options)
{
    QZKVec2Control *widget = getVectorWidget();
    setArrangement(options->layout == 1);

    connect(widget, &QZKVec2Control::changedX, this,
            [this](double value) { setVector2DComponent(value, 0, RelativeOperatorSet, true); });
    connect(widget, &QZKVec2Control::changedY, this,
            [this](double value) { setVector2DComponent(value, 1, RelativeOperatorSet, true); });
    connect(widget, &QZKVec2Control::relativeOperatorApplied, this,
            [this](int component, RelativeOperator op, double operand) {
                setVector2DComponent(operand, component, op, true);
            });
}

void zkQVector2DControl::updateControl()
{
    getVectorWidget()->setRelativeOperatorHandlingMode(getRelativeOperatorHandlingMode());
    zkQVectorControl::updateControl();
}
