#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers the modal dialogs a test opens as a user would, without blocking it, for its lifetime:
// a file dialog takes the answer as its file (or is cancelled when the answer is empty); a
// message box clicks the button whose text is the answer, else closes with Ok.
class zkDialogAnswerer : public QObject
{
public:
    explicit zkDialogAnswerer(const QString &answer = QString());

    // What the dialogs showed, in order.
    QStringList titles;
    QStringList messages;
    QStringList directories;

private:
    void answer();

    QString m_answer;
    QTimer m_timer;
};
