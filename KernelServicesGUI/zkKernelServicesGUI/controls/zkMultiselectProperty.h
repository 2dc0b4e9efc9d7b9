#pragma once

class QWidget;

// Carries widget's "multiselect" style property into every widget inside it, for compound
// widgets that have no propagateMultiselectProperty() of their own, so that each input shows
// the mixed-values look. Windows inside it (dialogs) are left alone.
void zkPropagateMultiselectProperty(QWidget *widget);
