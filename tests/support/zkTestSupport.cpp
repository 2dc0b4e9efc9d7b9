#include "zkTestSupport.h"

#include <QFile>
#include <QList>
#include <QStringList>

#include <unistd.h>

zkCapturedOutput::zkCapturedOutput(FILE *stream)
    : m_stream(stream), m_fd(fileno(stream))
{
    m_file.open();
    std::fflush(m_stream);
    m_savedFd = ::dup(m_fd);
    ::dup2(m_file.handle(), m_fd);
}

zkCapturedOutput::~zkCapturedOutput()
{
    restore();
}

void zkCapturedOutput::restore()
{
    if (m_savedFd < 0)
        return;
    std::fflush(m_stream);
    ::dup2(m_savedFd, m_fd);
    ::close(m_savedFd);
    m_savedFd = -1;
}

QByteArray zkCapturedOutput::take()
{
    std::fflush(m_stream);
    QFile reader(m_file.fileName());
    if (!reader.open(QIODevice::ReadOnly))
        return QByteArray();
    reader.seek(m_readOffset);
    const QByteArray data = reader.readAll();
    m_readOffset += data.size();
    return data;
}

namespace {
QList<zkCapturedLog::Entry> g_entries;
QtMessageHandler g_previousHandler = nullptr;

void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    g_entries.append({type, message});
}
}

zkCapturedLog::zkCapturedLog()
{
    g_entries.clear();
    g_previousHandler = qInstallMessageHandler(collect);
}

zkCapturedLog::~zkCapturedLog()
{
    qInstallMessageHandler(g_previousHandler);
    g_entries.clear();
}

const QList<zkCapturedLog::Entry> &zkCapturedLog::entries() const
{
    return g_entries;
}

QStringList zkCapturedLog::messages(QtMsgType type) const
{
    QStringList result;
    for (const Entry &entry : g_entries) {
        if (entry.type == type)
            result.append(entry.message);
    }
    return result;
}
