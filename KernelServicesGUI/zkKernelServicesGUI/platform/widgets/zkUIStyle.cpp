#include "zkUIStyle.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

void zkUIStyle::setControlProperty(QWidget *widget, const char *name, const QVariant &value)
{
    if (!widget)
        return;
    widget->setProperty(name, value);
    // Style sheets evaluate property selectors only when a widget is polished.
    QStyle *style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
    widget->update();
}

void zkUIStyle::setMultiSelectHighlight(QWidget *widget, bool on)
{
    setControlProperty(widget, "multiselect", on);
}
