#include "QZKIntVectorSpinBox.h"

#include <QKeyEvent>

QZKIntVectorSpinBox::QZKIntVectorSpinBox(QWidget *parent)
    : QZKSpiner(parent)
{
    // Typing "150" must not report 1 and 15 on the way.
    setKeyboardTracking(false);
}

void QZKIntVectorSpinBox::keyPressEvent(QKeyEvent *event)
{
    if (!isReadOnly() && (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)) {
        setValue(value() + (event->key() == Qt::Key_PageUp ? m_pageStep : -m_pageStep));
        selectAll();
        event->accept();
        return;
    }
    QZKSpiner::keyPressEvent(event);
}
