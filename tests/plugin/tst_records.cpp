// The host-facing records: the copy rules of user and custom-status records,
// the image and text objects, and where the slots the implementations add after the
// host's interfaces sit in their virtual tables.

#include "plugin/records/customstatus.h"
#include "plugin/records/imageimpl.h"
#include "plugin/records/roomuserinfo.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"

#include <QtTest>

#include <cstring>

namespace {

// A host record with every field settable.
class FakeUser final : public IUser
{
public:
    QByteArray idText, userNameText, extra;
    QString first, last, display, statusMessage, p16 = "16", p17 = "17", p18 = "18", p19 = "19", p20 = "20", p23 = "23";
    QList<QByteArray> items;
    int statusValue = 0;
    int typeValue = 0;

    void assign(const IUser *) override {}
    bool isEmpty() const override { return idText.isEmpty(); }
    bool isOffline() const override { return statusValue == 0; }
    bool isConnected() const override { return statusValue != 0; }
    bool isOnline() const override { return statusValue == 1; }
    bool isAway() const override { return statusValue == 2; }
    bool isBusy() const override { return statusValue == 3; }
    bool hasStatusMessage() const override { return !statusMessage.isEmpty(); }
    int status() const override { return statusValue; }
    const char16_t *statusText() const override { return u(statusMessage.isEmpty() ? QStringLiteral("host name") : statusMessage); }
    const char *id() const override { return idText.constData(); }
    const char16_t *displayName() const override { return u(display); }
    const char *userName() const override { return userNameText.constData(); }
    const char16_t *firstName() const override { return u(first); }
    const char16_t *lastName() const override { return u(last); }
    const char16_t *profileText16() const override { return u(p16); }
    const char16_t *profileText17() const override { return u(p17); }
    const char16_t *profileText18() const override { return u(p18); }
    const char16_t *profileText19() const override { return u(p19); }
    const char16_t *profileText20() const override { return u(p20); }
    const char *item(int index) const override { return items.at(index).constData(); }
    int itemCount() const override { return items.size(); }
    const char16_t *profileText23() const override { return u(p23); }
    int type() const override { return typeValue; }
    const char *extraId() const override { return extra.isEmpty() ? nullptr : extra.constData(); }

private:
    const char16_t *u(const QString &s) const
    {
        m_keep.append(s);
        return reinterpret_cast<const char16_t *>(m_keep.last().utf16());
    }
    mutable QStringList m_keep;
};

QString text(const char16_t *s)
{
    return s ? QString::fromUtf16(s) : QStringLiteral("<null>");
}

// Under the Itanium C++ ABI a pointer to a virtual member function holds
// 1 + the byte offset of its entry in the virtual table.
template <typename F>
qint64 vtableIndex(F function)
{
    struct Representation
    {
        quintptr pointer;
        qintptr adjustment;
    };
    Representation representation;
    std::memcpy(&representation, &function, sizeof representation);
    return (representation.pointer & 1) ? qint64((representation.pointer - 1) / sizeof(void *)) : -1;
}

// The deleting destructor at a table index, called the way a host calls it.
template <typename T>
void callDeletingDestructor(T *object, int index)
{
    using Entry = void (*)(T *);
    void **table = *reinterpret_cast<void ***>(object);
    reinterpret_cast<Entry>(table[index])(object);
}

template <typename Base>
struct DestructionProbe final : Base
{
    explicit DestructionProbe(bool *destroyed) : m_destroyed(destroyed) {}
    ~DestructionProbe() override { *m_destroyed = true; }
    bool *m_destroyed;
};

} // namespace

class tst_Records : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayNameRules_data();
    void displayNameRules();
    void statusNames_data();
    void statusNames();
    void assignCopiesEveryField();
    void roomRecord();
    void customStatusNewRecord();
    void customStatusTextInBothEncodings();
    void customStatusCopies();
    void imageSetDataCopiesWidthTimesHeightTimesFour();
    void imageSetDataRejectsNothingSilently();
    void variableSet();
    void addedSlots_data();
    void addedSlots();
    void addedDestructorsDestroy();
};

void tst_Records::displayNameRules_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QByteArray>("userName");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first-and-last-joined-by-one-space") << "" << "Bea" << "Hansen" << QByteArray("bea") << "Bea Hansen";
    QTest::newRow("only-last-name-leading-space-trimmed") << "" << "" << "Hansen" << QByteArray("bea") << "Hansen";
    QTest::newRow("only-first-name") << "" << "Bea" << "" << QByteArray("bea") << "Bea";
    QTest::newRow("no-names-user-name") << "" << "" << "" << QByteArray("bea") << "bea";
    QTest::newRow("given-display-name-kept") << "B. H." << "Bea" << "Hansen" << QByteArray("bea") << "B. H.";
    QTest::newRow("display-name-trimmed") << "  Bea  " << "" << "" << QByteArray("bea") << "Bea";
    QTest::newRow("blank-display-name-falls-to-user-name") << "   " << "Bea" << "Hansen" << QByteArray("bea") << "bea";
    QTest::newRow("nothing-at-all-empty") << "" << "" << "" << QByteArray() << "";
}

void tst_Records::displayNameRules()
{
    QFETCH(QString, display);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QByteArray, userName);
    FakeUser host;
    host.idText = "1001";
    host.display = display;
    host.first = first;
    host.last = last;
    host.userNameText = userName;
    const UserObj copy(&host);
    QTEST(text(copy.displayName()), "expected");
}

void tst_Records::statusNames_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("statusText");

    QTest::newRow("0-offline") << 0 << "" << "Offline";
    QTest::newRow("1-online") << 1 << "" << "Online";
    QTest::newRow("2-away") << 2 << "" << "Away";
    QTest::newRow("3-busy") << 3 << "" << "Busy";
    QTest::newRow("4-no-name-empty-text") << 4 << "" << "";
    QTest::newRow("4-no-name-message-shown") << 4 << "gone" << "gone";
    QTest::newRow("negative-no-name") << -1 << "" << "";
    QTest::newRow("message-wins-over-name") << 1 << "Working" << "Working";
}

void tst_Records::statusNames()
{
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, statusText);
    FakeUser host;
    host.idText = "1";
    host.statusValue = status;
    host.statusMessage = message;
    const UserObj copy(&host);
    QCOMPARE(copy.status(), status);
    QCOMPARE(text(copy.statusText()), statusText);
    QCOMPARE(copy.hasStatusMessage(), !message.isEmpty());

    // The same rule when the plug-in changes the status itself.
    UserObj changed(&host);
    changed.setStatus(status);
    QCOMPARE(text(changed.statusText()), statusText);
}

void tst_Records::assignCopiesEveryField()
{
    FakeUser host;
    host.idText = "1001";
    host.userNameText = "bea";
    host.first = "Bea";
    host.last = "Hansen";
    host.display = "Bea H.";
    host.items = {"a", "", "c"};
    host.extra = "x-1";
    host.statusValue = 2;
    host.typeValue = 1;
    host.statusMessage = "Back at 3";
    UserObj copy;
    copy.setItems({"old"});
    copy.assign(&host);
    QCOMPARE(QByteArray(copy.id()) + copy.userName() + copy.item(2) + copy.extraId(), QByteArray("1001beacx-1"));
    QCOMPARE(text(copy.firstName()) + text(copy.lastName()) + text(copy.displayName()) + text(copy.statusText()),
             QStringLiteral("BeaHansenBea H.Back at 3"));
    QCOMPARE(text(copy.profileText16()) + text(copy.profileText17()) + text(copy.profileText18())
                 + text(copy.profileText19()) + text(copy.profileText20()) + text(copy.profileText23()),
             QStringLiteral("161718192023"));
    QCOMPARE(copy.itemCount(), 3);
    QCOMPARE(QByteArray(copy.item(7)), QByteArray()); // out of range reads empty
    QCOMPARE(copy.type(), 1);
    QVERIFY(copy.isAway() && copy.isConnected() && !copy.isOffline() && !copy.isOnline() && !copy.isBusy());

    copy.assign(nullptr); // ignored
    QCOMPARE(QByteArray(copy.id()), QByteArray("1001"));
    QVERIFY(UserObj().isEmpty());
}

void tst_Records::roomRecord()
{
    FakeUser host;
    host.idText = "5001";
    host.display = "Lighthouse";
    host.typeValue = 0; // whatever the host says, a room record is a room
    RoomUserInfo room(&host);
    QCOMPARE(room.type(), 1);
    QVERIFY(room.isRoom());
    QCOMPARE(text(room.displayName()), QStringLiteral("Lighthouse"));
    QCOMPARE(room.extraId(), nullptr); // none given: null, never ""
}

void tst_Records::customStatusNewRecord()
{
    const CustomStatus status;
    const ICustomStatus &host = status;
    QCOMPARE(host.statusCode(), -1);
    QVERIFY(host.text() != nullptr); // the host reads it as a C string
    QCOMPARE(QByteArray(host.text()), QByteArray());
    QVERIFY(status.isNull());
}

void tst_Records::customStatusTextInBothEncodings()
{
    CustomStatus status(3, QString::fromUtf8("Im B\xc3\xbcro"));
    const ICustomStatus &host = status;
    QCOMPARE(QByteArray(host.text()), QByteArray("Im B\xc3\xbcro"));
    QCOMPARE(status.displayText(), QString::fromUtf8("Im B\xc3\xbcro"));
    status.setTextUtf8("\xe2\x98\x95 break");
    QCOMPARE(status.displayText(), QString::fromUtf8("\xe2\x98\x95 break"));
    QCOMPARE(QByteArray(host.text()), QByteArray("\xe2\x98\x95 break"));
}

void tst_Records::customStatusCopies()
{
    CustomStatus source(7, QStringLiteral("Gym"));
    source.setReplyText(QStringLiteral("not copied"));
    source.setActive(true);
    const CustomStatus copy(static_cast<const ICustomStatus &>(source));
    QCOMPARE(copy.statusCode(), 7);
    QCOMPARE(copy.displayText(), QStringLiteral("Gym"));
    QCOMPARE(copy.replyText(), QString());
    QCOMPARE(copy.isActive(), false);

    // A copy of the record itself is a value of its own.
    CustomStatus a(1, QStringLiteral("a"));
    a.setReplyText(QStringLiteral("r"));
    CustomStatus b = a;
    QVERIFY(a == b);
    b.setText(QStringLiteral("b"));
    QCOMPARE(QByteArray(a.text()), QByteArray("a"));
    QVERIFY(a != b);
}

void tst_Records::imageSetDataCopiesWidthTimesHeightTimesFour()
{
    // 2 x 3 pixels: 24 bytes, and not one more (the guard bytes stay out).
    QByteArray pixels(24 + 8, '\0');
    for (int i = 0; i < 24; ++i)
        pixels[i] = char(i + 1);
    std::memset(pixels.data() + 24, 0xee, 8);
    ImageImpl image;
    image.setData(reinterpret_cast<const unsigned char *>(pixels.constData()), 2, 3);
    QCOMPARE(image.width(), 2);
    QCOMPARE(image.height(), 3);
    QCOMPARE(image.image().format(), QImage::Format_ARGB32);
    QByteArray copied;
    for (int y = 0; y < 3; ++y)
        copied.append(reinterpret_cast<const char *>(image.image().constScanLine(y)), 8);
    QCOMPARE(copied, pixels.left(24));
    QVERIFY(!copied.contains(char(0xee)));
    QCOMPARE(image.constBits(), image.image().constBits());
}

void tst_Records::imageSetDataRejectsNothingSilently()
{
    ImageImpl image;
    image.setData(nullptr, 4, 4);
    QCOMPARE(image.width(), 4);
    QCOMPARE(QColor::fromRgba(image.image().pixel(0, 0)).alpha(), 0);
    image.setData(nullptr, 0, 5);
    QVERIFY(image.image().isNull());
    image.setData(nullptr, -1, -1);
    QVERIFY(image.image().isNull());
    image.setData(nullptr, 4, 4);
    image.setData(nullptr, 20000, 20000); // 400 megapixels: never allocated
    QVERIFY(image.image().isNull());
}

void tst_Records::variableSet()
{
    VariableImpl value;
    QCOMPARE(QByteArray(value.value()), QByteArray());
    value.set("hello world", 5);
    QCOMPARE(QByteArray(value.value()), QByteArray("hello"));
    value.set("up to the nul", -1);
    QCOMPARE(value.bytes(), QByteArray("up to the nul"));
    value.set(nullptr, 3);
    QCOMPARE(value.bytes(), QByteArray());
}

// Interfaces without a destructor among their slots map slot s to index s;
// a destructor an implementation adds takes two entries (complete and
// deleting), so a slot after it sits one index further on.
void tst_Records::addedSlots_data()
{
    QTest::addColumn<qint64>("index");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("VariableImpl::value-slot-0") << vtableIndex(&VariableImpl::value) << qint64(0);
    QTest::newRow("VariableImpl::set-slot-1") << vtableIndex(&VariableImpl::set) << qint64(1);
    QTest::newRow("ImageImpl::setData-slot-4") << vtableIndex(&ImageImpl::setData) << qint64(4);
    QTest::newRow("ImageImpl::release-slot-6-after-destructor") << vtableIndex(&ImageImpl::release) << qint64(6 + 1);
    QTest::newRow("CustomStatus::text-slot-1") << vtableIndex(&CustomStatus::text) << qint64(1);
    QTest::newRow("UserObj::assign-slot-1") << vtableIndex(&UserObj::assign) << qint64(1 + 1);
    QTest::newRow("UserObj::extraId-slot-25") << vtableIndex(&UserObj::extraId) << qint64(25 + 1);
    QTest::newRow("RoomUserInfo::extraId-slot-25") << vtableIndex(&RoomUserInfo::extraId) << qint64(25 + 1);
}

void tst_Records::addedSlots()
{
    QFETCH(qint64, index);
    QTEST(index, "expected");
}

void tst_Records::addedDestructorsDestroy()
{
    // Slot 2 of VariableImpl and CustomStatus, slot 5 of ImageImpl: the
    // deleting entry follows the complete one.
    bool destroyed = false;
    callDeletingDestructor<VariableImpl>(new DestructionProbe<VariableImpl>(&destroyed), 2 + 1);
    QVERIFY(destroyed);
    destroyed = false;
    callDeletingDestructor<CustomStatus>(new DestructionProbe<CustomStatus>(&destroyed), 2 + 1);
    QVERIFY(destroyed);
    destroyed = false;
    callDeletingDestructor<ImageImpl>(new DestructionProbe<ImageImpl>(&destroyed), 5 + 1);
    QVERIFY(destroyed);

    // Slot 6 of ImageImpl, release, destroys the object.
    destroyed = false;
    ImageImpl *image = new DestructionProbe<ImageImpl>(&destroyed);
    using Release = void (*)(ImageImpl *);
    void **table = *reinterpret_cast<void ***>(image);
    reinterpret_cast<Release>(table[6 + 1])(image);
    QVERIFY(destroyed);
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
