#include "QSourceEditor.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QSyntaxHighlighter>

namespace {
constexpr int tabWidthInSpaces = 4;

class HtmlHighlighter : public QSyntaxHighlighter
{
public:
    explicit HtmlHighlighter(QTextDocument *document) : QSyntaxHighlighter(document)
    {
        m_tagFormat.setForeground(QColor(0, 90, 180));
        m_valueFormat.setForeground(QColor(160, 60, 0));
        m_commentFormat.setForeground(Qt::darkGreen);
        m_commentFormat.setFontItalic(true);
    }

protected:
    void highlightBlock(const QString &text) override
    {
        static const QRegularExpression tag(QStringLiteral(R"(</?[A-Za-z][^>\s]*|/?>)"));
        static const QRegularExpression value(QStringLiteral(R"("[^"]*"|'[^']*')"));
        applyFormat(text, tag, m_tagFormat);
        applyFormat(text, value, m_valueFormat);
        highlightComments(text);
    }

private:
    enum BlockState { OutsideComment = 0, InsideComment = 1 };

    void applyFormat(const QString &text, const QRegularExpression &pattern,
                     const QTextCharFormat &format)
    {
        QRegularExpressionMatchIterator it = pattern.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            setFormat(match.capturedStart(), match.capturedLength(), format);
        }
    }

    // Comments may span lines, so the block state carries an open comment to the next line.
    void highlightComments(const QString &text)
    {
        const QString open = QStringLiteral("<!--");
        const QString close = QStringLiteral("-->");
        setCurrentBlockState(OutsideComment);
        int start = previousBlockState() == InsideComment ? 0 : text.indexOf(open);
        while (start >= 0) {
            const int end = text.indexOf(close, start);
            if (end < 0) {
                setFormat(start, text.length() - start, m_commentFormat);
                setCurrentBlockState(InsideComment);
                return;
            }
            setFormat(start, end + close.length() - start, m_commentFormat);
            start = text.indexOf(open, end + close.length());
        }
    }

    QTextCharFormat m_tagFormat;
    QTextCharFormat m_valueFormat;
    QTextCharFormat m_commentFormat;
};
}

QSourceEditor::QSourceEditor(QWidget *parent, int syntaxType, const QString &name)
    : QPlainTextEdit(parent), m_syntaxType(syntaxType)
{
    setObjectName(name);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(tabWidthInSpaces * fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    if (syntaxType == Html)
        new HtmlHighlighter(document());
}

void QSourceEditor::setText(const QString &text)
{
    setPlainText(text);
}

QString QSourceEditor::text() const
{
    return toPlainText();
}
