#include "lib_kelvan/clock.h"
#include "lib_kelvan/event.h"
#include "lib_kelvan/exceptions.h"
#include "lib_kelvan/log.h"
#include "lib_kelvan/logconsole.h"
#include "lib_kelvan/logfile.h"
#include "lib_kelvan/logfilebuffered.h"
#include "lib_kelvan/loggroup.h"
#include "lib_kelvan/loggroupthread.h"
#include "lib_kelvan/logsocket.h"
#include "lib_kelvan/threadmanager.h"

#include <QtTest>

#include <arpa/inet.h>
#include <cstdio>
#include <fcntl.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

using kelvan::LogLines;

namespace {

// Waits that guard against a hang only; each returns as soon as its event is set.
constexpr int kPatienceMs = 10000;

QDateTime at(int year, int month, int day, int hour, int minute, int second, int offsetSeconds)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::OffsetFromUTC, offsetSeconds);
}

// Keeps every line it is given.
class MemorySink : public kelvan::Log
{
public:
    void write(const QByteArray &line) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_lines.append(line);
    }
    void write(const LogLines &lines) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_lines += lines;
        ++m_batches;
    }
    void flush() override { ++m_flushes; }

    LogLines lines() const
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_lines;
    }
    int batches() const { return m_batches; }
    int flushes() const { return m_flushes.load(); }

private:
    mutable std::mutex m_lock;
    LogLines m_lines;
    int m_batches = 0;
    std::atomic<int> m_flushes{0};
};

enum class Failure { Kelvan, Standard, Foreign };

// Throws on every write and flush.
class ThrowingSink : public kelvan::Log
{
public:
    explicit ThrowingSink(Failure failure) : m_failure(failure) {}
    void write(const QByteArray &) override { fail(); }
    void flush() override { fail(); }

private:
    void fail()
    {
        switch (m_failure) {
        case Failure::Kelvan:
            throw kelvan::FileCantWriteException(QStringLiteral("broken"));
        case Failure::Standard:
            throw std::runtime_error("broken");
        case Failure::Foreign:
            throw 42;
        }
    }
    Failure m_failure;
};

// Holds the worker inside write() until released, so the queue can fill.
class BlockingSink : public MemorySink
{
public:
    void write(const QByteArray &line) override
    {
        entered.set();
        release.wait();
        MemorySink::write(line);
    }
    void write(const LogLines &lines) override
    {
        entered.set();
        release.wait();
        MemorySink::write(lines);
    }

    kelvan::Event entered{kelvan::Event::Reset::Manual};
    kelvan::Event release{kelvan::Event::Reset::Manual};
};

// Sends everything written to standard output into a file while alive.
class StdoutCapture
{
public:
    explicit StdoutCapture(const QString &path)
    {
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    }
    ~StdoutCapture()
    {
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
    }

private:
    int m_saved = -1;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray readSocket(int fd, int bytes)
{
    QByteArray out;
    char buffer[4096];
    while (out.size() < bytes) {
        const ssize_t got = ::read(fd, buffer, sizeof(buffer));
        if (got <= 0)
            break;
        out.append(buffer, int(got));
    }
    return out;
}

int threadsNamed(const QByteArray &name)
{
    kelvan::IThreadManager &manager = kelvan::threadManager();
    int count = 0;
    for (int i = 0; i < manager.threadCount(); ++i) {
        if (QByteArray(manager.threadNameAt(i)) == name)
            ++count;
    }
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Failure)

class TestLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    // Runs first: nothing may have configured the default logger yet.
    void defaultLoggerWritesNothing();
    void defaultLoggerWritesWhereConfigured();

    void lineFormat_data();
    void lineFormat();
    void stampFollowsClockChanges();
    void disabledSinksAndMembersWriteNothing();

    void datedFileName_data();
    void datedFileName();
    void linesAroundMidnightGoToTwoFiles_data();
    void linesAroundMidnightGoToTwoFiles();
    void fileAppendsBytesAsGivenAndReopens();
    void fileErrors_data();
    void fileErrors();

    void groupIsolatesFailingSink_data();
    void groupIsolatesFailingSink();

    void bufferedFlushWaitsForInterval();
    void threadGroupCapsItsQueue_data();
    void threadGroupCapsItsQueue();
    void threadGroupWorkerLivesWithTheGroup();

    void socketWritesDropsClosedPeersRefusesOthers();
    void socketConnectsOverTcp();

private:
    // One clock for the whole run: the default logger's worker reads the
    // installed clock until the process ends, so it must never dangle.
    kelvan::ManualClock m_clock;
    QTemporaryDir m_dir;
};

void TestLog::initTestCase()
{
    QVERIFY(m_dir.isValid());
    kelvan::Clock::setInstance(&m_clock);
}

void TestLog::cleanupTestCase()
{
    // The default logger is left switched off; its worker may still look at
    // the clock, which outlives it only if it stays installed.
    kelvan::DefaultLog::configure(false, false, QString());
    kelvan::Clock::setInstance(nullptr);
}

void TestLog::init()
{
    m_clock.setNow(at(2026, 3, 5, 12, 0, 0, 3600));
}

void TestLog::defaultLoggerWritesNothing()
{
    const QString folder = m_dir.filePath(QStringLiteral("quiet"));
    QVERIFY(QDir().mkpath(folder));
    const QString captured = m_dir.filePath(QStringLiteral("quiet-stdout.txt"));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder));
    {
        StdoutCapture capture(captured);
        kelvan::logError(QStringLiteral("an error"));
        kelvan::logWarning(QStringLiteral("a warning"));
        kelvan::defaultLog().log(QStringList{QStringLiteral("one"), QStringLiteral("two")});
        kelvan::DefaultLog::group().write(QByteArray("written past the switch\r\n"));
        kelvan::DefaultLog::group().flushNow();
    }
    QVERIFY(QDir::setCurrent(before));

    QVERIFY(!kelvan::DefaultLog::isConfigured());
    QCOMPARE(readAll(captured), QByteArray());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestLog::defaultLoggerWritesWhereConfigured()
{
    m_clock.setNow(at(2026, 3, 5, 9, 8, 7, 7200));
    const QString base = m_dir.filePath(QStringLiteral("default/chat.log"));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("default"))));
    const QString dated = m_dir.filePath(QStringLiteral("default/chat_260305.log"));
    const QString captured = m_dir.filePath(QStringLiteral("default-stdout.txt"));

    kelvan::DefaultLog::configure(false, true, base);
    QVERIFY(kelvan::DefaultLog::isConfigured());
    QVERIFY(kelvan::DefaultLog::group().isEnabled());
    kelvan::logError(QStringLiteral("disk"));
    kelvan::logWarning(QStringLiteral("low"));
    kelvan::DefaultLog::group().flushNow();
    QCOMPARE(readAll(dated), QByteArray("March 05, 2026 09:08:07 GMT+02 ERROR> disk\r\n"
                                       "March 05, 2026 09:08:07 GMT+02 WARNING> low\r\n"));

    {
        StdoutCapture capture(captured);
        kelvan::DefaultLog::configure(true, false, base);
        kelvan::defaultLog().log(QStringLiteral("Warning> Chat::sendInstantMessage() : No such user: bob"));
        kelvan::DefaultLog::group().flushNow();
    }
    QCOMPARE(readAll(captured),
             QByteArray("March 05, 2026 09:08:07 GMT+02 Warning> Chat::sendInstantMessage() : No such user: bob\r\n"));
    QCOMPARE(readAll(dated).count('\n'), 2);

    kelvan::DefaultLog::configure(false, false, QString());
    QVERIFY(!kelvan::DefaultLog::group().isEnabled());
    kelvan::logError(QStringLiteral("after"));
    kelvan::DefaultLog::group().flushNow();
    QCOMPARE(readAll(dated).count('\n'), 2);
}

void TestLog::lineFormat_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("timestamps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("UTC+2 reads GMT+02") << at(2026, 3, 5, 14, 30, 15, 7200) << true << QStringLiteral("x")
                                        << QByteArray("March 05, 2026 14:30:15 GMT+02 x\r\n");
    QTest::newRow("UTC-5 reads GMT-05") << at(2026, 12, 24, 7, 5, 9, -5 * 3600) << true << QStringLiteral("x")
                                        << QByteArray("December 24, 2026 07:05:09 GMT-05 x\r\n");
    QTest::newRow("half hours are truncated") << at(2026, 9, 30, 23, 59, 59, 5 * 3600 + 1800) << true
                                              << QStringLiteral("x")
                                              << QByteArray("September 30, 2026 23:59:59 GMT+05 x\r\n");
    QTest::newRow("west of UTC by under an hour keeps the minus")
        << at(2026, 5, 1, 8, 0, 0, -1800) << true << QStringLiteral("x")
        << QByteArray("May 01, 2026 08:00:00 GMT-00 x\r\n");
    QTest::newRow("timestamps off: text alone") << at(2026, 3, 5, 14, 30, 15, 7200) << false
                                                << QStringLiteral("plain") << QByteArray("plain\r\n");
    QTest::newRow("empty text keeps the separator") << at(2026, 3, 5, 14, 30, 15, 7200) << true << QString()
                                                    << QByteArray("March 05, 2026 14:30:15 GMT+02 \r\n");
    QTest::newRow("non-ASCII text is UTF-8")
        << at(2026, 3, 5, 14, 30, 15, 7200) << false << QString::fromUtf8("Grüße 😀")
        << QByteArray("Gr\xc3\xbc\xc3\x9f" "e \xf0\x9f\x98\x80\r\n");
}

void TestLog::lineFormat()
{
    QFETCH(QDateTime, now);
    QFETCH(bool, timestamps);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);

    m_clock.setNow(now);
    MemorySink sink;
    sink.setTimestamps(timestamps);
    sink.log(text);
    QCOMPARE(sink.lines(), LogLines{expected});

    // The threaded group builds its lines on a path of its own.
    MemorySink member;
    kelvan::LogGroupThread group;
    group.setTimestamps(timestamps);
    group.addSink(&member);
    group.log(text);
    group.drain();
    QCOMPARE(member.lines(), LogLines{expected});
}

void TestLog::stampFollowsClockChanges()
{
    MemorySink sink;
    const QDateTime instant = at(2026, 3, 5, 14, 30, 15, 7200);
    m_clock.setNow(instant);
    sink.log(QStringLiteral("a"));
    // The same instant seen from another time zone.
    m_clock.setNow(instant.toOffsetFromUtc(-5 * 3600));
    sink.log(QStringLiteral("b"));
    m_clock.advance(999);
    sink.log(QStringLiteral("c"));
    m_clock.advance(1);
    sink.log(QStringLiteral("d"));

    kelvan::ManualClock other(at(2030, 7, 4, 1, 2, 3, 0));
    kelvan::Clock::setInstance(&other);
    sink.log(QStringLiteral("e"));
    kelvan::Clock::setInstance(&m_clock);

    QCOMPARE(sink.lines(), (LogLines{"March 05, 2026 14:30:15 GMT+02 a\r\n", "March 05, 2026 07:30:15 GMT-05 b\r\n",
                                     "March 05, 2026 07:30:15 GMT-05 c\r\n", "March 05, 2026 07:30:16 GMT-05 d\r\n",
                                     "July 04, 2030 01:02:03 GMT+00 e\r\n"}));
}

void TestLog::disabledSinksAndMembersWriteNothing()
{
    MemorySink sink;
    sink.setTimestamps(false);
    sink.setEnabled(false);
    sink.log(QStringLiteral("hidden"));
    sink.log(QStringList{QStringLiteral("hidden too")});
    QVERIFY(sink.lines().isEmpty());
    sink.setEnabled(true);
    sink.log(QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    QCOMPARE(sink.batches(), 1);
    QCOMPARE(sink.lines(), (LogLines{"one\r\n", "two\r\n", "three\r\n"}));

    // A group passes nothing to a disabled member.
    MemorySink off;
    MemorySink on;
    off.setEnabled(false);
    kelvan::LogGroup group;
    group.addSink(&off);
    group.addSink(&on);
    group.addSink(&group); // a group never joins itself
    group.log(QStringLiteral("x"));
    QCOMPARE(group.sinkCount(), 2);
    QVERIFY(off.lines().isEmpty());
    QCOMPARE(on.lines().size(), 1);
    group.removeSink(&on);
    group.log(QStringLiteral("y"));
    QCOMPARE(on.lines().size(), 1);
}

void TestLog::datedFileName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("extension kept after the date") << "chat.log" << QDate(2026, 3, 5) << "chat_260305.log";
    QTest::newRow("no dot: no extension") << "chat" << QDate(2026, 3, 5) << "chat_260305";
    QTest::newRow("last dot splits") << "chat.old.txt" << QDate(2009, 11, 30) << "chat.old_091130.txt";
    QTest::newRow("year 2000 gives 00") << "a.log" << QDate(2000, 1, 1) << "a_000101.log";
    QTest::newRow("folder in front is kept") << "/var/log/chat.log" << QDate(2026, 12, 31)
                                             << "/var/log/chat_261231.log";
    QTest::newRow("dot in a folder name is no extension") << "/tmp/logs.d/chat" << QDate(2026, 3, 5)
                                                          << "/tmp/logs.d/chat_260305";
}

void TestLog::datedFileName()
{
    QFETCH(QString, fileName);
    QFETCH(QDate, date);
    QTEST(kelvan::LogFile::datedFileName(fileName, date), "expected");
}

void TestLog::linesAroundMidnightGoToTwoFiles_data()
{
    QTest::addColumn<bool>("buffered");
    QTest::newRow("file") << false;
    QTest::newRow("buffered file") << true;
}

void TestLog::linesAroundMidnightGoToTwoFiles()
{
    QFETCH(bool, buffered);
    const QString folder = m_dir.filePath(buffered ? QStringLiteral("midnight-buffered") : QStringLiteral("midnight"));
    QVERIFY(QDir().mkpath(folder));
    m_clock.setNow(at(2026, 3, 5, 23, 59, 59, 3600));

    std::unique_ptr<kelvan::LogFile> file;
    if (buffered)
        file = std::make_unique<kelvan::LogFileBuffered>(folder + QStringLiteral("/chat.log"), true);
    else
        file = std::make_unique<kelvan::LogFile>(folder + QStringLiteral("/chat.log"), true);
    // The dated name is there at once, before the first line.
    QVERIFY(file->isDaily());
    QCOMPARE(file->currentFileName(), folder + QStringLiteral("/chat_260305.log"));
    file->log(QStringLiteral("before"));
    file->flush();
    m_clock.advance(2000);
    file->log(QStringLiteral("after"));
    file->flush();

    QCOMPARE(readAll(folder + QStringLiteral("/chat_260305.log")),
             QByteArray("March 05, 2026 23:59:59 GMT+01 before\r\n"));
    QCOMPARE(readAll(folder + QStringLiteral("/chat_260306.log")),
             QByteArray("March 06, 2026 00:00:01 GMT+01 after\r\n"));
    QCOMPARE(file->currentFileName(), folder + QStringLiteral("/chat_260306.log"));
    file->setFileName(folder + QStringLiteral("/chat.log"), false);
    QCOMPARE(file->currentFileName(), folder + QStringLiteral("/chat.log"));
}

void TestLog::fileAppendsBytesAsGivenAndReopens()
{
    const QString path = m_dir.filePath(QStringLiteral("append.log"));
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("kept\n");
    }
    kelvan::LogFile file(path);
    file.setTimestamps(false);
    file.log(QStringLiteral("one"));
    file.write(QByteArray("raw\rbytes\n"));
    file.log(QStringList{QStringLiteral("two"), QStringLiteral("three")});
    QCOMPARE(readAll(path), QByteArray("kept\none\r\nraw\rbytes\ntwo\r\nthree\r\n"));

    // Disabling closes the file: had the old descriptor stayed open, the
    // next line would have gone to the removed file.
    file.setEnabled(false);
    QVERIFY(QFile::remove(path));
    file.setEnabled(true);
    file.log(QStringLiteral("second"));
    QCOMPARE(readAll(path), QByteArray("second\r\n"));
}

void TestLog::fileErrors_data()
{
    QTest::addColumn<bool>("buffered");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expectedKind");

    QTest::newRow("full device: write fails") << false << "/dev/full" << "FileCantWriteException";
    QTest::newRow("full device: buffered flush fails") << true << "/dev/full" << "FileCantWriteException";
    QTest::newRow("file where a folder should be: open fails") << false << "blocker/chat.log"
                                                                << "FileCantOpenException";
    QTest::newRow("file where a folder should be: buffered open fails") << true << "blocker/chat.log"
                                                                         << "FileCantOpenException";
}

void TestLog::fileErrors()
{
    QFETCH(bool, buffered);
    QFETCH(QString, target);

    if (target.startsWith(QLatin1String("blocker"))) {
        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        target = m_dir.filePath(target);
    }
    std::unique_ptr<kelvan::LogFile> file;
    if (buffered)
        file = std::make_unique<kelvan::LogFileBuffered>(target);
    else
        file = std::make_unique<kelvan::LogFile>(target);

    QString kind;
    try {
        file->log(QStringLiteral("x"));
        file->flush();
    } catch (const kelvan::FileException &error) {
        kind = QString::fromLatin1(error.kind());
        QVERIFY(error.message().contains(target));
    }
    QTEST(kind, "expectedKind");
    if (buffered)
        QCOMPARE(static_cast<kelvan::LogFileBuffered *>(file.get())->bufferedBytes(), qint64(0));
}

void TestLog::groupIsolatesFailingSink_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<bool>("threaded");
    QTest::newRow("support library exception") << Failure::Kelvan << false;
    QTest::newRow("standard exception") << Failure::Standard << false;
    QTest::newRow("anything else thrown") << Failure::Foreign << false;
    QTest::newRow("threaded group, support library exception") << Failure::Kelvan << true;
    QTest::newRow("threaded group, anything else thrown") << Failure::Foreign << true;
}

void TestLog::groupIsolatesFailingSink()
{
    QFETCH(Failure, failure);
    QFETCH(bool, threaded);
    ThrowingSink broken(failure);
    MemorySink after;
    after.setTimestamps(false);
    std::unique_ptr<kelvan::LogGroup> group;
    if (threaded)
        group = std::make_unique<kelvan::LogGroupThread>();
    else
        group = std::make_unique<kelvan::LogGroup>();
    group->setTimestamps(false);
    group->addSink(&broken);
    group->addSink(&after);

    group->log(QStringLiteral("single"));
    group->log(QStringList{QStringLiteral("batch")});
    group->write(QByteArray("direct\r\n"));
    if (threaded)
        static_cast<kelvan::LogGroupThread *>(group.get())->flushNow();
    else
        group->flush();
    QCOMPARE(after.lines(), (LogLines{"single\r\n", "batch\r\n", "direct\r\n"}));
    QCOMPARE(after.flushes(), 1);
}

void TestLog::bufferedFlushWaitsForInterval()
{
    const QString path = m_dir.filePath(QStringLiteral("interval.log"));
    kelvan::LogFileBuffered file(path);
    file.setTimestamps(false);
    kelvan::LogGroupThread group;
    group.setTimestamps(false);
    group.addSink(&file);

    group.log(QStringLiteral("a"));
    group.drain();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(file.bufferedBytes(), qint64(3));

    m_clock.advance(kelvan::LogGroupThread::FlushIntervalMs - 1);
    group.log(QStringLiteral("b"));
    group.drain();
    QVERIFY(!QFile::exists(path));

    m_clock.advance(1);
    group.drain();
    QCOMPARE(readAll(path), QByteArray("a\r\nb\r\n"));
    QCOMPARE(file.bufferedBytes(), qint64(0));

    // The interval starts over with the flush.
    group.log(QStringLiteral("c"));
    m_clock.advance(kelvan::LogGroupThread::FlushIntervalMs - 1);
    group.drain();
    QCOMPARE(readAll(path), QByteArray("a\r\nb\r\n"));
    group.flushNow();
    QCOMPARE(readAll(path), QByteArray("a\r\nb\r\nc\r\n"));
}

void TestLog::threadGroupCapsItsQueue_data()
{
    QTest::addColumn<bool>("asBatch");
    QTest::newRow("lines one by one") << false;
    QTest::newRow("lines in one batch") << true;
}

void TestLog::threadGroupCapsItsQueue()
{
    QFETCH(bool, asBatch);
    constexpr int extra = 250;
    BlockingSink sink;
    kelvan::LogGroupThread group;
    group.setTimestamps(false);
    group.addSink(&sink);

    group.log(QStringLiteral("first"));
    QVERIFY(sink.entered.wait(kPatienceMs)); // the worker is stuck in the sink

    QStringList texts;
    for (int i = 0; i < kelvan::LogGroupThread::MaxQueuedLines + extra; ++i)
        texts.append(QString::number(i));
    if (asBatch) {
        group.log(texts);
    } else {
        for (const QString &text : qAsConst(texts))
            group.log(text);
    }
    QCOMPARE(group.queuedLines(), kelvan::LogGroupThread::MaxQueuedLines);
    QCOMPARE(group.droppedLines(), quint64(extra));

    sink.release.set();
    group.flushNow();
    const LogLines lines = sink.lines();
    QCOMPARE(lines.size(), 1 + kelvan::LogGroupThread::MaxQueuedLines);
    QCOMPARE(lines.first(), QByteArray("first\r\n"));
    QCOMPARE(lines.at(1), QByteArray("0\r\n"));
    QCOMPARE(lines.last(), QByteArray::number(kelvan::LogGroupThread::MaxQueuedLines - 1) + "\r\n");
    QCOMPARE(group.queuedLines(), 0);
}

void TestLog::threadGroupWorkerLivesWithTheGroup()
{
    // The default logger's worker may be registered under the same name.
    const int before = threadsNamed("LogGroupThread");
    MemorySink sink;
    MemorySink neverStarted;
    {
        kelvan::LogGroupThread idle;
        idle.addSink(&neverStarted);
        kelvan::LogGroupThread group;
        group.addSink(&sink);
        QVERIFY(!group.isWorkerRunning());
        group.log(QStringLiteral("start"));
        QVERIFY(group.isWorkerRunning());
        // Nobody wakes the worker for a single line; its round picks it up.
        QTRY_COMPARE(sink.lines().size(), 1);
        QCOMPARE(threadsNamed("LogGroupThread"), before + 1);
        for (int i = 0; i < 99; ++i)
            group.log(QString::number(i));
    }
    // Destroying the group wrote out everything still queued.
    QCOMPARE(sink.lines().size(), 100);
    QVERIFY(sink.flushes() >= 1);
    QVERIFY(neverStarted.lines().isEmpty());
    QCOMPARE(threadsNamed("LogGroupThread"), before);
}

void TestLog::socketWritesDropsClosedPeersRefusesOthers()
{
    int gone[2];
    int alive[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, gone), 0);
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, alive), 0);
    kelvan::LogSocket sink;
    sink.setTimestamps(false);
    sink.addSocket(gone[0]);
    sink.addSocket(alive[0]);
    sink.log(QStringLiteral("hello"));
    ::close(gone[1]);
    sink.log(QStringList{QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(sink.socketCount(), 1);
    const QByteArray expected("hello\r\na\r\nb\r\n");
    QCOMPARE(readSocket(alive[1], expected.size()), expected);
    // The removed socket's descriptor was closed by the sink.
    QCOMPARE(::fcntl(gone[0], F_GETFD), -1);
    ::close(alive[1]);

    // What is no socket is refused.
    int pipeFds[2];
    QCOMPARE(::pipe(pipeFds), 0);
    QVERIFY_EXCEPTION_THROWN(sink.addSocket(pipeFds[1]), kelvan::SocketException);
    QVERIFY_EXCEPTION_THROWN(sink.addSocket(-1), kelvan::SocketException);
    QCOMPARE(sink.socketCount(), 1);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

void TestLog::socketConnectsOverTcp()
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    QVERIFY(listener >= 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QCOMPARE(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    QCOMPARE(::listen(listener, 1), 0);
    socklen_t length = sizeof(address);
    QCOMPARE(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length), 0);
    const quint16 port = ntohs(address.sin_port);

    kelvan::LogSocket sink;
    sink.setTimestamps(false);
    sink.connectTo(QStringLiteral("127.0.0.1"), port);
    const int peer = ::accept(listener, nullptr, nullptr);
    QVERIFY(peer >= 0);
    sink.log(QStringLiteral("over tcp"));
    QCOMPARE(readSocket(peer, 10), QByteArray("over tcp\r\n"));
    ::close(peer);
    ::close(listener);

    // Nobody listens there any more.
    QVERIFY_EXCEPTION_THROWN(sink.connectTo(QStringLiteral("127.0.0.1"), port), kelvan::ConnectionException);
}

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
