#include "zkQVector4DControl.h"

zkQVector4DControl::zkQVector4DControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                       Options *options)
    : zkQVectorControl(editorWidget, propertyName, options)
{
    QZKVec4Control *widget = getVectorWidget();
    setVisibleXYZW(options->xVisible, options->yVisible, options->zVisible, options->wVisible);
    if (options->subLabels.size() >= 4)
        setSubLabels(options->subLabels);
    // Any other layout keeps the widget's own arrangement.
    if (options->layout == 0)
        setArrangement(false);

    for (auto changed : {&QZKVec4Control::changedX, &QZKVec4Control::changedY, &QZKVec4Control::changedZ,
                         &QZKVec4Control::changedW})
        connect(widget, changed, this, &zkQVector4DControl::writeVector);
}

void zkQVector4DControl::setVisibleXYZW(bool x, bool y, bool z, bool w)
{
    QZKVec4Control *widget = getVectorWidget();
    widget->setXVisible(x);
    widget->setYVisible(y);
    widget->setZVisible(z);
    widget->setWVisible(w);
}

void zkQVector4DControl::setSubLabels(const QStringList &labels)
{
    getVectorWidget()->setSubLabels(labels);
}
