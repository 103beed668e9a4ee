// The interface language as the host changes it: open windows, menus and
// dialogs take the new texts without reopening, Arabic, Persian and Hebrew
// mirror the library's windows (and only those), and every message keeps
// its own direction whatever the interface's.

#include "windowfixture.h"

#include "emoticons/ui/emoticonpicker.h"
#include "platform/interfacedirection.h"
#include "ui/chat/closeitemdelegate.h"
#include "plugin/pluginsupport.h"
#include "ui/chat/quicktextmenu.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/textedit.h"

#include <QDialog>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSignalMapper>
#include <QTextBlock>
#include <QTranslator>
#include <QtTest>

// Opens the chat window with `id` into `var`; the test stops when it did not open.
#define OPEN_WINDOW(var, id) ChatWindow *var = m_fixture->open(id); QVERIFY(var)

class tst_InterfaceLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void countsTakeTheLanguagesPluralForms_data();
    void countsTakeTheLanguagesPluralForms();
    void openWindowFollowsLanguage_data();
    void openWindowFollowsLanguage();
    void rightToLeftMirrorsOnlyTheLibrarysWindows_data();
    void rightToLeftMirrorsOnlyTheLibrarysWindows();
    void messageKeepsItsOwnDirection_data();
    void messageKeepsItsOwnDirection();
    void peersOverrideEndsWithTheirText();
    void tabCloseButtonAtTheEntrysEnd();
    void emoticonGridStartsAtTheLinesStart();

private:
    // What the language's catalogue says for a text.
    static QString catalogue(const QString &code, const char *context, const char *text);
    static void setLanguage(const char *code);

    std::unique_ptr<WindowFixture> m_fixture;
};

QString tst_InterfaceLanguage::catalogue(const QString &code, const char *context, const char *text)
{
    QTranslator translator;
    if (!translator.load(QStringLiteral(":/chat/chat_") + code))
        return QString();
    return translator.translate(context, text);
}

void tst_InterfaceLanguage::setLanguage(const char *code)
{
    PluginSupport::setLanguage(code);
    // The application posts the change to every window.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
}

void tst_InterfaceLanguage::initTestCase()
{
    m_fixture = std::make_unique<WindowFixture>();
}

void tst_InterfaceLanguage::init()
{
    m_fixture->reset();
    setLanguage("en");
}

void tst_InterfaceLanguage::cleanupTestCase()
{
    setLanguage("en");
    m_fixture.reset();
}

void tst_InterfaceLanguage::countsTakeTheLanguagesPluralForms_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("english one, as ever") << "en" << 1 << "1 missed messages";
    QTest::newRow("english many") << "en" << 4 << "4 missed messages";
    QTest::newRow("german one") << "de" << 1 << "1 verpasste Nachricht";
    QTest::newRow("russian 21 is singular") << "ru" << 21 << "21 пропущенное сообщение";
    QTest::newRow("russian 3 is paucal") << "ru" << 3 << "3 пропущенных сообщения";
    QTest::newRow("russian 12 is plural") << "ru" << 12 << "12 пропущенных сообщений";
    QTest::newRow("polish 22 is paucal") << "pl" << 22 << "22 nieodczytane wiadomości";
    QTest::newRow("arabic two is dual") << "ar" << 2 << "رسالتان فائتتان";
    QTest::newRow("arabic 7") << "ar" << 7 << "7 رسائل فائتة";
    QTest::newRow("arabic 11") << "ar" << 11 << "11 رسالة فائتة";
    QTest::newRow("japanese has one form") << "ja" << 3 << "未読メッセージ 3 件";
}

void tst_InterfaceLanguage::countsTakeTheLanguagesPluralForms()
{
    QFETCH(QString, code);
    QFETCH(int, count);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/chat/chat_") + code));
    QString text = translator.translate("TabbedChatWindow", "%n missed messages", nullptr, count);
    text.replace(QLatin1String("%n"), QString::number(count));
    QTEST(text, "expected");
}

void tst_InterfaceLanguage::openWindowFollowsLanguage_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"de", "ar", "ja", "ru"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void tst_InterfaceLanguage::openWindowFollowsLanguage()
{
    QFETCH(QString, code);
    OPEN_WINDOW(window, "1001");
    auto *send = window->findChild<QPushButton *>(QStringLiteral("Send"));
    QVERIFY(send);
    QMenu *quickText = window->quickText()->menu();
    quickText->actions().last()->trigger();
    auto *dialog = window->findChild<QDialog *>(QStringLiteral("CannedMessages"));
    QVERIFY(dialog);
    QCOMPARE(send->text(), QStringLiteral("Send"));

    const QString sendText = catalogue(code, "ChatWindowClass", "Send");
    const QString editText = catalogue(code, "QuickTextMenu", "Edit");
    const QString dialogTitle = catalogue(code, "CannedMessagesDialog", "Quick Text Dialog");
    QVERIFY2(!sendText.isEmpty() && sendText != QLatin1String("Send"), "no catalogue for the language");
    setLanguage(code.toLatin1().constData());
    QCOMPARE(send->text(), sendText);
    QCOMPARE(quickText->actions().last()->text(), editText);
    QCOMPARE(dialog->windowTitle(), dialogTitle);

    setLanguage("en");
    QCOMPARE(send->text(), QStringLiteral("Send"));
    QCOMPARE(quickText->actions().last()->text(), QStringLiteral("Edit"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Quick Text Dialog"));
    dialog->close();
}

void tst_InterfaceLanguage::rightToLeftMirrorsOnlyTheLibrarysWindows_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("arabic") << QByteArray("ar") << true;
    QTest::newRow("persian") << QByteArray("fa") << true;
    QTest::newRow("hebrew") << QByteArray("he") << true;
    QTest::newRow("german") << QByteArray("de") << false;
}

void tst_InterfaceLanguage::rightToLeftMirrorsOnlyTheLibrarysWindows()
{
    QFETCH(QByteArray, code);
    QFETCH(bool, mirrored);
    QWidget hostWindow;
    OPEN_WINDOW(window, "1001");
    window->resize(600, 500);
    window->show();
    auto *send = window->findChild<QPushButton *>(QStringLiteral("Send"));
    QVERIFY(send);
    const auto sendIsLeftOfEditor = [&] {
        QCoreApplication::sendPostedEvents();
        return send->mapTo(window, QPoint()).x() < window->editor()->mapTo(window, QPoint()).x();
    };
    QVERIFY(!sendIsLeftOfEditor());
    QMenu *menu = window->quickText()->menu();

    setLanguage(code.constData());
    const Qt::LayoutDirection expected = mirrored ? Qt::RightToLeft : Qt::LeftToRight;
    QCOMPARE(window->layoutDirection(), expected);
    QCOMPARE(sendIsLeftOfEditor(), mirrored);
    // A menu made before the change is a window of its own, which no
    // change of its parent reaches: it mirrors as it appears.
    menu->popup(window->mapToGlobal(QPoint(10, 10)));
    QCOMPARE(menu->layoutDirection(), expected);
    menu->hide();
    // The host's windows and the application stay as the host set them.
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    hostWindow.show();
    QCOMPARE(hostWindow.layoutDirection(), Qt::LeftToRight);

    setLanguage("en");
    QCOMPARE(window->layoutDirection(), Qt::LeftToRight);
    QVERIFY(!sendIsLeftOfEditor());
}

void tst_InterfaceLanguage::messageKeepsItsOwnDirection_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("hebrew message, english interface")
        << QByteArray("en") << QStringLiteral("שלום, מה שלומך? 123") << Qt::RightToLeft;
    QTest::newRow("english message, arabic interface")
        << QByteArray("ar") << QStringLiteral("Hello, see you at noon") << Qt::LeftToRight;
    QTest::newRow("arabic message, arabic interface")
        << QByteArray("ar") << QStringLiteral("مرحبا بك") << Qt::RightToLeft;
    QTest::newRow("english after a hebrew word, hebrew interface")
        << QByteArray("he") << QStringLiteral("Report שלום") << Qt::LeftToRight;
}

void tst_InterfaceLanguage::messageKeepsItsOwnDirection()
{
    QFETCH(QByteArray, code);
    QFETCH(QString, text);
    QFETCH(Qt::LayoutDirection, direction);
    setLanguage(code.constData());
    OPEN_WINDOW(window, "1001");
    m_fixture->receive("1001", text.toUtf8());

    const QTextDocument *history = window->historyView()->document();
    const QString probe = text.left(4);
    QTextBlock found;
    for (QTextBlock block = history->begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(probe))
            found = block;
    }
    QVERIFY2(found.isValid(), qPrintable(window->historyView()->toPlainText()));
    QCOMPARE(found.textDirection(), direction);

    // The editor decides per paragraph in the same way.
    window->editor()->setPlainText(text);
    QCOMPARE(window->editor()->document()->firstBlock().textDirection(), direction);
}

void tst_InterfaceLanguage::peersOverrideEndsWithTheirText()
{
    OPEN_WINDOW(window, "1001");
    const QString rlo(QChar(0x202E));
    m_fixture->receive("1001", QString(QStringLiteral("see ") + rlo + QStringLiteral("txt.exe")).toUtf8());
    const QString shown = window->historyView()->toPlainText();
    // Closed before anything of the template follows, and set apart as a whole.
    QVERIFY2(shown.contains(QChar(0x2068) + QStringLiteral("see ") + rlo + QStringLiteral("txt.exe") + QChar(0x202C)
                            + QChar(0x2069)),
             qPrintable(shown));
}

void tst_InterfaceLanguage::tabCloseButtonAtTheEntrysEnd()
{
    const CloseItemDelegate delegate;
    const QRect entry(10, 0, 200, 24);
    QVERIFY(delegate.closeRect(entry, Qt::LeftToRight).left() > entry.center().x());
    QVERIFY(delegate.closeRect(entry, Qt::RightToLeft).right() < entry.center().x());
}

void tst_InterfaceLanguage::emoticonGridStartsAtTheLinesStart()
{
    EmoticonPicker *picker = EmoticonPicker::of(SharedResourceManager::instance()->emoticons());
    QVERIFY(picker);
    QFrame *frame = picker->buildPicker();
    const auto firstCellOnTheLeft = [&] {
        auto *first = qobject_cast<QWidget *>(picker->mapper()->mapping(0));
        return first && first->geometry().center().x() < frame->width() / 2;
    };
    QVERIFY(firstCellOnTheLeft());
    setLanguage("he");
    QVERIFY(!firstCellOnTheLeft());
    setLanguage("en");
    QVERIFY(firstCellOnTheLeft());
}

QTEST_MAIN(tst_InterfaceLanguage)
#include "tst_interfacelanguage.moc"
