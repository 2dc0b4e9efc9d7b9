#include "zkUndoString.h"

#include <QCoreApplication>

zkUndoString::zkUndoString(const char *text, const char *context)
    : m_text(QString::fromUtf8(text)), m_context(QString::fromUtf8(context))
{
}

zkUndoString::zkUndoString(const QString &text, const QString &context)
    : m_text(text), m_context(context)
{
}

QString zkUndoString::translated() const
{
    if (m_context.isEmpty())
        return m_text;
    return QCoreApplication::translate(m_context.toUtf8().constData(), m_text.toUtf8().constData());
}
