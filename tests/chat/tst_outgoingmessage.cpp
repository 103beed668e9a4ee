// How a composed text leaves: cut at pictures, and the file and picture
// messages of finished uploads.

#include "chat/outgoingmessage.h"

#include <QtTest>

class tst_OutgoingMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void fileName_data();
    void fileName();
    void messageTexts();
};

void tst_OutgoingMessage::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("word-space-picture-space-word-is-three-sends")
        << "hello [pic src=\"a.png\"] world" << QStringList{"hello ", "[pic src=\"a.png\"]", " world"};
    QTest::newRow("lone-picture-tag-is-one-send") << "[pic src=\"a\"]" << QStringList{"[pic src=\"a\"]"};
    QTest::newRow("blank-text-between-tags-sends-nothing")
        << "[pic src=\"a\"]  \t [pic src=\"b\"]" << QStringList{"[pic src=\"a\"]", "[pic src=\"b\"]"};
    QTest::newRow("img-block-whole") << "a[img]x y[/img]b" << QStringList{"a", "[img]x y[/img]", "b"};
    QTest::newRow("plain-text-one-part") << " just text " << QStringList{" just text "};
    QTest::newRow("blank-text-no-part") << "   " << QStringList{};
    QTest::newRow("empty-text-no-part") << "" << QStringList{};
    QTest::newRow("img-then-pic-in-the-rest")
        << "[img]1[/img] and [pic src=\"2\"]" << QStringList{"[img]1[/img]", " and ", "[pic src=\"2\"]"};
    QTest::newRow("pic-before-img-stays-in-the-text")
        << "[pic src=\"1\"] then [img]2[/img]" << QStringList{"[pic src=\"1\"] then ", "[img]2[/img]"};
    QTest::newRow("unterminated-img-runs-to-end") << "a [img]x" << QStringList{"a ", "[img]x"};
    QTest::newRow("unterminated-pic-runs-to-end") << "a [pic src=" << QStringList{"a ", "[pic src="};
    QTest::newRow("matching-is-case-sensitive") << "a [PIC src=\"x\"] b" << QStringList{"a [PIC src=\"x\"] b"};
    QTest::newRow("newlines-kept") << "line1\n[pic src=\"x\"]\nline2" << QStringList{"line1\n", "[pic src=\"x\"]", "\nline2"};
}

void tst_OutgoingMessage::split()
{
    QFETCH(QString, text);
    QTEST(OutgoingMessage::splitParts(text), "parts");
}

void tst_OutgoingMessage::fileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("escaped");

    QTest::newRow("percent-and-brackets") << "100% [final].txt" << "100%37 %91final%93.txt";
    QTest::newRow("percent-first-so-escapes-are-not-escaped-again") << "%[]" << "%37%91%93";
    QTest::newRow("existing-escape-text-escaped-once") << "%37" << "%3737";
    QTest::newRow("plain-name-unchanged") << "report.pdf" << "report.pdf";
}

void tst_OutgoingMessage::fileName()
{
    QFETCH(QString, name);
    QTEST(OutgoingMessage::escapeFileName(name), "escaped");
}

void tst_OutgoingMessage::messageTexts()
{
    QCOMPARE(OutgoingMessage::fileMessageText("sim://f/1", "a%[b].txt", 1234, "text/plain"),
             QStringLiteral("[file url=\"sim://f/1\" name=\"a%37%91b%93.txt\" size=\"1234\" mime=\"text/plain\"]"));
    // Placeholders in the inserted texts are not filled again.
    QCOMPARE(OutgoingMessage::fileMessageText("u%2", "%3", 0, "%4"),
             QStringLiteral("[file url=\"u%2\" name=\"%373\" size=\"0\" mime=\"%4\"]"));
    QCOMPARE(OutgoingMessage::pictureMessageText("sim://p/9"), QStringLiteral("[pic src=\"sim://p/9\"]"));
}

QTEST_GUILESS_MAIN(tst_OutgoingMessage)
#include "tst_outgoingmessage.moc"
