#include "zkDelayedUpdater.h"

#include <QMetaType>

zkDelayedUpdater::zkDelayedUpdater()
{
    // Queued connections look the signal's argument up by the alias name.
    static const int maskType = qRegisterMetaType<targetMask_t>("targetMask_t");
    Q_UNUSED(maskType);
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &zkDelayedUpdater::scheduleUpdate);
}

void zkDelayedUpdater::requestUpdate(unsigned int targets)
{
    m_pendingTargets |= targets;
    if (m_pendingTargets != 0 && m_enabled && !m_timer.isActive())
        m_timer.start(0);
}

void zkDelayedUpdater::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_timer.stop();
}

void zkDelayedUpdater::scheduleUpdate()
{
    if (!m_enabled)
        return;
    const targetMask_t targets = m_pendingTargets;
    m_pendingTargets = 0;
    emit updateScheduled(targets);
}
