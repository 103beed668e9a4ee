#include "ui/chat/tabbedflashbag.h"

#include "lib_kelvan/clock.h"

#include <QMutexLocker>
#include <QThread>

TabbedFlashBag::TabbedFlashBag(std::function<int(quint64)> missedCount, QObject *parent)
    : QObject(parent)
    , m_missedCount(std::move(missedCount))
{
    m_timer.setInterval(TickMs);
    connect(&m_timer, &kelvan::ClockTimer::timeout, this, &TabbedFlashBag::onTick);
}

void TabbedFlashBag::add(quint64 peerId)
{
    if (peerId == 0)
        return;
    const int count = m_missedCount ? m_missedCount(peerId) : 0;
    QMutexLocker locker(&m_lock);
    auto it = m_blinks.find(peerId);
    if (it == m_blinks.end()) {
        m_blinks.insert(peerId, BlinkData{0, count, 0});
    } else if (it->count != count) {
        it->count = count;
        it->state = 0;
    } else {
        return;
    }
    if (m_timer.isActive() || m_startQueued)
        return;
    // The first tick lights the new dots.
    m_phase = 2;
    if (QThread::currentThread() == thread()) {
        m_timer.start();
        return;
    }
    // A timer starts on its own thread.
    m_startQueued = true;
    QMetaObject::invokeMethod(this, [this] {
        QMutexLocker again(&m_lock);
        m_startQueued = false;
        if (anyBlinking() && !m_timer.isActive())
            m_timer.start();
    }, Qt::QueuedConnection);
}

void TabbedFlashBag::stop(quint64 peerId)
{
    QMutexLocker locker(&m_lock);
    auto it = m_blinks.find(peerId);
    if (it != m_blinks.end()) {
        it->state = 2;
        it->count = 0;
    }
    // The other tabs keep blinking: a stop must not freeze one of them dark.
    if (!anyBlinking())
        m_timer.stop();
}

void TabbedFlashBag::clear()
{
    QMutexLocker locker(&m_lock);
    m_blinks.clear();
    m_phase = 0;
    m_timer.stop();
}

bool TabbedFlashBag::anyBlinking() const
{
    for (const BlinkData &data : m_blinks) {
        if (data.state != 2)
            return true;
    }
    return false;
}

void TabbedFlashBag::onTick()
{
    QList<quint64> out;
    {
        QMutexLocker locker(&m_lock);
        if (m_blinks.isEmpty()) {
            m_timer.stop();
            return;
        }
        if (--m_phase < 0)
            m_phase = 5;
        const qint64 now = kelvan::Clock::instance().tickMs();
        for (auto it = m_blinks.begin(); it != m_blinks.end(); ++it) {
            BlinkData &data = it.value();
            if (data.state == 0) {
                data.state = 1;
                data.endMs = now + BlinkMs;
                out << it.key() << quint64(data.count);
            } else if (data.state == 1 && now >= data.endMs) {
                data.state = 2;
                data.count = m_missedCount ? m_missedCount(it.key()) : data.count;
                out << it.key() << quint64(data.count);
            } else if (data.state == 1) {
                if (m_phase == 5 && m_missedCount)
                    data.count = m_missedCount(it.key());
                out << it.key() << quint64(m_phase == 0 ? 0 : data.count);
            }
        }
        if (!anyBlinking())
            m_timer.stop();
    }
    if (!out.isEmpty())
        Q_EMIT sigBlinkList(out);
}
