#pragma once

#include <QString>
#include <QtGlobal>

namespace kelvan {
class Clock;
}

// Decides when a chat window sends a typing notice (WRITING). One notice
// goes out at the first change after the input was empty; the next only
// after the input was emptied again (the message was sent or cleared) or
// after the long interval.
class TypingThrottle
{
public:
    // 4,000,000 ms (about 66.7 minutes, not 4 seconds): one notice per
    // composed message, not a heartbeat while typing.
    static constexpr qint64 IntervalMs = 4000000;

    // `clock` is not owned; null reads kelvan::Clock::instance() at each call.
    explicit TypingThrottle(const kelvan::Clock *clock = nullptr);

    // Call on every change of the input with its plain text. True when a
    // typing notice must be sent now; the throttle is then armed.
    bool onTextChanged(const QString &plainText);
    // The input was emptied (message sent, editor cleared): the next change
    // with text sends again.
    void reset();

    qint64 interval() const { return m_interval; }
    qint64 deadline() const { return m_deadline; }

private:
    qint64 now() const;

    const kelvan::Clock *m_clock = nullptr; // not owned
    qint64 m_interval = 0;
    qint64 m_deadline = 0;
};
