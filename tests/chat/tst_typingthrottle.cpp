// When a chat window sends typing notices: once per composed message.

#include "chat/typingthrottle.h"
#include "lib_kelvan/clock.h"

#include <QtTest>

class tst_TypingThrottle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void notices_data();
    void notices();
    void usesInstalledClockWhenNoneGiven();
};

// Each step is one input change: the text after the change, or "send" for
// a sent message (the input empties), or "+<ms>" for time passing.
void tst_TypingThrottle::notices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("expected");

    QTest::newRow("typing-continuously-sends-one")
        << QStringList{"h", "he", "hel", "+1000", "hell", "hello"} << 1;
    QTest::newRow("typing-sending-typing-sends-two")
        << QStringList{"h", "hi", "send", "y", "yo"} << 2;
    QTest::newRow("emptying-the-input-rearms")
        << QStringList{"a", "", "b"} << 2;
    QTest::newRow("whitespace-counts-as-empty")
        << QStringList{"  ", "\t\n", " x"} << 1;
    QTest::newRow("four-seconds-later-still-one")
        << QStringList{"a", "+4000", "ab", "+60000", "abc"} << 1;
    QTest::newRow("after-the-long-interval-one-more")
        << QStringList{"a", "+4000000", "ab"} << 2;
    QTest::newRow("just-before-the-interval-none")
        << QStringList{"a", "+3999999", "ab"} << 1;
}

void tst_TypingThrottle::notices()
{
    QFETCH(QStringList, steps);
    kelvan::ManualClock clock;
    clock.advance(123456);
    TypingThrottle throttle(&clock);
    int sent = 0;
    for (const QString &step : steps) {
        if (step == QLatin1String("send"))
            throttle.reset();
        else if (step.startsWith(QLatin1Char('+')))
            clock.advance(step.mid(1).toLongLong());
        else if (throttle.onTextChanged(step))
            ++sent;
    }
    QTEST(sent, "expected");
}

void tst_TypingThrottle::usesInstalledClockWhenNoneGiven()
{
    kelvan::ManualClock clock;
    kelvan::Clock::setInstance(&clock);
    TypingThrottle throttle;
    QVERIFY(throttle.onTextChanged(QStringLiteral("a")));
    clock.advance(TypingThrottle::IntervalMs - 1);
    QVERIFY(!throttle.onTextChanged(QStringLiteral("ab")));
    clock.advance(1);
    QVERIFY(throttle.onTextChanged(QStringLiteral("abc")));
    kelvan::Clock::setInstance(nullptr);
}

QTEST_GUILESS_MAIN(tst_TypingThrottle)
#include "tst_typingthrottle.moc"
