#pragma once

#include <QPlainTextEdit>

// A plain-text editor for source text: fixed-pitch font, no line wrapping, and for HTML
// highlighted tags, attribute values and comments. Other syntax types are shown as plain text.
class QSourceEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    enum SyntaxType { PlainText = 0, Html = 2 };

    QSourceEditor(QWidget *parent, int syntaxType, const QString &name);

    int syntaxType() const { return m_syntaxType; }

    void setText(const QString &text);
    QString text() const;

private:
    int m_syntaxType;
};
