#pragma once

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdio>

// Captures what the process writes to one standard stream (stdout or stderr) for its lifetime,
// at the file-descriptor level, so that messages written with printf, fprintf or std::cerr are
// seen byte for byte. Qt's own log handler is not involved.
class zkCapturedOutput
{
public:
    explicit zkCapturedOutput(FILE *stream);
    ~zkCapturedOutput();

    zkCapturedOutput(const zkCapturedOutput &) = delete;
    zkCapturedOutput &operator=(const zkCapturedOutput &) = delete;

    // Everything written since construction (or the last take()), and clears it.
    QByteArray take();

private:
    void restore();

    FILE *m_stream;
    int m_fd;
    int m_savedFd = -1;
    QTemporaryFile m_file;
    qint64 m_readOffset = 0;
};

// Collects Qt log messages (qWarning, qCritical ...) for its lifetime.
class zkCapturedLog
{
public:
    zkCapturedLog();
    ~zkCapturedLog();

    zkCapturedLog(const zkCapturedLog &) = delete;
    zkCapturedLog &operator=(const zkCapturedLog &) = delete;

    struct Entry
    {
        QtMsgType type;
        QString message;
    };
    const QList<Entry> &entries() const;
    QStringList messages(QtMsgType type) const;
};
