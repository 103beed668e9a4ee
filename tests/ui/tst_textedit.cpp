// The message editor on its own: Return and line breaks, the paste and drop
// rules, pictures scaled to the editor, the spelling schedule, underlines
// and the suggestion menu, against a small dictionary of the test's own.

#include "../common/testpictures.h"

#include "lib_kelvan/clock.h"
#include "ui/chat/spellchecker.h"
#include "ui/chat/textedit.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QUrl>
#include <QtTest>

namespace {

// Knows a handful of words; records every word it is asked about.
class TestDictionary final : public SpellChecker
{
public:
    bool isCorrect(const QString &language, const QString &word) const override
    {
        asked.append(word);
        return language == QLatin1String("en_US") && known.contains(word.toLower());
    }

    QStringList suggestions(const QString &language, const QString &word) const override
    {
        Q_UNUSED(word)
        return language == QLatin1String("en_US") ? offered : QStringList();
    }

    QStringList known{QStringLiteral("the"), QStringLiteral("meeting"), QStringLiteral("is"), QStringLiteral("at"),
                      QStringLiteral("noon"), QStringLiteral("hello"), QStringLiteral("don't")};
    QStringList offered{QStringLiteral("meeting"), QStringLiteral("meting"), QStringLiteral("melting")};
    mutable QStringList asked;
};

QStringList underlinedWords(const TextEdit &editor)
{
    QStringList words;
    for (const QTextEdit::ExtraSelection &selection : editor.extraSelections()) {
        if (selection.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline
            && selection.format.underlineColor() == QColor(Qt::red))
            words << selection.cursor.selectedText();
    }
    return words;
}

} // namespace

class tst_TextEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void returnAndLineBreaks_data();
    void returnAndLineBreaks();
    void ctrlIIsLeftToTheWindow();
    void pasteRules_data();
    void pasteRules();
    void picturesFitTheEditor_data();
    void picturesFitTheEditor();
    void unreadablePictureInsertsNothing();
    void oneSpellingCheckAfterABurst();
    void underlines_data();
    void underlines();
    void checkingOffRemovesUnderlines();
    void suggestionMenu();
    void hugeTextChecksABoundedNumberOfWords();

private:
    std::unique_ptr<TextEdit> m_editor;
    TestDictionary m_dictionary;
    kelvan::ManualClock m_clock;
};

void tst_TextEdit::initTestCase()
{
    kelvan::Clock::setInstance(&m_clock);
}

void tst_TextEdit::cleanupTestCase()
{
    kelvan::Clock::setInstance(nullptr);
}

void tst_TextEdit::init()
{
    m_editor = std::make_unique<TextEdit>();
    m_editor->resize(400, 200);
    m_editor->setSpellChecker(&m_dictionary);
    m_editor->show();
    m_dictionary.asked.clear();
}

void tst_TextEdit::cleanup()
{
    m_editor.reset();
}

void tst_TextEdit::returnAndLineBreaks_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("newLineMode");
    QTest::addColumn<int>("sends");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("paragraphs");
    // A line break stays inside the paragraph.
    QTest::newRow("Return asks to send and inserts nothing") << int(Qt::NoModifier) << false << 1 << "ab" << 1;
    QTest::newRow("Enter on the keypad sends too") << int(Qt::KeypadModifier) << false << 1 << "ab" << 1;
    QTest::newRow("Shift+Return inserts a line break") << int(Qt::ShiftModifier) << false << 0 << "a\nb" << 1;
    QTest::newRow("Ctrl+Return inserts a line break") << int(Qt::ControlModifier) << false << 0 << "a\nb" << 1;
    QTest::newRow("new-line mode: Return starts a paragraph") << int(Qt::NoModifier) << true << 0 << "a\nb" << 2;
}

void tst_TextEdit::returnAndLineBreaks()
{
    QFETCH(int, modifiers);
    QFETCH(bool, newLineMode);
    m_editor->setNewLineMode(newLineMode);
    QSignalSpy send(m_editor.get(), &TextEdit::keyReturnPressed);
    QTest::keyClicks(m_editor.get(), QStringLiteral("a"));
    const int key = (modifiers & Qt::KeypadModifier) ? Qt::Key_Enter : Qt::Key_Return;
    QTest::keyClick(m_editor.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::keyClicks(m_editor.get(), QStringLiteral("b"));
    QTEST(send.count(), "sends");
    QTEST(m_editor->toPlainText(), "text");
    QTEST(m_editor->document()->blockCount(), "paragraphs");
}

void tst_TextEdit::ctrlIIsLeftToTheWindow()
{
    QKeyEvent ctrlI(QEvent::KeyPress, Qt::Key_I, Qt::ControlModifier, QStringLiteral("\t"));
    QApplication::sendEvent(m_editor.get(), &ctrlI);
    QVERIFY(!ctrlI.isAccepted());
    // A plain I is still typed.
    QTest::keyClicks(m_editor.get(), QStringLiteral("i"));
    QCOMPARE(m_editor->toPlainText(), QStringLiteral("i"));
}

void tst_TextEdit::pasteRules_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("handedToWindow");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("an image goes to the window") << "image" << true << QString();
    QTest::newRow("local files go to the window") << "files" << true << QString();
    QTest::newRow("a web picture pastes its address") << "web picture" << false << "https://example.org/cat.png";
    QTest::newRow("remote addresses paste nothing") << "remote" << false << QString();
    QTest::newRow("one remote among files pastes nothing") << "mixed" << false << QString();
    QTest::newRow("plain text is pasted") << "text" << false << "just text";
}

void tst_TextEdit::pasteRules()
{
    QFETCH(QString, kind);
    QFETCH(bool, handedToWindow);
    QTemporaryDir dir;
    auto *owned = new QMimeData;
    QMimeData &data = *owned;
    if (kind == QLatin1String("image")) {
        data.setImageData(testpictures::filled(QSize(10, 10), Qt::darkCyan));
    } else if (kind == QLatin1String("files")) {
        data.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.txt"))), QUrl::fromLocalFile(dir.filePath(QStringLiteral("b.pdf")))});
    } else if (kind == QLatin1String("web picture")) {
        data.setUrls({QUrl(QStringLiteral("https://example.org/cat.png"))});
        data.setHtml(QStringLiteral("<html><body>\n<!--StartFragment--><img src=\"https://example.org/cat.png\" alt=\"a cat\"/><!--EndFragment-->\n</body></html>"));
    } else if (kind == QLatin1String("remote")) {
        data.setUrls({QUrl(QStringLiteral("https://example.org/page"))});
    } else if (kind == QLatin1String("mixed")) {
        data.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.txt"))), QUrl(QStringLiteral("ftp://example.org/b"))});
    } else {
        data.setText(QStringLiteral("just text"));
    }
    QSignalSpy pasted(m_editor.get(), &TextEdit::onPaste);
    QGuiApplication::clipboard()->setMimeData(owned);
    m_editor->paste();
    QCOMPARE(pasted.count(), handedToWindow ? 1 : 0);
    QTEST(m_editor->toPlainText(), "inserted");
}

void tst_TextEdit::picturesFitTheEditor_data()
{
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("shownHeight");
    // The editor is 200 pixels high: the limit is 160.
    QTest::newRow("taller than 80 % is scaled to 80 %") << 500 << 160;
    QTest::newRow("exactly 80 % stays") << 160 << 160;
    QTest::newRow("a small picture stays") << 40 << 40;
}

void tst_TextEdit::picturesFitTheEditor()
{
    QFETCH(int, pictureHeight);
    QFETCH(int, shownHeight);
    QCOMPARE(m_editor->height(), 200);
    const QImage picture = testpictures::filled(QSize(pictureHeight * 2, pictureHeight), Qt::darkCyan);
    QVERIFY(m_editor->insertPicture(QStringLiteral("chat_image:one"), picture));
    const QImage shown = m_editor->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("chat_image:one"))).value<QImage>();
    QCOMPARE(shown.height(), shownHeight);
    QCOMPARE(shown.width(), shownHeight * 2);
    QVERIFY(m_editor->toHtml().contains(QStringLiteral("chat_image:one")));
}

void tst_TextEdit::unreadablePictureInsertsNothing()
{
    QTemporaryDir dir;
    const QString notAPicture = testpictures::writeFile(dir.filePath(QStringLiteral("x.png")), "not a picture");
    QVERIFY(!m_editor->insertPicture(QStringLiteral("chat_image:x"), notAPicture));
    QVERIFY(!m_editor->insertPicture(QStringLiteral("chat_image:y"), dir.filePath(QStringLiteral("missing.png"))));
    QVERIFY(m_editor->toPlainText().isEmpty());
}

void tst_TextEdit::oneSpellingCheckAfterABurst()
{
    m_editor->checkSpelling(QStringLiteral("en_US"));
    m_dictionary.asked.clear();
    QTest::keyClick(m_editor.get(), Qt::Key_H);
    QVERIFY(m_editor->spellingTimer()->isActive());
    QCOMPARE(m_editor->spellingTimer()->interval(), 200);
    QTest::keyClicks(m_editor.get(), QStringLiteral("ello"));
    m_clock.advance(199);
    QVERIFY(m_dictionary.asked.isEmpty());
    m_clock.advance(1);
    // The whole burst was checked once, as one word.
    QCOMPARE(m_dictionary.asked, QStringList{QStringLiteral("hello")});
    QVERIFY(!m_editor->spellingTimer()->isActive());
}

void tst_TextEdit::underlines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("underlined");
    QTest::newRow("a misspelt word") << "the meetting is at noon" << QStringList{"meetting"};
    QTest::newRow("words beginning with a digit never") << "the 2nd meeting" << QStringList();
    QTest::newRow("a letter then digits is underlined") << "the b52 meeting" << QStringList{"b52"};
    QTest::newRow("punctuation around words is not part of them") << "(meeting), \"noon\"!" << QStringList();
    QTest::newRow("an apostrophe inside a word") << "don't wonn't" << QStringList{"wonn't"};
    QTest::newRow("several paragraphs") << "the\nmeetting\nnoon xyz" << QStringList{"meetting", "xyz"};
}

void tst_TextEdit::underlines()
{
    QFETCH(QString, text);
    m_editor->setPlainText(text);
    m_editor->checkSpelling(QStringLiteral("en_US"));
    QTEST(underlinedWords(*m_editor), "underlined");
    // The text itself keeps its format.
    for (QTextBlock block = m_editor->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            QCOMPARE(it.fragment().charFormat().underlineStyle(), QTextCharFormat::NoUnderline);
    }
}

void tst_TextEdit::checkingOffRemovesUnderlines()
{
    m_editor->setPlainText(QStringLiteral("meetting"));
    m_editor->checkSpelling(QStringLiteral("en_US"));
    QCOMPARE(underlinedWords(*m_editor).size(), 1);
    m_editor->setSpellCheckEnabled(false);
    QVERIFY(m_editor->extraSelections().isEmpty());
    // A language without a dictionary rejects every word that begins with a letter.
    m_editor->setSpellCheckEnabled(true);
    m_editor->checkSpelling(QStringLiteral("xx_XX"));
    QCOMPARE(underlinedWords(*m_editor), QStringList{"meetting"});
}

void tst_TextEdit::suggestionMenu()
{
    m_editor->setPlainText(QStringLiteral("the meetting"));
    m_editor->checkSpelling(QStringLiteral("en_US"));
    QTextCursor word(m_editor->document());
    word.setPosition(6);
    const QPoint at = m_editor->cursorRect(word).center();
    std::unique_ptr<QMenu> menu(m_editor->createSpellingMenu(at));
    const QList<QAction *> actions = menu->actions();
    QVERIFY(actions.size() > 4);
    // Reverse of the dictionary's order, then a separator, then the standard entries.
    QCOMPARE(actions.at(0)->text(), QStringLiteral("melting"));
    QCOMPARE(actions.at(1)->text(), QStringLiteral("meting"));
    QCOMPARE(actions.at(2)->text(), QStringLiteral("meeting"));
    QVERIFY(actions.at(3)->isSeparator());
    actions.at(2)->trigger();
    QCOMPARE(m_editor->toPlainText(), QStringLiteral("the meeting"));

    // Underlined, a word with digits still gets no suggestions.
    m_editor->setPlainText(QStringLiteral("b52"));
    m_editor->checkSpelling(QStringLiteral("en_US"));
    QCOMPARE(underlinedWords(*m_editor), QStringList{"b52"});
    std::unique_ptr<QMenu> standard(m_editor->createStandardContextMenu());
    menu.reset(m_editor->createSpellingMenu(m_editor->cursorRect(QTextCursor(m_editor->document())).center()));
    QCOMPARE(menu->actions().size(), standard->actions().size());
}

void tst_TextEdit::hugeTextChecksABoundedNumberOfWords()
{
    QString text;
    for (int i = 0; i < 60000; ++i)
        text += QStringLiteral("wordx ");
    m_editor->setPlainText(text);
    // The check stops at its bound instead of walking the whole text.
    m_editor->checkSpelling(QStringLiteral("en_US"));
    QCOMPARE(underlinedWords(*m_editor).size(), TextEdit::MaxCheckedWords);
}

QTEST_MAIN(tst_TextEdit)
#include "tst_textedit.moc"
