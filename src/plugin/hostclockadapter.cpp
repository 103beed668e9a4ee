#include "plugin/hostclockadapter.h"

#include "plugin/pluginlogging.h"

#include <sdk/ihostservices.h>

HostClockAdapter &HostClockAdapter::adapter()
{
    // Never destroyed, see m_clock.
    static auto *instance = new HostClockAdapter;
    return *instance;
}

void HostClockAdapter::install(IHostServices *host)
{
    IHostClock *clock = host ? host->hostClock() : nullptr;
    HostClockAdapter &self = adapter();
    if (!clock || (kelvan::Clock::installed() && kelvan::Clock::installed() != &self))
        return;
    if (kelvan::Clock::installed() == &self)
        uninstall();
    self.m_clock.store(clock);
    clock->registerListener(&self);
    kelvan::Clock::setInstance(&self);
    qCInfo(lcPlugin) << "running on the host's clock";
}

void HostClockAdapter::uninstall()
{
    HostClockAdapter &self = adapter();
    if (kelvan::Clock::installed() != &self)
        return;
    kelvan::Clock::setInstance(nullptr);
    self.m_clock.load()->unregisterListener(&self);
}

QDateTime HostClockAdapter::now() const
{
    const Instant at = instant();
    return QDateTime::fromMSecsSinceEpoch(at.epochMs, Qt::OffsetFromUTC, at.offsetSeconds);
}

qint64 HostClockAdapter::tickMs() const
{
    return m_clock.load()->tickMs();
}

kelvan::Clock::Instant HostClockAdapter::instant() const
{
    IHostClock *clock = m_clock.load();
    return {clock->epochMs(), clock->utcOffsetSeconds()};
}

void HostClockAdapter::onHostClockMoved()
{
    kelvan::Clock::announceMoved();
}

std::int64_t HostClockAdapter::nextDueTickMs(std::int64_t afterTickMs)
{
    return kelvan::Clock::nextDueTickMs(afterTickMs);
}
