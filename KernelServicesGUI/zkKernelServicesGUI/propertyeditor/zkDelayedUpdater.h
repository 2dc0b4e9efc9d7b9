#pragma once

#include <QObject>
#include <QTimer>

// Bits naming what is to be updated; their meaning is the user's.
using targetMask_t = quint32;

// Merges a burst of update requests, each naming its targets by bits, into one updateScheduled
// carrying the union of the bits, on the next turn of the event loop.
//
// While disabled no notification is delivered, but requested bits are kept: the next request
// after enabling again, even one with no bits, delivers them.
class zkDelayedUpdater : public QObject
{
    Q_OBJECT
public:
    zkDelayedUpdater();

    void requestUpdate(unsigned int targets);

    virtual void setEnabled(bool enabled);
    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }
    bool isEnabled() const { return m_enabled; }
    bool isUpdatePending() const { return m_timer.isActive(); }

signals:
    void updateScheduled(targetMask_t targets);

private slots:
    void scheduleUpdate();

private:
    bool m_enabled = true;
    targetMask_t m_pendingTargets = 0;
    QTimer m_timer;
};
