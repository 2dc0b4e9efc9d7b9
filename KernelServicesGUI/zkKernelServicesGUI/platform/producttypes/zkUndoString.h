#pragma once

#include <QString>

// The name of an undo step: a source text and the translation context it belongs to.
class zkUndoString
{
public:
    zkUndoString() = default;
    zkUndoString(const char *text, const char *context);
    zkUndoString(const QString &text, const QString &context = QString());

    const QString &text() const { return m_text; }
    const QString &context() const { return m_context; }
    bool isEmpty() const { return m_text.isEmpty(); }

    // The text translated in its context.
    QString translated() const;

private:
    QString m_text;
    QString m_context;
};
