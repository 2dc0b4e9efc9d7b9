#include "zkMultiselectProperty.h"

#include <zkUIStyle.h>

#include <QVariant>
#include <QWidget>

void zkPropagateMultiselectProperty(QWidget *widget)
{
    if (!widget)
        return;
    const QVariant multiselect = widget->property("multiselect");
    const QList<QWidget *> children = widget->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->window() == widget->window())
            zkUIStyle::setControlProperty(child, "multiselect", multiselect);
    }
}
