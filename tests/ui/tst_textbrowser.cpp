// The history view on its own: a view at its bottom stays there as content
// grows, a view scrolled up keeps its place, a page put in front keeps what
// the user reads where it was, and resources come only from the window.

#include "ui/chat/textbrowser.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

namespace {

QString paragraphs(const QString &prefix, int count)
{
    QString html;
    for (int i = 0; i < count; ++i)
        html += QStringLiteral("<p>%1 %2</p>").arg(prefix).arg(i);
    return html;
}

} // namespace

class tst_TextBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void linksAreNotFollowed();
    void scrollRule_data();
    void scrollRule();
    void prependKeepsTheReadingPosition();
    void scrollingToTheTopAsksForMore();
    void resourcesComeFromTheResolverOnly();
    void replacingKeepsTheReadingPosition_data();
    void replacingKeepsTheReadingPosition();
    void copyingLeavesBreakOpportunitiesOut();

private:
    std::unique_ptr<TextBrowser> m_view;
};

void tst_TextBrowser::init()
{
    m_view = std::make_unique<TextBrowser>();
    m_view->resize(300, 200);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void tst_TextBrowser::cleanup()
{
    m_view.reset();
}

void tst_TextBrowser::linksAreNotFollowed()
{
    QVERIFY(!m_view->openLinks());
    QVERIFY(!m_view->openExternalLinks());
}

void tst_TextBrowser::scrollRule_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("followsNewContent");
    QTest::newRow("at the bottom stays at the bottom") << "bottom" << true;
    QTest::newRow("scrolled up keeps its place") << "middle" << false;
    QTest::newRow("at the top keeps its place") << "top" << false;
}

void tst_TextBrowser::scrollRule()
{
    QFETCH(QString, where);
    QFETCH(bool, followsNewContent);
    QScrollBar *bar = m_view->verticalScrollBar();
    m_view->setHtml(paragraphs(QStringLiteral("old"), 60));
    QTRY_VERIFY(bar->maximum() > 0);
    if (where == QLatin1String("bottom"))
        m_view->scrollToBottom();
    else
        bar->setValue(where == QLatin1String("top") ? 0 : bar->maximum() / 2);
    const int value = bar->value();
    for (int i = 0; i < 5; ++i)
        m_view->appendFragment(paragraphs(QStringLiteral("new"), 10));
    QTRY_VERIFY(m_view->document()->blockCount() > 100);
    QCoreApplication::processEvents();
    if (followsNewContent)
        QCOMPARE(bar->value(), bar->maximum());
    else
        QCOMPARE(bar->value(), value);
}

void tst_TextBrowser::prependKeepsTheReadingPosition()
{
    QScrollBar *bar = m_view->verticalScrollBar();
    m_view->setHtml(paragraphs(QStringLiteral("page two,"), 40));
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum() / 3);
    const QTextCursor top = m_view->cursorForPosition(QPoint(2, 2));
    const QString reading = top.block().text();
    const int y = m_view->cursorRect(top).top();
    m_view->prependFragment(paragraphs(QStringLiteral("page one,"), 40));
    QCoreApplication::processEvents();
    const QTextCursor after = m_view->cursorForPosition(QPoint(2, 2));
    QCOMPARE(after.block().text(), reading);
    QVERIFY(qAbs(m_view->cursorRect(after).top() - y) <= 1);
    QCOMPARE(m_view->document()->begin().text(), QStringLiteral("page one, 0"));
    // Content that arrives at the end meanwhile does not move it either.
    m_view->appendFragment(paragraphs(QStringLiteral("news"), 5));
    QCoreApplication::processEvents();
    QCOMPARE(m_view->cursorForPosition(QPoint(2, 2)).block().text(), reading);
}

void tst_TextBrowser::scrollingToTheTopAsksForMore()
{
    QScrollBar *bar = m_view->verticalScrollBar();
    m_view->setHtml(paragraphs(QStringLiteral("line"), 60));
    QTRY_VERIFY(bar->maximum() > 0);
    m_view->scrollToBottom();
    QSignalSpy top(m_view.get(), &TextBrowser::reachedTop);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCoreApplication::processEvents();
    QCOMPARE(top.count(), 0);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QTRY_COMPARE(top.count(), 1);
    // Moving the view from code is not the user asking.
    bar->setValue(bar->maximum());
    bar->setValue(0);
    QCoreApplication::processEvents();
    QCOMPARE(top.count(), 1);
}

void tst_TextBrowser::resourcesComeFromTheResolverOnly()
{
    QTemporaryDir dir;
    QImage red(4, 4, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.filePath(QStringLiteral("file.png"))));
    QStringList asked;
    m_view->setResourceResolver([&asked](int type, const QUrl &name) -> QVariant {
        asked << name.toString();
        if (type == QTextDocument::ImageResource && name.toString() == QLatin1String("avatar_7")) {
            QImage image(8, 8, QImage::Format_ARGB32);
            image.fill(Qt::blue);
            return image;
        }
        return QVariant();
    });
    m_view->setHtml(QStringLiteral("<img src=\"avatar_7\"><img src=\"file.png\">"));
    m_view->setSearchPaths({dir.path()});
    QCOMPARE(m_view->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("avatar_7"))).value<QImage>().width(), 8);
    // A name a peer could write is never read from the disk by the view.
    QVERIFY(!m_view->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("file.png"))).isValid());
    QVERIFY(asked.contains(QStringLiteral("file.png")));
}

void tst_TextBrowser::replacingKeepsTheReadingPosition_data()
{
    QTest::addColumn<int>("paragraph"); // the first one replaced
    QTest::addColumn<int>("count");     // how many are replaced
    QTest::addColumn<int>("lines");     // by how many
    QTest::addColumn<QString>("where");
    QTest::newRow("above the view, growing") << 2 << 1 << 12 << "middle";
    QTest::newRow("above the view, shrinking") << 2 << 6 << 1 << "middle";
    QTest::newRow("below the view") << 56 << 1 << 12 << "middle";
    QTest::newRow("view at the bottom stays there") << 2 << 1 << 12 << "bottom";
}

void tst_TextBrowser::replacingKeepsTheReadingPosition()
{
    QFETCH(int, paragraph);
    QFETCH(int, count);
    QFETCH(int, lines);
    QFETCH(QString, where);
    QScrollBar *bar = m_view->verticalScrollBar();
    m_view->setHtml(paragraphs(QStringLiteral("line"), 60));
    QTRY_VERIFY(bar->maximum() > 0);
    if (where == QLatin1String("bottom"))
        m_view->scrollToBottom();
    else
        bar->setValue(bar->maximum() / 2);
    const QTextCursor top = m_view->cursorForPosition(QPoint(2, 2));
    const QString reading = top.block().text();
    const int y = m_view->cursorRect(top).top();
    const QTextBlock first = m_view->document()->findBlockByNumber(paragraph);
    const QTextBlock last = m_view->document()->findBlockByNumber(paragraph + count - 1);
    m_view->replaceRange(first.position(), last.position() + last.length() - 1, paragraphs(QStringLiteral("new"), lines));
    QCoreApplication::processEvents();
    if (where == QLatin1String("bottom")) {
        QCOMPARE(bar->value(), bar->maximum());
        return;
    }
    const QTextCursor after = m_view->cursorForPosition(QPoint(2, 2));
    QCOMPARE(after.block().text(), reading);
    QCOMPARE(m_view->cursorRect(after).top(), y);
}

void tst_TextBrowser::copyingLeavesBreakOpportunitiesOut()
{
    m_view->setHtml(QString::fromUtf16(u"<p>aaaa\u200Bbbbb <b>c\u200Bd</b></p>"));
    m_view->selectAll();
    m_view->copy();
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), QStringLiteral("aaaabbbb cd"));
    QVERIFY(!copied->html().contains(QChar(0x200B)));
    QVERIFY(copied->html().contains(QStringLiteral("cd")));
}

QTEST_MAIN(tst_TextBrowser)
#include "tst_textbrowser.moc"
