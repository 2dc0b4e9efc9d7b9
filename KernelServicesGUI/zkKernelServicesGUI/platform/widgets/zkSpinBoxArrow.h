#pragma once

class QAbstractSpinBox;
class QMouseEvent;
class QStyleOptionSpinBox;

// Steps spinBox once when event is a left press on one of its enabled arrow buttons, and accepts
// the event so that the base class does not start its repeat timer. option is the spin box's own
// style option (initStyleOption is protected). True when it stepped.
bool zkStepOnceOnArrowPress(QAbstractSpinBox *spinBox, const QStyleOptionSpinBox &option, QMouseEvent *event);
