#include "zkQVector3DControl.h"

zkQVector3DControl::zkQVector3DControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                       Options *options)
    : zkQVectorControl(editorWidget, propertyName, options)
{
    QZKVec3Control *widget = getVectorWidget();
    setVisibleXYZ(options->xVisible, options->yVisible, options->zVisible);
    widget->setLabel(options->vectorLabel);
    // Any other layout keeps the widget's own arrangement.
    if (options->layout == 0)
        setArrangement(false);

    for (auto changed : {&QZKVec3Control::changedX, &QZKVec3Control::changedY, &QZKVec3Control::changedZ})
        connect(widget, changed, this, &zkQVector3DControl::writeVector);
}

void zkQVector3DControl::setVisibleXYZ(bool x, bool y, bool z)
{
    QZKVec3Control *widget = getVectorWidget();
    widget->setXVisible(x);
    widget->setYVisible(y);
    widget->setZVisible(z);
}
