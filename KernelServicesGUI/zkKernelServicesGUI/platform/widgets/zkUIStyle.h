#pragma once

class QVariant;
class QWidget;

// Dynamic style properties that the product style sheets select on, such as
// [multiselect="true"] for an input that shows mixed values of a multiple selection.
class zkUIStyle
{
public:
    zkUIStyle() = delete;

    // Sets the dynamic property and re-polishes the widget so that style sheet selectors on the
    // property take effect at once. A null widget, or one that holds the value already, is left
    // as it is.
    static void setControlProperty(QWidget *widget, const char *name, const QVariant &value);
    // Sets "multiselect".
    static void setMultiSelectHighlight(QWidget *widget, bool on);
};
