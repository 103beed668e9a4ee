// A message the history shows cut short opens its whole text from its link,
// and only a message of the window's own conversation does.

#include "windowfixture.h"

#include "render/markupconverter.h"
#include "ui/chat/fulltextviewer.h"
#include "ui/chat/textbrowser.h"

#include <QTextBlock>
#include <QtTest>

namespace {

// The first anchor target of the history that asks for a whole text.
QString fullTextLink(ChatWindow *window)
{
    const QTextDocument *document = window->historyView()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (href.startsWith(QLatin1String("fulltext:")))
                return href;
        }
    }
    return QString();
}

QList<FullTextViewer *> viewers()
{
    QList<FullTextViewer *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<FullTextViewer *>(widget); viewer && viewer->isVisible())
            found.append(viewer);
    }
    return found;
}

} // namespace

class tst_FullTextViewer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void paragraphs_data();
    void paragraphs();
    void cutMessageOpensItsWholeText();
    void linkToAnotherMessage_data();
    void linkToAnotherMessage();

private:
    std::unique_ptr<WindowFixture> m_f;
};

void tst_FullTextViewer::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_f = std::make_unique<WindowFixture>();
    QVERIFY2(m_f->host->isReady(), qPrintable(m_f->host->error()));
}

void tst_FullTextViewer::cleanup()
{
    qDeleteAll(viewers());
    m_f->reset();
}

void tst_FullTextViewer::cleanupTestCase()
{
    m_f.reset();
}

void tst_FullTextViewer::paragraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QChar line(QChar::LineSeparator);
    const auto times = [](const QString &piece, int count) { return piece.repeated(count); };
    QTest::newRow("short lines gather in one paragraph") << "a\nb\n\nc" << QString("a%1b%1%1c").arg(line);
    QTest::newRow("a word longer than a paragraph is split")
        << times("x", 2500) << times("x", 1000) + "\n" + times("x", 1000) + "\n" + times("x", 500);
    QTest::newRow("a long line breaks after a space")
        << times("word ", 300) << times("word ", 200) + "\n" + times("word ", 100);
    QTest::newRow("a line that no longer fits starts a paragraph")
        << times("y", 600) + "\n" + times("z", 600) << times("y", 600) + "\n" + times("z", 600);
    QTest::newRow("no surrogate pair is split")
        << times("a", 999) + QString::fromUtf8("\xF0\x9F\x98\x80") + "b"
        << times("a", 999) + "\n" + QString::fromUtf8("\xF0\x9F\x98\x80") + "b";
}

void tst_FullTextViewer::paragraphs()
{
    QFETCH(QString, text);
    QTEST(FullTextViewer::paragraphs(text), "expected");
}

void tst_FullTextViewer::cutMessageOpensItsWholeText()
{
    ChatWindow *window = m_f->open("1001");
    QVERIFY(window);
    const QByteArray body = QByteArray("[b]word[/b] ").repeated(3000) + "the end";
    const qint64 id = m_f->receive("1001", body);
    const QString link = fullTextLink(window);
    QCOMPARE(link, QStringLiteral("fulltext:%1").arg(id));
    Q_EMIT window->historyView()->anchorClicked(QUrl(link));
    const QList<FullTextViewer *> open = viewers();
    QCOMPARE(open.size(), 1);
    // The one long line shows in pieces, broken after spaces.
    QCOMPARE(open.first()->text().remove(QLatin1Char('\n')),
             QStringLiteral("word ").repeated(3000) + QStringLiteral("the end"));
}

void tst_FullTextViewer::linkToAnotherMessage_data()
{
    QTest::addColumn<QByteArray>("conversation"); // where the message is stored; none when empty
    QTest::newRow("message of another conversation") << QByteArray("1002");
    QTest::newRow("no such message") << QByteArray();
}

void tst_FullTextViewer::linkToAnotherMessage()
{
    // A peer can write a file link with any target.
    QFETCH(QByteArray, conversation);
    ChatWindow *window = m_f->open("1001");
    QVERIFY(window);
    const qint64 id = conversation.isEmpty() ? 987654321 : m_f->store(conversation, "private", m_f->clock.now());
    Q_EMIT window->historyView()->anchorClicked(QUrl(QStringLiteral("fulltext:%1").arg(id)));
    QVERIFY(viewers().isEmpty());
}

QTEST_MAIN(tst_FullTextViewer)
#include "tst_fulltextviewer.moc"
