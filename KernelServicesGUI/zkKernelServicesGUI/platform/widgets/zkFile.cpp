#include "zkFile.h"

#include <QRegularExpression>
#include <QString>

QString zkFile::expandFilename(const QString &fileName)
{
    if (!fileName.contains(QLatin1Char('$')))
        return fileName;

    static const QRegularExpression variable(
            QStringLiteral(R"(\$(?:\(([A-Za-z_][A-Za-z0-9_]*)\)|\{([A-Za-z_][A-Za-z0-9_]*)\}))"));

    QString result;
    int copiedUpTo = 0;
    QRegularExpressionMatchIterator it = variable.globalMatch(fileName);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        const QByteArray key = name.toLocal8Bit();
        if (!qEnvironmentVariableIsSet(key.constData()))
            continue;
        result += fileName.midRef(copiedUpTo, match.capturedStart() - copiedUpTo);
        result += qEnvironmentVariable(key.constData());
        copiedUpTo = match.capturedEnd();
    }
    if (copiedUpTo == 0)
        return fileName;
    result += fileName.midRef(copiedUpTo);
    return result;
}
