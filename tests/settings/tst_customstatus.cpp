// The custom-status record the host reads through its slot table.

#include "plugin/records/customstatus.h"

#include <QtTest>

class TestCustomStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newRecord();
    void textInBothEncodings();
    void copiesFromHostRecord();
    void copiesAreIndependent();
};

void TestCustomStatus::newRecord()
{
    const CustomStatus status;
    const ICustomStatus &host = status;
    QCOMPARE(host.statusCode(), -1);
    QVERIFY(host.text() != nullptr); // the host reads it as a C string
    QCOMPARE(QByteArray(host.text()), QByteArray());
    QVERIFY(status.isNull());
}

void TestCustomStatus::textInBothEncodings()
{
    CustomStatus status(3, QString::fromUtf8("Im B\xc3\xbcro"));
    const ICustomStatus &host = status;
    QCOMPARE(QByteArray(host.text()), QByteArray("Im B\xc3\xbcro"));
    QCOMPARE(status.displayText(), QString::fromUtf8("Im B\xc3\xbcro"));
    status.setTextUtf8("\xe2\x98\x95 break");
    QCOMPARE(status.displayText(), QString::fromUtf8("\xe2\x98\x95 break"));
    QCOMPARE(QByteArray(host.text()), QByteArray("\xe2\x98\x95 break"));
}

void TestCustomStatus::copiesFromHostRecord()
{
    CustomStatus source(7, QStringLiteral("Gym"));
    source.setReplyText(QStringLiteral("not copied"));
    source.setActive(true);
    const CustomStatus copy(static_cast<const ICustomStatus &>(source));
    QCOMPARE(copy.statusCode(), 7);
    QCOMPARE(copy.displayText(), QStringLiteral("Gym"));
    QCOMPARE(copy.replyText(), QString());
    QCOMPARE(copy.isActive(), false);
}

void TestCustomStatus::copiesAreIndependent()
{
    CustomStatus a(1, QStringLiteral("a"));
    a.setReplyText(QStringLiteral("r"));
    CustomStatus b = a;
    QVERIFY(a == b);
    b.setText(QStringLiteral("b"));
    QCOMPARE(QByteArray(a.text()), QByteArray("a"));
    QVERIFY(a != b);
}

QTEST_GUILESS_MAIN(TestCustomStatus)
#include "tst_customstatus.moc"
