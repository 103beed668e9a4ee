#include "chat/typingthrottle.h"

#include "lib_kelvan/clock.h"

TypingThrottle::TypingThrottle(const kelvan::Clock *clock)
    : m_clock(clock)
{
}

qint64 TypingThrottle::now() const
{
    return (m_clock ? *m_clock : kelvan::Clock::instance()).tickMs();
}

bool TypingThrottle::onTextChanged(const QString &plainText)
{
    if (plainText.trimmed().isEmpty()) {
        reset();
        return false;
    }
    const qint64 current = now();
    if (current < m_deadline)
        return false;
    m_interval = IntervalMs;
    m_deadline = current + m_interval;
    return true;
}

void TypingThrottle::reset()
{
    m_interval = 0;
    m_deadline = now();
}
