#include "emoticons/emotionboxmanager.h"
#include "emoticons/ui/emoticonpicker.h"
#include "emoticons/ui/emotionboxlabel.h"

#include <QFrame>
#include <QSignalMapper>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QtTest>

#include <memory>
#include <vector>

// Picker index -> top left corner of its cell.
using Cells = QList<QPair<int, QPoint>>;

// The picker popup over small catalogues written into temporary folders:
// names e0, e1, ... with PNG pictures, descriptions in English and German.
class tst_EmoticonPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void geometry_data();
    void geometry();
    void aChoiceGoesToTheLastOpenerOnly();
    void toolTipsAreTextInTheInterfaceLanguage();
    void insertsAnImageNamedLikeTheEmoticon();

private:
    // A catalogue whose order.cfg lists `order`; names in `withoutPictures`
    // get none.
    std::unique_ptr<EmotionBoxManager> catalogue(const QStringList &order, const QStringList &withoutPictures = {});
    std::vector<std::unique_ptr<QTemporaryDir>> m_folders;
};

std::unique_ptr<EmotionBoxManager> tst_EmoticonPicker::catalogue(const QStringList &order,
                                                                 const QStringList &withoutPictures)
{
    m_folders.push_back(std::make_unique<QTemporaryDir>());
    QTemporaryDir *folder = m_folders.back().get();
    const QDir root(folder->path() + QStringLiteral("/plugins/chat/emoticons"));
    for (const char *sub : {"32x32", "128x128", "config"})
        root.mkpath(QLatin1String(sub));
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::yellow);
    for (const QString &name : order) {
        if (!withoutPictures.contains(name)) {
            picture.save(root.filePath(QStringLiteral("32x32/%1.png").arg(name)));
            picture.scaled(128, 128).save(root.filePath(QStringLiteral("128x128/%1.png").arg(name)));
        }
    }
    const auto write = [&](const char *name, const QByteArray &text) {
        QFile file(root.filePath(QStringLiteral("config/") + QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("order.cfg", order.join(QLatin1Char('\n')).toUtf8());
    write("en.lng", "e0=Smile\ne1=<b>bold</b> & co\n");
    write("de.lng", "e0=L\xc3\xa4" "cheln\n");
    auto manager = std::make_unique<EmotionBoxManager>();
    manager->loadCatalogue(folder->path());
    return manager;
}

void tst_EmoticonPicker::geometry_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("withoutPictures");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<int>("cellCount");
    QTest::addColumn<Cells>("cells");

    QStringList thirty;
    for (int i = 0; i < 30; ++i)
        thirty << QStringLiteral("e%1").arg(i);
    QTest::newRow("30 emoticons: 14 columns, 3 rows, 508 x 112")
        << thirty << QStringList() << QSize(508, 112) << 30
        << Cells{{0, {4, 4}}, {13, {472, 4}}, {14, {4, 40}}, {29, {40, 76}}};
    QTest::newRow("a name listed twice gets two cells")
        << QStringList{"e0", "e1", "e0"} << QStringList() << QSize(508, 40) << 3
        << Cells{{0, {4, 4}}, {1, {40, 4}}, {2, {76, 4}}};
    QTest::newRow("a name without pictures is left out")
        << QStringList{"e0", "e1", "e2"} << QStringList{"e1"} << QSize(508, 40) << 2
        << Cells{{0, {4, 4}}, {1, {40, 4}}};
}

void tst_EmoticonPicker::geometry()
{
    QFETCH(QStringList, order);
    QFETCH(QStringList, withoutPictures);
    QFETCH(QSize, frame);
    QFETCH(Cells, cells);

    auto manager = catalogue(order, withoutPictures);
    EmoticonPicker *picker = EmoticonPicker::of(manager.get());
    QCOMPARE(EmoticonPicker::of(manager.get()), picker);
    QFrame *box = picker->buildPicker();
    QVERIFY(box->isHidden());
    QCOMPARE(box->size(), frame);
    const QList<EmotionBoxLabel *> labels = box->findChildren<EmotionBoxLabel *>();
    QTEST(labels.size(), "cellCount");
    for (const auto &[index, corner] : cells) {
        auto *label = qobject_cast<EmotionBoxLabel *>(picker->mapper()->mapping(index));
        QVERIFY2(label, qPrintable(QString::number(index)));
        QCOMPARE(label->geometry(), QRect(corner, QSize(32, 32)));
        QCOMPARE(label->emoticonName(), picker->nameAt(index));
    }
    // The frame goes with the catalogue.
    QPointer<QFrame> guard(box);
    manager.reset();
    QVERIFY(!guard);
}

void tst_EmoticonPicker::aChoiceGoesToTheLastOpenerOnly()
{
    auto manager = catalogue({"e0", "e1", "e2"});
    EmoticonPicker *picker = EmoticonPicker::of(manager.get());
    QObject first;
    QObject second;
    QList<int> firstGot;
    QList<int> secondGot;
    picker->popupAboveCursor(&first, [&](int index) { firstGot << index; });
    QVERIFY(picker->frame()->isVisible());
    picker->popupAboveCursor(&second, [&](int index) { secondGot << index; });
    QCOMPARE(picker->frame()->pos(), QCursor::pos() - QPoint(0, picker->frame()->height()));

    auto *cell = qobject_cast<QWidget *>(picker->mapper()->mapping(2));
    QTest::mouseClick(cell, Qt::RightButton);
    QVERIFY(secondGot.isEmpty());
    QTest::mouseClick(cell, Qt::LeftButton);
    QCOMPARE(secondGot, QList<int>{2});
    QVERIFY(firstGot.isEmpty());
    QVERIFY(!picker->frame()->isVisible());
}

void tst_EmoticonPicker::toolTipsAreTextInTheInterfaceLanguage()
{
    auto manager = catalogue({"e0", "e1"});
    EmoticonPicker *picker = EmoticonPicker::of(manager.get());
    QString language = QStringLiteral("de");
    picker->setLanguageSource([&] { return language; });
    picker->buildPicker();
    auto *e0 = qobject_cast<QLabel *>(picker->mapper()->mapping(0));
    auto *e1 = qobject_cast<QLabel *>(picker->mapper()->mapping(1));
    QCOMPARE(e0->toolTip(), QString::fromUtf8("L\xc3\xa4" "cheln"));
    // No German description: the English one, shown as the characters it is.
    QCOMPARE(e1->toolTip(), QStringLiteral("<qt>&lt;b&gt;bold&lt;/b&gt; &amp; co</qt>"));

    language = QStringLiteral("fr");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(e0, &change);
    QCOMPARE(e0->toolTip(), QStringLiteral("Smile"));
}

void tst_EmoticonPicker::insertsAnImageNamedLikeTheEmoticon()
{
    auto manager = catalogue({"e0", "e1"});
    EmoticonPicker *picker = EmoticonPicker::of(manager.get());
    QTextEdit editor;
    editor.setPlainText(QStringLiteral("ab"));
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(1);
    editor.setTextCursor(cursor);
    QVERIFY(picker->insertEmoticon(&editor, 1));
    QVERIFY(!picker->insertEmoticon(&editor, 2));

    QTextCursor at(editor.document());
    at.setPosition(2);
    QVERIFY(at.charFormat().isImageFormat());
    QCOMPARE(at.charFormat().toImageFormat().name(), QStringLiteral("e1"));
    QVERIFY(!editor.document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("e1"))).isNull());
    QCOMPARE(editor.toPlainText(), QStringLiteral("a") + QChar(QChar::ObjectReplacementCharacter) + QStringLiteral("b"));
}

QTEST_MAIN(tst_EmoticonPicker)
#include "tst_emoticonpicker.moc"
