#pragma once

class QPoint;
class QStyleOptionSpinBox;
class QWidget;

// The step that a click at pos on a spin box's arrow buttons makes: 1 for the up arrow, -1 for
// the down arrow, 0 elsewhere or when that direction is disabled.
int zkSpinBoxArrowStep(const QStyleOptionSpinBox &option, const QPoint &pos, const QWidget *spinBox);
