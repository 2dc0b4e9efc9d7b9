#include "QZKNumberField.h"

#include "zkRelativeEntry.h"

#include <QKeyEvent>

#include <cmath>

QZKNumberField::QZKNumberField(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::editingFinished, this, &QZKNumberField::commit);
    restore();
}

void QZKNumberField::setDecimals(int decimals)
{
    m_decimals = qMax(0, decimals);
    restore();
}

void QZKNumberField::setSuffix(const QString &suffix)
{
    m_suffix = suffix;
    restore();
}

void QZKNumberField::showValue(double value)
{
    m_value = value;
    restore();
}

void QZKNumberField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: emit stepRequested(1); return;
    case Qt::Key_Down: emit stepRequested(-1); return;
    case Qt::Key_PageUp: emit stepRequested(10); return;
    case Qt::Key_PageDown: emit stepRequested(-10); return;
    case Qt::Key_Escape:
        if (isModified()) {
            restore();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void QZKNumberField::commit()
{
    // editingFinished also comes on focus loss; only text the user changed is an entry.
    if (!isModified())
        return;
    const QString entered = text();
    restore();

    if (const zkRelativeEntry entry = zkRelativeEntry::parse(entered, m_suffix); entry.isValid()) {
        if (m_mode == RelativeOperatorHandlingReport)
            emit relativeEntered(entry.op(), entry.operand());
        else
            emit valueEntered(entry.appliedTo(m_value));
        return;
    }
    bool ok = false;
    const double value = zkParseNumberEntry(entered, m_suffix, &ok);
    if (ok)
        emit valueEntered(value);
}

void QZKNumberField::restore()
{
    // A value that rounds to zero is shown as "0.00", not "-0.00".
    const double shown = std::abs(m_value) < 0.5 * std::pow(10.0, -m_decimals) ? 0.0 : m_value;
    // The same text would still be laid out and repainted.
    const QString text = QString::number(shown, 'f', m_decimals) + m_suffix;
    if (text != this->text())
        setText(text);
    setModified(false);
}
